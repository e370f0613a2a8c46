#include "partial_session.h"

#include "form_process.h"
#include "shared_state.h"

namespace t40 {

bool RunSession(QWidget* parent, const SessionRequest& request, const std::function<void()>& afterRead)
{
    FormProcess session(request, QString(), parent);
    if (afterRead)
        QObject::connect(&session, &FormProcess::radioRead, &session, afterRead);
    session.exec();
    return session.SessionSucceeded();
}

SessionRequest PartialRequest(const RadioDocument& document, SessionKind kind, Direction direction)
{
    return SessionRequest { kind, direction, document.band().lowMHz };
}

} // namespace t40
