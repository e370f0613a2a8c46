#include "interface_language.h"
#include "data_file.h"
#include "form_embed_message.h"
#include "form_key_setting.h"
#include "form_option.h"
#include "form_scan_information.h"
#include "memory_map.h"
#include "page_factories.h"
#include "page_test_helpers.h"
#include "radio_functions.h"
#include "shared_state.h"
#include "test_support.h"
#include "window_menu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace t40;
using namespace t40::test;

namespace {
bool LoadTemplateInto(RadioDocument& document, const QString& path)
{
    RadioImage image;
    const bool loaded = LoadTemplate(path, image) == TemplateStatus::Ok;
    document.replaceImage(image, false);
    return loaded;
}
} // namespace

// The four radio-function pages as the main window hosts them.
class TestFunctionPages : public QObject {
    Q_OBJECT
private slots:
    void factoryImageDecodesWithoutRepair_data()
    {
        QTest::addColumn<int>("pageId");
        QTest::newRow("optional features") << int(OptionPageId);
        QTest::newRow("keys") << int(KeyPageId);
        QTest::newRow("scan") << int(ScanPageId);
        QTest::newRow("embedded message") << int(MessagePageId);
    }
    void factoryImageDecodesWithoutRepair()
    {
        QFETCH(int, pageId);
        TestEnvironment env;
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Init.dat");
        QVERIFY(LoadTemplateInto(AppDocument(), path));
        const RadioImage factory = AppDocument().memory();
        std::unique_ptr<PageWindow> page(CreatePage(pageId));
        QVERIFY(page);
        QCOMPARE(ChangedBytes(factory, AppDocument().memory()), QList<int>());
        page->RefreshAfterRead();
        QCOMPARE(ChangedBytes(factory, AppDocument().memory()), QList<int>());
    }

    void factoryImageShowsItsDefaults()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        QVERIFY(LoadTemplateInto(AppDocument(), QCoreApplication::applicationDirPath() + QStringLiteral("/Init.dat")));
        FormOption option(AppDocument());
        QCOMPARE(option.ComboTOT->currentText(), QStringLiteral("180"));
        QCOMPARE(option.ComboSQ->currentText(), QStringLiteral("3"));
        QVERIFY(!option.CheckVox->isChecked());
        QVERIFY(option.CheckSave->isChecked());
        FormKeySetting keys(AppDocument());
        QCOMPARE(keys.ComboKeySet[0]->currentText(), QStringLiteral("Scan"));
        FormScanInformation scan(AppDocument());
        for (int offset : { MemoryMap::LookBackTimeA, MemoryMap::LookBackTimeB, MemoryMap::DropoutDelay, MemoryMap::TransmitDwell })
            QVERIFY(ScanTimeIndex(AppDocument().byte(offset)) >= 0);
        FormEmbedMessage message(AppDocument());
        QVERIFY(message.TextEmbedMessage[0]->text().isEmpty());
    }

    // A change made elsewhere (another window, an undo) shows on the open page.
    void followsChangesMadeElsewhere_data()
    {
        QTest::addColumn<int>("pageId");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown"); // list position
        QTest::newRow("squelch") << int(OptionPageId) << int(FieldId::SquelchLevel) << 7 << 7;
        QTest::newRow("PF2 monitor") << int(KeyPageId) << int(FieldId::KeyPf2) << 3 << 2;
        QTest::newRow("look-back time A") << int(ScanPageId) << int(FieldId::LookBackTimeA) << 20 << 2;
    }
    void followsChangesMadeElsewhere()
    {
        QFETCH(int, pageId);
        QFETCH(int, field);
        QFETCH(int, value);
        QFETCH(int, shown);
        TestEnvironment env;
        QVERIFY(LoadTemplateInto(AppDocument(), QCoreApplication::applicationDirPath() + QStringLiteral("/Init.dat")));
        std::unique_ptr<PageWindow> page(CreatePage(pageId));
        QComboBox* list = pageId == OptionPageId ? static_cast<FormOption*>(page.get())->ComboSQ
            : pageId == KeyPageId                ? static_cast<FormKeySetting*>(page.get())->ComboKeySet[1]
                                                 : static_cast<FormScanInformation*>(page.get())->ComboScanBackTime[0];
        QVERIFY(list->currentIndex() != shown);
        QVERIFY(AppDocument().setValue(FieldId(field), value));
        QCOMPARE(list->currentIndex(), shown);
    }

    void windowMenuAndChildWindowState()
    {
        TestEnvironment env;
        SetInterfaceLanguage(QLocale::English);
        QMenu windowMenu;
        State().WindowMenuHandle = &windowMenu;
        QMdiArea area;
        area.resize(900, 700);
        area.show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));

        QList<QMdiSubWindow*> subs;
        for (int id : { OptionPageId, KeyPageId, ScanPageId, MessagePageId }) {
            PageWindow* page = CreatePage(id);
            QVERIFY(page);
            page->setAttribute(Qt::WA_DeleteOnClose);
            QMdiSubWindow* sub = area.addSubWindow(page);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            sub->show();
            subs.append(sub);
        }
        QVERIFY(State().OptionPageOpen && State().KeyPageOpen && State().ScanPageOpen && State().MessagePageOpen);
        QStringList captions;
        for (QAction* action : windowMenu.actions())
            captions.append(action->text());
        QCOMPARE(captions, (QStringList { "Function Setup", "Key Setting", "Scan Information", "Embedded Message" }));

        // Activating a page moves the Window-menu check to it.
        area.setActiveSubWindow(subs[1]);
        QTRY_VERIFY(windowMenu.actions()[1]->isChecked());
        QVERIFY(!windowMenu.actions()[0]->isChecked());

        subs[2]->showMaximized();
        QCOMPARE(State().ChildWindowState, 2);
        subs[2]->showNormal();
        QCOMPARE(State().ChildWindowState, 0);

        // Closing the frame closes the page with its entry and flag.
        subs[3]->close();
        QTRY_VERIFY(!State().MessagePageOpen);
        QCOMPARE(windowMenu.actions().size(), 3);
        subs[0]->close();
        QTRY_VERIFY(!State().OptionPageOpen);
        QCOMPARE(windowMenu.actions().size(), 2);
    }
};

QTEST_MAIN(TestFunctionPages)
#include "test_function_pages.moc"
