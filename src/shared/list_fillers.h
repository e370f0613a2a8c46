#pragma once

class QComboBox;

namespace t40 {

// Each appends its items in the order whose list position is the stored value.
void FillBusyLockList(QComboBox* list);
void FillSpacingList(QComboBox* list);
void FillScanAddList(QComboBox* list);
void FillPowerList(QComboBox* list);
void FillNumberList(QComboBox* list);

} // namespace t40
