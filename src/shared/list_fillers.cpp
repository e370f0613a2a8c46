#include "list_fillers.h"

#include "shared_state.h"

#include <QCoreApplication>
#include <QComboBox>

namespace t40 {

QStringList BusyLockTexts() { return { QCoreApplication::translate("t40::ListFillers", "None"), QCoreApplication::translate("t40::ListFillers", "Carrier"), QStringLiteral("QT/DQT") }; }

QStringList SpacingTexts()
{
    const QString& sep = State().DecimalSeparator;
    return { QStringLiteral("12") + sep + QCoreApplication::translate("t40::ListFillers", "5K(Narrow)"), QCoreApplication::translate("t40::ListFillers", "25K(Wide)") };
}

QStringList ScanAddTexts() { return { QCoreApplication::translate("t40::ListFillers", "Add"), QCoreApplication::translate("t40::ListFillers", "Delete") }; }
QStringList PowerTexts() { return { QCoreApplication::translate("t40::ListFillers", "Low"), QCoreApplication::translate("t40::ListFillers", "Middle"), QCoreApplication::translate("t40::ListFillers", "High") }; }

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
