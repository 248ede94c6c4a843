#include "TavroMerchantSDK/core/TavroSessionState.h"

#include "platform/foundation/ResetForTesting.h"

namespace tavro {

TavroSessionState& TavroSessionState::shared()
{
    static TavroSessionState state;
    static const bool registered = [] {
        platform::registerResetForTesting(&TavroSessionState::resetForTesting);
        return true;
    }();
    (void)registered;
    return state;
}

void TavroSessionState::resetForTesting()
{
    shared() = TavroSessionState();
}

} // namespace tavro
