#include "shared_state.h"

namespace t40 {

SharedState& State()
{
    static SharedState state;
    return state;
}

} // namespace t40
