#include "list_fillers.h"

#include "shared_state.h"
#include "value_texts.h"

#include <QComboBox>

namespace t40 {

QStringList BusyLockTexts() { return ChannelListTexts(ChannelFieldId::BusyLock); }
QStringList SpacingTexts() { return ChannelListTexts(ChannelFieldId::Spacing, State().DecimalSeparator); }
QStringList ScanAddTexts() { return ChannelListTexts(ChannelFieldId::ScanAdd); }
QStringList PowerTexts() { return ChannelListTexts(ChannelFieldId::Power); }

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
