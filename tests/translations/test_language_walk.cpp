// Opens the main window and every window its menus reach, in a
// pseudo-translation and in Chinese, and fails on any text on screen that did
// not come through the translator (pseudo) or that is Latin without being a
// proper name (Chinese). Then walked in one language and switched to the other
// with every window left open: each must have retranslated itself.
#include "form_embed_message.h"
#include "form_language.h"
#include "form_print.h"
#include "form_printer_setting.h"
#include "help_topic.h"
#include "interface_language.h"
#include "mdi_form_main.h"
#include "on_modal.h"
#include "page_window.h"
#include "prompts.h"
#include "reg_keys.h"
#include "settings_values.h"
#include "shared_state.h"
#include "test_support.h"
#include "window_menu.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>

using namespace t40;

namespace {

// Names and units that stay as they are in every language, and data shown as
// it is stored (file names, ports).
const QRegularExpression ProperName(QStringLiteral(
    "^(T40|ZUL|ZEV|UHF|VHF|CTCSS|DCS|MHz|kHz|Hz|PF|Long|Short|COM|QT|DQT|DTMF|DTR|RTS|VOX|CSV|PDF|rdat|csv|pdf|dat|Init|new|"
    "USB|ttyUSB|ttyS|ttyACM|dev|UTC|GMT|TOT|PMR|FRS|LPD|MURS|CB|W|mW)$"));

struct Text {
    QString where;
    QString text;
};

QString Plain(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

void Collect(QWidget* top, const QString& where, std::vector<Text>& out)
{
    const auto add = [&](const QString& what, const QString& text) {
        if (!text.trimmed().isEmpty())
            out.push_back({ where + QStringLiteral(" / ") + what, Plain(text) });
    };
    add(QStringLiteral("title"), top->windowTitle());
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top))
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (w->isWindow() || w->inherits("QMdiSubWindow"))
            add(name + QStringLiteral(" title"), w->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(name, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(name, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            add(name, box->title());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(name, combo->itemText(i));
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(name, tabs->tabText(i));
        else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* model = view->model();
            if (!model)
                continue;
            for (int c = 0; c < model->columnCount(); ++c)
                add(name + QStringLiteral(" header"), model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(); ++r) {
                add(name + QStringLiteral(" row header"), model->headerData(r, Qt::Vertical).toString());
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QModelIndex index = model->index(r, c);
                    add(name, index.data().toString());
                    for (int k = 0; k < model->rowCount(index); ++k)
                        add(name, model->index(k, 0, index).data().toString());
                }
            }
        } else if (auto* bar = qobject_cast<QToolBar*>(w))
            for (QAction* a : bar->actions())
                if (a->isVisible())
                    add(name, a->toolTip());
    }
    std::function<void(QMenu*)> menu = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (!a->isVisible() || a->isSeparator())
                continue;
            add(QStringLiteral("menu"), a->text());
            if (a->menu())
                menu(a->menu());
        }
    };
    if (auto* bar = top->findChild<QMenuBar*>())
        for (QAction* a : bar->actions())
            if (a->isVisible() && a->menu()) {
                add(QStringLiteral("menu"), a->text());
                menu(a->menu());
            }
}

// The Latin words of a text that went past the translator.
enum class Walk { Pseudo, English, Chinese };

QStringList Untranslated(QString text, Walk language)
{
    const bool pseudo = language == Walk::Pseudo;
    if (pseudo) {
        static const QRegularExpression wrapped(QStringLiteral("\\[\\[((?!\\[\\[)(?!\\]\\]).)*\\]\\]"),
                                                QRegularExpression::DotMatchesEverythingOption);
        for (QString before; before != text;) {
            before = text;
            text.replace(wrapped, QStringLiteral(" "));
        }
    }
    // Today's date and time, in the interface's locale, are data.
    const QLocale locale = InterfaceLocale();
    text.remove(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    // File paths are data.
    static const QRegularExpression path(QStringLiteral("(^|\\s)/\\S+"));
    text.remove(path);
    // In the pseudo-translation any word left, Chinese included, missed the
    // translator; English shows no Chinese, Chinese no Latin words.
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]+"));
    static const QRegularExpression any(QStringLiteral("[A-Za-z]{2,}|[\\x{3400}-\\x{9fff}]+"));
    const QRegularExpression& word = pseudo ? any : language == Walk::English ? chinese : latin;
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (!ProperName.match(w).hasMatch())
            words << w;
    }
    return words;
}

} // namespace

Q_DECLARE_METATYPE(Walk)

class TestLanguageWalk : public QObject {
    Q_OBJECT

    std::vector<Text> seen_;
    // T40_WALK_SHOTS=DIR keeps a picture of every window the walk shows.
    const QString shots_ = qEnvironmentVariable("T40_WALK_SHOTS");
    QString language_;
    int shot_ = 0;
    void keep(QWidget* w)
    {
        if (!shots_.isEmpty())
            w->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots_, language_).arg(++shot_, 2, 10, QLatin1Char('0')));
    }

    // Shows what the menu command opens: a modal window is read and closed,
    // a page is read in the main window.
    void walk(MDIFormMain& main, QAction* action)
    {
        const QString where = action->text();
        auto* poll = new QTimer;
        int depth = 0;
        QObject::connect(poll, &QTimer::timeout, [&, where] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            Collect(modal, where, seen_);
            keep(modal);
            if (auto* print = qobject_cast<FormPrint*>(modal); print && depth++ == 0) {
                QTimer::singleShot(0, print, [print] { print->CommandPrinterSetting->click(); });
                return;
            }
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        poll->start(20);
        action->trigger();
        QTest::qWait(50);
        delete poll;
        Collect(&main, where, seen_);
        if (!action->menu() && where.contains(QStringLiteral("Information")) + where.contains(QStringLiteral("Setup"))
            + where.contains(QStringLiteral("Setting")) + where.contains(QStringLiteral("信息"))
            + where.contains(QStringLiteral("设")))
            keep(&main);
    }

private slots:
    void walk_data()
    {
        QTest::addColumn<Walk>("language");
        QTest::addColumn<bool>("switched"); // walked in English, then switched with every window open
        QTest::newRow("pseudo-translation") << Walk::Pseudo << false;
        QTest::newRow("English") << Walk::English << false;
        QTest::newRow("Chinese") << Walk::Chinese << false;
        QTest::newRow("switched to Chinese") << Walk::Chinese << true;
        QTest::newRow("switched to English") << Walk::English << true;
    }
    void walk()
    {
        QFETCH(Walk, language);
        QFETCH(bool, switched);
        const bool pseudo = language == Walk::Pseudo;
        test::TestEnvironment env;
        QTranslator translator;
        if (pseudo) {
            QVERIFY(translator.load(QStringLiteral(T40_PSEUDO_QM)));
            QCoreApplication::installTranslator(&translator);
        }
        RegWriteString(RegHive::LocalMachine, AppRegistryKey, LanguageValue,
                       (language == Walk::Chinese) != switched ? QStringLiteral("False") : QStringLiteral("True"));
        seen_.clear();
        language_ = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        shot_ = 0;
        {
            MDIFormMain main;
            main.MDIForm_Load();
            main.show();
            QTest::qWait(50);
            Collect(&main, QStringLiteral("main window"), seen_);
            // Every command of the menus, the hidden ones too, except those
            // that leave the program or change the view only.
            const QList<QAction*> skipped { main.MenuExit, main.MenuSave, main.MenuLanguage, main.MenuTree, main.MenuToolBar,
                                            main.MenuStatus, main.MenuVerify, main.MenuCloseAll };
            std::function<void(QMenu*)> each = [&](QMenu* m) {
                for (QAction* a : m->actions()) {
                    if (a->menu())
                        each(a->menu());
                    else if (!a->isSeparator() && !skipped.contains(a) && a->isEnabled())
                        walk(main, a);
                }
            };
            for (QAction* a : main.menuBar()->actions())
                if (a->menu())
                    each(a->menu());
            if (switched) {
                // Text typed and not yet committed on an open page.
                // The pages the menus do not show in this model, and the help.
                main.OpenPage(ScanPageId);
                main.OpenPage(MessagePageId);
                QVERIFY(HelpWindow() && HelpWindow()->isVisible());
                QPointer<FormEmbedMessage> message = qobject_cast<FormEmbedMessage*>(main.page(MessagePageId));
                QVERIFY(message);
                message->TextEmbedMessage[0]->setFocus();
                message->TextEmbedMessage[0]->selectAll();
                QTest::keyClicks(message->TextEmbedMessage[0], QStringLiteral("Q"));
                const qsizetype pagesOpen = main.openPages().size();
                QCOMPARE(pagesOpen, 5);
                seen_.clear();
                env.prompts().messages.clear();
                test::OnModal<FormLanguage>([language](FormLanguage* w) {
                    w->ComboLanguage->setCurrentIndex(language == Walk::English ? 0 : 1);
                    w->CommandOK_Click();
                });
                main.MenuLanguage->trigger();
                // The same windows, retranslated; the typed text kept and in the data.
                QVERIFY(message);
                QCOMPARE(main.openPages().size(), pagesOpen);
                QCOMPARE(message->TextEmbedMessage[0]->text().left(1), QStringLiteral("Q"));
                QCOMPARE(int(AppDocument().memory().byte(0x300)), int('Q'));
                Collect(&main, QStringLiteral("after the switch"), seen_);
                keep(HelpWindow());
                for (PageWindow* p : main.openPages()) {
                    BringPageToFront(p);
                    QTest::qWait(20);
                    keep(&main);
                }
            }
            for (const MessageRecord& m : env.prompts().messages)
                seen_.push_back({ QStringLiteral("message box"), m.text + QLatin1Char(' ') + m.caption });
            if (!shots_.isEmpty()) {
                // A real message box, as the program shows one.
                SetPromptScript(nullptr);
                QTimer::singleShot(200, [this] {
                    if (QWidget* box = QApplication::activeModalWidget()) {
                        keep(box);
                        box->close();
                    }
                });
                ShowMessageBox(QCoreApplication::translate("t40::MDIFormMain", "Save"), BoxIcon::Warning,
                               BoxButtons::SaveDiscardCancel);
                SetPromptScript(&env.prompts());
            }
            main.setWindowModified(false);
            AppDocument().setModified(false);
        }
        QCoreApplication::removeTranslator(&translator);

        QStringList faults, texts;
        for (const Text& t : seen_) {
            if (texts.contains(t.text))
                continue;
            texts << t.text;
            const QStringList words = Untranslated(t.text, language);
            if (!words.isEmpty())
                faults << QStringLiteral("%1: \"%2\" (%3)").arg(t.where, t.text, words.join(u' '));
        }
        faults.removeDuplicates();
        if (qEnvironmentVariableIsSet("T40_WALK_LIST"))
            qInfo().noquote() << texts.join(QStringLiteral(" | "));
        QVERIFY2(seen_.size() > 300, qPrintable(QString::number(seen_.size())));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestLanguageWalk)
#include "test_language_walk.moc"
