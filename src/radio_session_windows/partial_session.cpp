#include "partial_session.h"

#include "form_process.h"

namespace t40 {

bool RunPartialSession(QWidget* parent, bool read, bool SharedState::*kind)
{
    SharedState& s = State();
    s.SessionSucceeded = false;
    s.SessionIsRead = read;
    s.SessionTune = s.SessionDealerInfo = s.SessionSpecial = s.SessionDtmf = false;
    s.*kind = true;
    {
        FormProcess session(parent);
        session.exec();
    }
    return State().SessionSucceeded;
}

} // namespace t40
