#pragma once
// TAVRORequestPaymentDetailsViewController: the additional-details editor of the request-payment
// flow, pushed by the QR screen's details button. Make with
// NSObject::create<TAVRORequestPaymentDetailsViewController>(). Main thread only.

#include "TavroMerchantSDK/screens/TavroBaseViewController.h"

namespace tavro {

class TAVRORequestPaymentDetailsViewController : public TavroBaseViewController {
public:
    TAVRORequestPaymentDetailsViewController() = default;
};

} // namespace tavro
