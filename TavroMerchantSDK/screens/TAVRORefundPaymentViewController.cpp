#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"

namespace tavro {

TAVRORefundPaymentViewController::TAVRORefundPaymentViewController(std::optional<std::string> nibName,
                                                                   std::shared_ptr<platform::Bundle> nibBundle)
    : TavroBaseViewController(std::move(nibName), std::move(nibBundle))
{
}

} // namespace tavro
