#include "plugin.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include <string>

// The framework's requirement travels with its targets: this file is built as C++20 although the
// host's default is C++17.
static_assert(__cplusplus >= 202002L, "the framework's targets carry C++20");

int merchant_plugin_check(void)
{
    const platform::AnyValue::Dictionary tags{{"00", "01"},  {"01", "11"}, {"02", "4111111111111111"}, {"52", "5812"},
                                              {"53", "356"}, {"58", "IN"}, {"59", "Chai Point"},       {"60", "Pune"}};
    if (!tavro::TLVGenerator::tlvValidation(tavro::TLVGenerator::encode(tags)).empty())
        return 1;

    auto request = platform::NSObject::create<tavro::TavroPaymentRequest>(
        "01", "11", "4111111111111111", "", "5812", "Pune", "IN", "356", "", "", "", "", "", "", "", "");
    std::string message;
    tavro::TavroMerchantSDK::launchRequestPaymentFlow(request, [&message](bool, auto, auto error) {
        if (error && !error->errorCodes().empty())
            message = error->errorCodes().front();
    });
    return message.empty() ? 2 : 0;
}
