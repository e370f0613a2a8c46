#pragma once

#include "shared_state.h"

class QWidget;

namespace t40 {

// Runs one partial read or write in the session window, the way every caller
// opens it: the direction and the kind flag are set, the window runs modally,
// and the answer is SessionSucceeded.
bool RunPartialSession(QWidget* parent, bool read, bool SharedState::*kind);

} // namespace t40
