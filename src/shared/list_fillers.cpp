#include "list_fillers.h"

#include "shared_state.h"

#include <QComboBox>

namespace t40 {

QStringList BusyLockTexts() { return { Lang("None", "关"), Lang("Carrier", "载波"), QStringLiteral("QT/DQT") }; }

QStringList SpacingTexts()
{
    const QString& sep = State().DecimalSeparator;
    return { QStringLiteral("12") + sep + Lang("5K(Narrow)", "5K(窄带)"), Lang("25K(Wide)", "25K(宽带)") };
}

QStringList ScanAddTexts() { return { Lang("Add", "添加"), Lang("Delete", "删除") }; }
QStringList PowerTexts() { return { Lang("Low", "低"), Lang("Middle", "中"), Lang("High", "高") }; }

void FillBusyLockList(QComboBox* list) { list->addItems(BusyLockTexts()); }
void FillSpacingList(QComboBox* list) { list->addItems(SpacingTexts()); }
void FillScanAddList(QComboBox* list) { list->addItems(ScanAddTexts()); }
void FillPowerList(QComboBox* list) { list->addItems(PowerTexts()); }

void FillNumberList(QComboBox* list)
{
    for (int n = 1; n <= 8; ++n)
        list->addItem(QString::number(n));
}

} // namespace t40
