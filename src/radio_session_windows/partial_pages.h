#pragma once

#include <functional>

class QWidget;

namespace t40 {

class RadioDocument;

// The pages of radio memory outside the image: each reads its range from the
// radio first and opens its page only when that read completed. afterRead
// runs when the read has completed, as after every read from the radio.
void OpenDealerInformation(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead = {});
void OpenStunKill(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead = {});
void OpenSpecialOption(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead = {});

} // namespace t40
