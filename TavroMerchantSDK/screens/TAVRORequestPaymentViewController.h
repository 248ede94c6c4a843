#pragma once
// TAVRORequestPaymentViewController: the first screen of the request-payment flow, the one a
// customer scans. It reads everything it shows from the session's request sub-session.
// Make with NSObject::create<TAVRORequestPaymentViewController>(). Main thread only.

#include "platform/foundation/Bundle.h"
#include "platform/ui/UIViewController.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVRORequestPaymentViewController : public platform::UIViewController {
public:
    explicit TAVRORequestPaymentViewController(std::optional<std::string> nibName = std::nullopt,
                                               std::shared_ptr<platform::Bundle> nibBundle = nullptr);
};

} // namespace tavro
