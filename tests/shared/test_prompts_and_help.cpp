#include "interface_language.h"
#include "help_topic.h"
#include "prompts.h"
#include "shared_state.h"
#include "test_support.h"

#include <QTest>
#include <QTextBrowser>

using namespace t40;

class TestPromptsAndHelp : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesCarryTheTitle()
    {
        test::TestEnvironment env;
        env.prompts().answers.push_back(BoxAnswer::Cancel);
        QCOMPARE(ShowMessageBox(QStringLiteral("q"), BoxIcon::Warning, BoxButtons::OkCancel), BoxAnswer::Cancel);
        QCOMPARE(ShowMessageBox(QStringLiteral("r"), BoxIcon::Error, BoxButtons::RetryCancel), BoxAnswer::Cancel);
        QCOMPARE(ShowMessageBox(QStringLiteral("o")), BoxAnswer::Ok);
        QCOMPARE(env.prompts().messages.size(), size_t(3));
        for (const auto& m : env.prompts().messages)
            QCOMPARE(m.caption, ApplicationTitle());
    }

    void fileDialog_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("filters");
        const QStringList en { "Radio data file(*.rdat)", "All file(*.*)" };
        const QStringList zh { "对讲机数据文件(*.rdat)", "所有文件(*.*)" };
        QTest::newRow("open en") << "OPEN" << true << "/x/a.rdat" << true << "a.rdat" << en;
        QTest::newRow("open lower case") << "open" << false << "/x/b.rdat" << true << "b.rdat" << zh;
        QTest::newRow("save") << "Save" << true << "/y/c.rdat" << false << "c.rdat" << en;
        QTest::newRow("cancelled") << "Save" << false << "" << false << "new.rdat" << zh;
    }
    void fileDialog()
    {
        QFETCH(QString, kind);
        QFETCH(bool, english);
        QFETCH(QString, answer);
        QFETCH(bool, open);
        QFETCH(QString, title);
        QFETCH(QStringList, filters);
        test::TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        env.prompts().paths.push_back(answer);
        QCOMPARE(ShowFileDialog(kind, QStringLiteral("T"), QStringLiteral("d.rdat")), answer);
        QCOMPARE(env.prompts().fileDialogs.size(), size_t(1));
        QCOMPARE(env.prompts().fileDialogs[0].open, open);
        QCOMPARE(env.prompts().fileDialogs[0].filters, filters);
        QCOMPARE(env.prompts().fileDialogs[0].defaultName, QStringLiteral("d.rdat"));
    }

    void helpShowsShippedTopicsOnly()
    {
        test::TestEnvironment env;
        ShowHelpTopic(QStringLiteral("no-such-topic.htm"));
        QVERIFY(HelpWindow() == nullptr);
        ShowHelpTopic(QStringLiteral("general.htm"));
        QVERIFY(HelpWindow() != nullptr);
        QVERIFY(HelpWindow()->isVisible());
        QVERIFY(HelpWindow()->toPlainText().contains(QStringLiteral("T40")));
        HelpWindow()->close();
    }
};

QTEST_MAIN(TestPromptsAndHelp)
#include "test_prompts_and_help.moc"
