#include "interface_language.h"
#include "form_option.h"
#include "help_topic.h"
#include "memory_map.h"
#include "page_test_helpers.h"
#include "shared_state.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace t40;
using namespace t40::test;

namespace {

// Shown value of a control: the list index, or 1/0 for a check box.
int Shown(FormOption& page, const QString& control)
{
    if (auto* list = page.findChild<QComboBox*>(control))
        return list->currentIndex();
    if (auto* check = page.findChild<QCheckBox*>(control))
        return check->isChecked() ? 1 : 0;
    return -100;
}

// An image whose optional-feature bytes all hold valid values different from
// the defaults, so that any repair shows.
void FillValid(RadioImage& image)
{
    using namespace MemoryMap;
    image.setByte(TimeOutTimer, 5);
    image.setByte(TotPreAlert, 2);
    image.setByte(SquelchLevel, 7);
    image.setByte(VoicePrompt, 2);
    image.setByte(VoxSwitch, 1);
    image.setByte(VoxLevel, 8);
    image.setByte(BatterySave, 0);
    image.setByte(RogerTone, 1);
}

} // namespace

class TestFormOption : public QObject {
    Q_OBJECT
private slots:
    void decodeShowsAndRepairs_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("after");
        using namespace MemoryMap;
        QTest::newRow("TOT 0 out of range") << "ComboTOT" << TimeOutTimer << 0 << 11 << 12;
        QTest::newRow("TOT 1 = 15 s") << "ComboTOT" << TimeOutTimer << 1 << 0 << 1;
        QTest::newRow("TOT 40 = 600 s") << "ComboTOT" << TimeOutTimer << 40 << 39 << 40;
        QTest::newRow("TOT 41") << "ComboTOT" << TimeOutTimer << 41 << 11 << 12;
        QTest::newRow("TOT 255") << "ComboTOT" << TimeOutTimer << 255 << 11 << 12;
        QTest::newRow("pre-alert 10") << "ComboTOTWarning" << TotPreAlert << 10 << 10 << 10;
        QTest::newRow("pre-alert 11") << "ComboTOTWarning" << TotPreAlert << 11 << 0 << 0;
        QTest::newRow("squelch 9") << "ComboSQ" << SquelchLevel << 9 << 9 << 9;
        QTest::newRow("squelch 10") << "ComboSQ" << SquelchLevel << 10 << 3 << 3;
        QTest::newRow("squelch 0xFF") << "ComboSQ" << SquelchLevel << 0xFF << 3 << 3;
        QTest::newRow("voice 0") << "ComboVoice" << VoicePrompt << 0 << 0 << 0;
        QTest::newRow("voice 3") << "ComboVoice" << VoicePrompt << 3 << 1 << 1;
        QTest::newRow("VOX 0") << "CheckVox" << VoxSwitch << 0 << 0 << 0;
        QTest::newRow("VOX 2") << "CheckVox" << VoxSwitch << 2 << 0 << 0;
        QTest::newRow("VOX 0xFF") << "CheckVox" << VoxSwitch << 0xFF << 0 << 0;
        QTest::newRow("VOX level 0") << "ComboVoxLevel" << VoxLevel << 0 << 0 << 0;
        QTest::newRow("VOX level 10") << "ComboVoxLevel" << VoxLevel << 10 << 3 << 3;
        QTest::newRow("battery save 1") << "CheckSave" << BatterySave << 1 << 1 << 1;
        QTest::newRow("battery save 7") << "CheckSave" << BatterySave << 7 << 1 << 1;
        QTest::newRow("roger 7") << "CheckRoger" << RogerTone << 7 << 0 << 0;
        QTest::newRow("scramble from byte 300 = 1") << "CheckScramble" << BandExtension << 1 << 1 << 1;
        QTest::newRow("scramble 2 shown clear, not stored") << "CheckScramble" << BandExtension << 2 << 0 << 2;
    }
    void decodeShowsAndRepairs()
    {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(int, after);
        TestEnvironment env;
        AppDocument().edit(FillValid);
        AppDocument().setByte(offset, std::uint8_t(stored));
        const RadioImage before = AppDocument().memory();
        FormOption page(AppDocument());
        QCOMPARE(Shown(page, control), shown);
        QCOMPARE(int(AppDocument().byte(offset)), after);
        const QList<int> expected = after == stored ? QList<int>() : QList<int> { offset };
        QCOMPARE(ChangedBytes(before, AppDocument().memory()), expected);
    }

    void everyRepairInOneDecode()
    {
        TestEnvironment env;
        using namespace MemoryMap;
        for (int offset : { TimeOutTimer, TotPreAlert, SquelchLevel, VoicePrompt, VoxSwitch, VoxLevel, BatterySave, RogerTone })
            AppDocument().setByte(offset, 0xEE);
        FormOption page(AppDocument());
        QCOMPARE(int(AppDocument().byte(TimeOutTimer)), 12);
        QCOMPARE(page.ComboTOT->currentText(), QStringLiteral("180"));
        QCOMPARE(int(AppDocument().byte(TotPreAlert)), 0);
        QCOMPARE(int(AppDocument().byte(SquelchLevel)), 3);
        QCOMPARE(int(AppDocument().byte(VoicePrompt)), 1);
        QCOMPARE(int(AppDocument().byte(VoxSwitch)), 0);
        QCOMPARE(int(AppDocument().byte(VoxLevel)), 3);
        QCOMPARE(int(AppDocument().byte(BatterySave)), 1);
        QCOMPARE(int(AppDocument().byte(RogerTone)), 0);
        // A second decode of the repaired image changes nothing.
        const RadioImage repaired = AppDocument().memory();
        page.AnalyseOption();
        QVERIFY(AppDocument().memory() == repaired);
    }

    void userChoicesStore_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("stored");
        using namespace MemoryMap;
        QTest::newRow("first TOT item stores 1") << "ComboTOT" << 0 << TimeOutTimer << 1;
        QTest::newRow("last TOT item stores 40") << "ComboTOT" << 39 << TimeOutTimer << 40;
        QTest::newRow("pre-alert off") << "ComboTOTWarning" << 0 << TotPreAlert << 0;
        QTest::newRow("pre-alert 10") << "ComboTOTWarning" << 10 << TotPreAlert << 10;
        QTest::newRow("squelch 0") << "ComboSQ" << 0 << SquelchLevel << 0;
        QTest::newRow("voice English") << "ComboVoice" << 2 << VoicePrompt << 2;
        QTest::newRow("VOX level 9") << "ComboVoxLevel" << 9 << VoxLevel << 9;
        QTest::newRow("call response hidden") << "ComboCall" << 5 << CallResponse << 5;
        QTest::newRow("mic reduction hidden") << "ComboMicReduction" << 2 << MicNoiseReduction << 2;
        QTest::newRow("VOX delay hidden") << "ComboVoxDelay" << 27 << VoxDelay << 27;
    }
    void userChoicesStore()
    {
        QFETCH(QString, control);
        QFETCH(int, choice);
        QFETCH(int, offset);
        QFETCH(int, stored);
        TestEnvironment env;
        AppDocument().edit(FillValid);
        FormOption page(AppDocument());
        const RadioImage before = AppDocument().memory();
        auto* list = page.findChild<QComboBox*>(control);
        QVERIFY(list);
        Choose(list, choice);
        QCOMPARE(int(AppDocument().byte(offset)), stored);
        QVERIFY(ChangedBytes(before, AppDocument().memory()).size() <= 1);
    }

    void checkBoxesStore_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<int>("cleared");
        using namespace MemoryMap;
        QTest::newRow("VOX") << "CheckVox" << VoxSwitch << 1 << 0;
        QTest::newRow("battery save") << "CheckSave" << BatterySave << 1 << 0;
        QTest::newRow("roger") << "CheckRoger" << RogerTone << 1 << 0;
        QTest::newRow("VOX cancel") << "CheckVoxCancel" << VoxCancel << 1 << 0;
        QTest::newRow("VOX tone") << "CheckVoxTone" << VoxProceedTone << 1 << 0;
        QTest::newRow("squelch tail") << "CheckTail" << SquelchTail << 1 << 0;
        QTest::newRow("alert lock inverted") << "CheckAlertLock" << AlertLock << 0 << 1;
        QTest::newRow("reset allowed") << "CheckResetAllow" << ResetAllowed << 1 << 0;
        QTest::newRow("scramble") << "CheckScramble" << BandExtension << 1 << 0;
    }
    void checkBoxesStore()
    {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, ticked);
        QFETCH(int, cleared);
        TestEnvironment env;
        FormOption page(AppDocument());
        auto* check = page.findChild<QCheckBox*>(control);
        QVERIFY(check);
        check->setEnabled(true);
        check->setChecked(false);
        check->click();
        QCOMPARE(int(AppDocument().byte(offset)), ticked);
        check->click();
        QCOMPARE(int(AppDocument().byte(offset)), cleared);
    }

    void voxEnablesItsControls()
    {
        TestEnvironment env;
        AppDocument().setByte(MemoryMap::VoxSwitch, 2);
        FormOption page(AppDocument());
        QVERIFY(!page.CheckVox->isChecked());
        QCOMPARE(int(AppDocument().byte(MemoryMap::VoxSwitch)), 0);
        for (QWidget* w : std::initializer_list<QWidget*> { page.ComboVoxLevel, page.ComboVoxDelay, page.CheckVoxCancel, page.CheckVoxTone })
            QVERIFY(!w->isEnabled());
        page.CheckVox->click();
        QCOMPARE(int(AppDocument().byte(MemoryMap::VoxSwitch)), 1);
        for (QWidget* w : std::initializer_list<QWidget*> { page.ComboVoxLevel, page.ComboVoxDelay, page.CheckVoxCancel, page.CheckVoxTone })
            QVERIFY(w->isEnabled());
        page.CheckVox->click();
        QVERIFY(!page.ComboVoxLevel->isEnabled());
    }

    void bandExtensionMovesTheLimit_data()
    {
        QTest::addColumn<int>("bandLow");
        QTest::addColumn<int>("tickedHigh");
        QTest::addColumn<int>("clearedHigh");
        QTest::newRow("UHF 400") << 400 << 520 << 480;
        QTest::newRow("VHF 136 untouched") << 136 << 174 << 174;
    }
    void bandExtensionMovesTheLimit()
    {
        QFETCH(int, bandLow);
        QFETCH(int, tickedHigh);
        QFETCH(int, clearedHigh);
        TestEnvironment env;
        AppDocument().setBand({ QStringLiteral("UHF"), bandLow, bandLow == 400 ? 520 : 174, bandLow == 400 ? 520 : 174 });
        FormOption page(AppDocument());
        page.CheckExtension->setChecked(true);
        page.CheckExtension->click(); // clears
        QCOMPARE(int(AppDocument().byte(MemoryMap::BandExtension)), 0);
        QCOMPARE(AppDocument().band().effectiveHighMHz, clearedHigh);
        page.CheckExtension->click();
        QCOMPARE(int(AppDocument().byte(MemoryMap::BandExtension)), 1);
        QCOMPARE(AppDocument().band().effectiveHighMHz, tickedHigh);
    }

    void hiddenControlsStayHiddenAndUndecoded()
    {
        TestEnvironment env;
        using namespace MemoryMap;
        AppDocument().setByte(CallResponse, 4);
        AppDocument().setByte(AlertLock, 0);
        FormOption page(AppDocument());
        page.show();
        QVERIFY(page.CheckVox->isVisible());
        for (QWidget* w : std::initializer_list<QWidget*> { page.ComboCall, page.ComboMicReduction, page.ComboVoxDelay,
                 page.CheckVoxCancel, page.CheckVoxTone, page.CheckTail, page.CheckAlertLock, page.CheckResetAllow,
                 page.CheckExtension, page.CheckScramble })
            QVERIFY(!w->isVisible());
        QCOMPARE(int(AppDocument().byte(CallResponse)), 4);
        QCOMPARE(int(AppDocument().byte(AlertLock)), 0);
    }

    void refreshShowsNewImageWithoutStoringIndices()
    {
        TestEnvironment env;
        AppDocument().edit(FillValid);
        FormOption page(AppDocument());
        QCOMPARE(page.ComboTOT->currentIndex(), 4);
        RadioImage read = AppDocument().memory();
        read.setByte(MemoryMap::TimeOutTimer, 40);
        read.setByte(MemoryMap::SquelchLevel, 1);
        read.setByte(MemoryMap::VoxSwitch, 0);
        AppDocument().replaceImage(read, false);
        page.RefreshAfterRead();
        QCOMPARE(page.ComboTOT->currentText(), QStringLiteral("600"));
        QCOMPARE(page.ComboSQ->currentIndex(), 1);
        QVERIFY(!page.CheckVox->isChecked());
        QVERIFY(!page.ComboVoxLevel->isEnabled());
        QVERIFY(AppDocument().memory() == read);
    }

    void listsAndCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("separator");
        QTest::newRow("English") << true << ".";
        QTest::newRow("Chinese, comma") << false << ",";
    }
    void listsAndCaptions()
    {
        QFETCH(bool, english);
        QFETCH(QString, separator);
        TestEnvironment env;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        State().DecimalSeparator = separator;
        FormOption page(AppDocument());
        QCOMPARE(page.windowTitle(), english ? QStringLiteral("Function Setup") : QStringLiteral("功能设定"));
        QCOMPARE(page.ComboTOT->count(), 40);
        QCOMPARE(page.ComboTOT->itemText(0), QStringLiteral("15"));
        QCOMPARE(page.ComboTOT->itemText(39), QStringLiteral("600"));
        QCOMPARE(page.ComboTOTWarning->count(), 11);
        QCOMPARE(page.ComboTOTWarning->itemText(0), english ? QStringLiteral("Off") : QStringLiteral("关"));
        QCOMPARE(page.ComboSQ->count(), 10);
        const QStringList voices = english ? QStringList { "Off", "Chinese", "English" } : QStringList { "关", "中文", "英文" };
        QCOMPARE(Items(page.ComboVoice), voices);
        QCOMPARE(page.ComboVoxLevel->count(), 10);
        QCOMPARE(page.ComboVoxDelay->count(), 28);
        QCOMPARE(page.ComboVoxDelay->itemText(0), "0" + separator + "3");
        QCOMPARE(page.ComboVoxDelay->itemText(7), "1" + separator + "0");
        QCOMPARE(page.ComboVoxDelay->itemText(27), "3" + separator + "0");
        QCOMPARE(page.ComboCall->itemText(5), english ? QStringLiteral("Vibration+Chord2") : QStringLiteral("振动+和弦2"));
        QCOMPARE(page.LabelTOT->text(), english ? QStringLiteral("Time Out Timer(TOT)[s]") : QStringLiteral("超时定时器(TOT)[秒]"));
        QCOMPARE(page.FrameVox->title(), english ? QStringLiteral("VOX Setting") : QStringLiteral("声控设置"));
        QCOMPARE(page.CheckRoger->text(), english ? QStringLiteral("Roger") : QStringLiteral("发射结束提示音"));
        QCOMPARE(page.CommandClose->text(), english ? QStringLiteral("&Close") : QStringLiteral("关闭(&C)"));
    }

    void windowMenuAndClose()
    {
        TestEnvironment env;
        QMenu windowMenu;
        State().WindowMenuHandle = &windowMenu;
        auto* page = new FormOption(AppDocument());
        page->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(State().OptionPageOpen);
        QCOMPARE(windowMenu.actions().size(), 1);
        QCOMPARE(windowMenu.actions().first()->text(), QStringLiteral("功能设定"));
        page->CommandClose->click();
        QVERIFY(!State().OptionPageOpen);
        QVERIFY(windowMenu.actions().isEmpty());
    }

    void helpOpensTopic()
    {
        TestEnvironment env;
        FormOption page(AppDocument());
        page.CommandHelp->click();
        QVERIFY(HelpWindow());
        QVERIFY(HelpWindow()->source().toString().endsWith(QStringLiteral("optfeatures.htm")));
        HelpWindow()->close();
    }
};

QTEST_MAIN(TestFormOption)
#include "test_form_option.moc"
