#include "channel_table_model.h"
#include "document_history.h"
#include "radio_commands.h"
#include "form_channel_preset.h"
#include "main_window_fixture.h"
#include "on_modal.h"
#include "radio_document.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

using namespace t40;
using test::PresentChannels;
using test::Fixture;
using test::OnModal;

namespace {

// Chooses the plan of that name in the next preset dialog.
void Choose(const QString& name)
{
    OnModal<FormChannelPreset>([name](FormChannelPreset* dialog) {
        const auto found = dialog->ListPresets->findItems(name + QLatin1Char(' '), Qt::MatchStartsWith);
        if (!found.isEmpty())
            dialog->ListPresets->setCurrentItem(found.first());
        dialog->CommandOK_Click();
    });
}
} // namespace

class TestPresetCommands : public QObject {
    Q_OBJECT
private slots:
    // File > New From Preset..., then Edit > Insert Preset Channels... into the
    // selected rows or the empty ones; each insert is one undo step.
    void presetsThroughTheMenus_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("message"); // box or status bar
        QTest::newRow("MURS into the empty channels")
            << "MURS" << QList<int> { 2 } << "MURS"
            << QStringList { "1:151.82000", "2:151.88000", "3:151.94000", "4:154.57000", "5:154.60000", "6:151.82000",
                             "7:151.88000", "8:151.94000", "9:154.57000", "10:154.60000" }
            << "5 channels of MURS are in channels 6, 7, 8, 9, 10.";
        QTest::newRow("PMR446 over two selected rows")
            << "PMR446" << QList<int> { 3, 4 } << "LPD433"
            << QStringList { "1:446.00625", "2:446.01875", "3:433.07500", "4:433.10000", "5:446.05625" }
            << "2 channels of LPD433 are in channels 3, 4. No channel left for: 433.12500";
        QTest::newRow("a plan of the other band") << "MURS" << QList<int> { 1 } << "FRS" << QStringList {}
                                                   << "FRS is a UHF channel plan; this radio's band is VHF 136-174 MHz.";
    }
    void presetsThroughTheMenus()
    {
        QFETCH(QString, base);
        QFETCH(QList<int>, selected);
        QFETCH(QString, inserted);
        QFETCH(QStringList, channels);
        QFETCH(QString, message);
        Fixture f;
        Choose(base);
        f.main.MenuNewFromPreset->trigger();
        QVERIFY(AppDocument().isModified());
        const QStringList fresh = PresentChannels();
        QCOMPARE(fresh.size(), base == QLatin1String("MURS") ? 5 : 16);
        QVERIFY(!f.main.history().undoAction()->isEnabled());
        ChannelTableModel& model = ChannelTableModel::of(AppDocument());
        model.selectionModel()->clearSelection();
        for (int c : selected)
            model.selectionModel()->select(model.index(ChannelTableModel::rowOf(c), 1), QItemSelectionModel::Select);
        if (base == QLatin1String("PMR446")) // room for the plan only in the rows chosen
            for (int c = 5; c <= 16; ++c)
                AppDocument().setChannel(c, c == 5 ? AppDocument().channel(5) : Channel {});
        AppDocument().closeOpenStep();
        const QStringList before = PresentChannels();
        f.env.prompts().answers.push_back(BoxAnswer::Ok);
        Choose(inserted);
        f.main.MenuInsertPreset->trigger();
        const QString shown = f.env.prompts().messages.empty() ? f.main.statusBar()->currentMessage()
                                                                : f.env.prompts().messages.back().text;
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        if (channels.isEmpty()) {
            QCOMPARE(PresentChannels(), before);
            return;
        }
        QCOMPARE(PresentChannels(), channels);
        QCOMPARE(f.main.history().undoAction()->text(), QStringLiteral("&Undo Insert preset channels"));
        f.main.history().undoAction()->trigger();
        QCOMPARE(PresentChannels(), before);
    }

    // A channel that breaks a service's rule is listed before a write; Cancel writes nothing.
    void writeListsTheBrokenRules()
    {
        Fixture f;
        Channel ch = Channel::created(44600625, 44600625);
        ch.spacing = Spacing::Narrow;
        AppDocument().setChannel(2, ch);
        f.env.prompts().answers.push_back(BoxAnswer::Cancel);
        f.main.radio().MenuWrite_Click();
        QVERIFY(!State().SessionWindowOpen);
        QCOMPARE(f.env.prompts().messages.size(), size_t(1));
        const MessageRecord& box = f.env.prompts().messages.front();
        QCOMPARE(box.buttons, BoxButtons::OkCancelSafe);
        QVERIFY2(box.text.contains(QStringLiteral("• Channel 2: PMR446 allows at most Low power on 446.00625 MHz")), qPrintable(box.text));
        QCOMPARE(AppDocument().channel(2).power, Power::High); // never changed behind the user's back
    }
};

QTEST_MAIN(TestPresetCommands)
#include "test_preset_commands.moc"
