#pragma once

namespace t40 {

// Before a write: lists the channels that break a licence-free service's
// rule and asks; false when the user keeps the data from the radio.
bool ConfirmRuleFindings();

} // namespace t40
