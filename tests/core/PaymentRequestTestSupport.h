#pragma once
// Requests shared by the payment-request tests.

#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include <memory>

namespace coretest {

// A request that passes every field rule: no tip rule (the tip trio present and empty).
inline std::shared_ptr<tavro::TavroPaymentRequest> validRequest()
{
    return platform::NSObject::create<tavro::TavroPaymentRequest>(
        "01", "11", "4123456784", "Corner Cafe", "5812", "Pune", "IN", "356", "", "", "", "411001", "", "", "", "");
}

// A merchant dictionary that passes every field rule and the payload validator.
inline platform::AnyValue::Dictionary validDictionary()
{
    return {{"00", "01"},  {"01", "11"}, {"02", "4123456784"},  {"52", "5812"},
            {"53", "356"}, {"58", "IN"}, {"59", "Corner Cafe"}, {"60", "Pune"}};
}

// The merchant dictionary whose encoding is "000201010212020841234567530335663042DEB".
inline platform::AnyValue::Dictionary shortMerchantDictionary()
{
    return {{"00", "01"}, {"01", "12"}, {"02", "41234567"}, {"53", "356"}};
}

} // namespace coretest
