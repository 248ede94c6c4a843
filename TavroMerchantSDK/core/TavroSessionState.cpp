#include "TavroMerchantSDK/core/TavroSessionState.h"

namespace tavro {

TavroSessionState& TavroSessionState::shared()
{
    static TavroSessionState state;
    return state;
}

} // namespace tavro
