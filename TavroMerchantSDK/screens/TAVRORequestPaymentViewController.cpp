#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"

namespace tavro {

TAVRORequestPaymentViewController::TAVRORequestPaymentViewController(std::optional<std::string> nibName,
                                                                     std::shared_ptr<platform::Bundle> nibBundle)
    : platform::UIViewController(std::move(nibName), std::move(nibBundle))
{
}

} // namespace tavro
