#pragma once

#include <QStringList>

class QComboBox;

namespace t40 {

// Each appends its items in the order whose list position is the stored value.
void FillBusyLockList(QComboBox* list);
void FillSpacingList(QComboBox* list);
void FillScanAddList(QComboBox* list);
void FillPowerList(QComboBox* list);
void FillNumberList(QComboBox* list);

// The items of those lists in the interface language, for texts outside a list
// (printed reports).
QStringList BusyLockTexts();
QStringList SpacingTexts();
QStringList ScanAddTexts();
QStringList PowerTexts();

} // namespace t40
