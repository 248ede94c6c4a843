#pragma once
// TAVRORefundPaymentViewController: the refund flow's review screen, where the merchant enters the
// refund amount and confirms it. It reads the refund request from the session's refund
// sub-session. Make with NSObject::create<TAVRORefundPaymentViewController>(). Main thread only.

#include "TavroMerchantSDK/screens/TavroBaseViewController.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVRORefundPaymentViewController : public TavroBaseViewController {
public:
    explicit TAVRORefundPaymentViewController(std::optional<std::string> nibName = std::nullopt,
                                              std::shared_ptr<platform::Bundle> nibBundle = nullptr);
};

} // namespace tavro
