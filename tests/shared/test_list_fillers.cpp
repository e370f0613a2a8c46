#include "interface_language.h"
#include "list_fillers.h"
#include "shared_state.h"
#include "test_support.h"

#include <QComboBox>
#include <QTest>

using namespace t40;

namespace {
QStringList Items(void (*fill)(QComboBox*), bool english, const QString& separator = QStringLiteral("."))
{
    test::TestEnvironment env;
    SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
    State().DecimalSeparator = separator;
    QComboBox box;
    box.addItem(QStringLiteral("kept"));
    fill(&box);
    QStringList items;
    for (int i = 1; i < box.count(); ++i) // the filler appends without clearing
        items << box.itemText(i);
    if (box.itemText(0) != QStringLiteral("kept"))
        items.prepend(QStringLiteral("CLEARED"));
    return items;
}
} // namespace

class TestListFillers : public QObject {
    Q_OBJECT
private slots:
    void lists_data()
    {
        QTest::addColumn<int>("filler");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("busy en") << 0 << true << "." << QStringList { "None", "Carrier", "QT/DQT" };
        QTest::newRow("busy zh") << 0 << false << "." << QStringList { "关", "载波", "QT/DQT" };
        QTest::newRow("spacing en") << 1 << true << "." << QStringList { "12.5K(Narrow)", "25K(Wide)" };
        QTest::newRow("spacing en comma") << 1 << true << "," << QStringList { "12,5K(Narrow)", "25K(Wide)" };
        QTest::newRow("spacing zh") << 1 << false << "." << QStringList { "12.5K(窄带)", "25K(宽带)" };
        QTest::newRow("scan add en") << 2 << true << "." << QStringList { "Add", "Delete" };
        QTest::newRow("scan add zh") << 2 << false << "." << QStringList { "添加", "删除" };
        QTest::newRow("power en") << 3 << true << "." << QStringList { "Low", "Middle", "High" };
        QTest::newRow("power zh") << 3 << false << "." << QStringList { "低", "中", "高" };
        QTest::newRow("numbers") << 4 << false << "." << QStringList { "1", "2", "3", "4", "5", "6", "7", "8" };
    }
    void lists()
    {
        QFETCH(int, filler);
        QFETCH(bool, english);
        QFETCH(QString, separator);
        QFETCH(QStringList, expected);
        void (*fillers[])(QComboBox*) = { FillBusyLockList, FillSpacingList, FillScanAddList, FillPowerList,
                                          FillNumberList };
        QCOMPARE(Items(fillers[filler], english, separator), expected);
    }
};

QTEST_MAIN(TestListFillers)
#include "test_list_fillers.moc"
