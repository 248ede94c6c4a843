#include "plugin.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "platform/foundation/ManualClock.h"
#include "platform/foundation/RunLoop.h"

#include <memory>
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

int merchant_plugin_run_flow(void)
{
    auto& loop = platform::RunLoop::main();
    if (!std::dynamic_pointer_cast<platform::ManualClock>(loop.clock()))
        loop.setClock(std::make_shared<platform::ManualClock>());
    auto request = platform::NSObject::create<tavro::TavroPaymentRequest>(
        "01", "11", "4111111111111111", "Chai Point", "5812", "Pune", "IN", "356", "", "", "", "", "", "", "", "");
    bool refused = false;
    tavro::TavroMerchantSDK::launchRequestPaymentFlow(request, [&refused](bool, auto, auto) { refused = true; });
    loop.advanceBy(tavro::TavroWindow::animationTime);
    if (refused || request->getTLV().empty())
        return 1;
    bool ended = false;
    tavro::TavroMerchantSDK::endTavroFlow([&ended] { ended = true; });
    loop.advanceBy(tavro::TavroWindow::animationTime);
    return ended ? 0 : 2;
}
