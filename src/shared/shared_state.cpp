#include "shared_state.h"

namespace t40 {

SharedState& State()
{
    static SharedState state;
    return state;
}

RadioDocument& AppDocument()
{
    static RadioDocument document;
    return document;
}

void SharedState::reset()
{
    *this = SharedState();
    AppDocument().reset();
}

} // namespace t40
