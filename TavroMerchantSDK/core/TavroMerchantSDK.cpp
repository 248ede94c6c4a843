#include "TavroMerchantSDK/core/TavroMerchantSDK.h"

namespace tavro {

void TavroMerchantSDK::setupOneTimeConfiguration(const std::shared_ptr<TavroConfig>& config)
{
    TavroSession::sharedSession()->setConfiguration(config);
}

void TavroMerchantSDK::endTavroFlow(std::function<void()> completion)
{
    TavroSession::sharedSession()->dismissSDKWindow(std::move(completion));
}

} // namespace tavro
