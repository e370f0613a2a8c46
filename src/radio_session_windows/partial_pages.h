#pragma once

class QWidget;

namespace t40 {

// The pages of radio memory outside the image: each reads its range from the
// radio first and opens its page only when that read completed.
void OpenDealerInformation(QWidget* parent);
void OpenStunKill(QWidget* parent);
void OpenSpecialOption(QWidget* parent);

} // namespace t40
