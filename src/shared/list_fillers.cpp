#include "list_fillers.h"

#include "shared_state.h"

#include <QComboBox>

namespace t40 {

void FillBusyLockList(QComboBox* list)
{
    list->addItem(Lang("None", "关"));
    list->addItem(Lang("Carrier", "载波"));
    list->addItem(QStringLiteral("QT/DQT"));
}

void FillSpacingList(QComboBox* list)
{
    const QString& sep = State().DecimalSeparator;
    list->addItem(QStringLiteral("12") + sep + Lang("5K(Narrow)", "5K(窄带)"));
    list->addItem(Lang("25K(Wide)", "25K(宽带)"));
}

void FillScanAddList(QComboBox* list)
{
    list->addItem(Lang("Add", "添加"));
    list->addItem(Lang("Delete", "删除"));
}

void FillPowerList(QComboBox* list)
{
    list->addItem(Lang("Low", "低"));
    list->addItem(Lang("Middle", "中"));
    list->addItem(Lang("High", "高"));
}

void FillNumberList(QComboBox* list)
{
    for (int n = 1; n <= 8; ++n)
        list->addItem(QString::number(n));
}

} // namespace t40
