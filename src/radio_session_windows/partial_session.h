#pragma once

#include "programming_session.h"

#include <functional>

class QWidget;

namespace t40 {

class RadioDocument;

// Runs one session in the session window, modally, the way every opener does:
// afterRead (when given) runs once a read has completed, before the window
// closes. Gives whether the run completed.
bool RunSession(QWidget* parent, const SessionRequest& request, const std::function<void()>& afterRead = {});

// A partial session of the given kind for the document's band.
SessionRequest PartialRequest(const RadioDocument& document, SessionKind kind, Direction direction);

} // namespace t40
