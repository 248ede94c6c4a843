#pragma once
// TavroRequestPaymentResponse: the response type of the request-payment result; it carries
// nothing, since that flow reports only validation failures. Held by std::shared_ptr.

#include "platform/foundation/NSObject.h"

namespace tavro {

class TavroRequestPaymentResponse : public platform::NSObject {
public:
    TavroRequestPaymentResponse() = default;
};

} // namespace tavro
