// Speed of the additional-details editor as the merchant uses it: one keystroke in the amount
// field, one tap on a switch and one scroll step of the form, each up to the next rendered frame,
// at scale 2 through the UI driver.

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIWindow.h"

#include <benchmark/benchmark.h>

using namespace tavro;
using platform::NSObject;

namespace {

// The request-payment flow with its editor open, in a window at 375 x 667, scale 2.
struct OpenEditor {
    platform::UIDriver driver;
    std::shared_ptr<platform::UIWindow> host = NSObject::create<platform::UIWindow>();
    std::shared_ptr<TAVRORequestPaymentDetailsViewController> editor;

    OpenEditor()
    {
        host->setRootViewController(NSObject::create<platform::UIViewController>());
        host->makeKeyAndVisible();
        driver.runUntilIdle();
        TavroMerchantSDK::launchRequestPaymentFlow(
            NSObject::create<TavroPaymentRequest>("01", "11", "4123456784", "Corner Cafe", "5812", "Pune", "IN", "356",
                                                  "", "", "", "411001", "", "", "", ""),
            [](bool, auto, auto) {});
        driver.advanceBy(TavroWindow::animationTime + 0.01);
        driver.tap("Payment_Details_Button");
        driver.advanceBy(0.5);
        auto navigation = std::dynamic_pointer_cast<platform::UINavigationController>(
            TavroSession::sharedSession()->sdkWindow()->rootViewController());
        editor = std::dynamic_pointer_cast<TAVRORequestPaymentDetailsViewController>(navigation->topViewController());
    }
    ~OpenEditor()
    {
        editor.reset();
        TavroMerchantSDK::endTavroFlow();
        driver.advanceBy(TavroWindow::animationTime + 0.5);
    }
    platform::UIImagePtr frame() { return driver.render(TavroSession::sharedSession()->sdkWindow()); }
};

// A digit, then a deletion, each followed by the frame that shows it.
void BM_editorAmountKeystrokeToFrame(benchmark::State& state)
{
    OpenEditor open;
    if (!open.editor || !open.driver.focus(open.editor->scrollView()->amountCellView()->inputTextField())) {
        state.SkipWithError("the editor's amount field could not be focused");
        return;
    }
    open.driver.type("25");
    bool digit = true;
    for (auto _ : state) {
        if (digit)
            open.driver.type("5");
        else
            open.driver.backspace();
        digit = !digit;
        benchmark::DoNotOptimize(open.frame());
    }
}
BENCHMARK(BM_editorAmountKeystrokeToFrame)->Unit(benchmark::kMillisecond);

// A tap on a switch of the form (through the application's event dispatch), the row opening or
// closing to its end, then the frame that shows it.
void BM_editorSwitchTapToFrame(benchmark::State& state)
{
    OpenEditor open;
    auto toggle = open.driver.find("storeIDSwitch");
    if (!open.editor || !toggle) {
        state.SkipWithError("the editor did not open");
        return;
    }
    for (auto _ : state) {
        open.driver.tap(toggle);
        open.driver.advanceBy(0.5);
        benchmark::DoNotOptimize(open.frame());
    }
}
BENCHMARK(BM_editorSwitchTapToFrame)->Unit(benchmark::kMillisecond);

// One finger step of 12 points down or up the form, then the frame that shows it.
void BM_editorScrollStepToFrame(benchmark::State& state)
{
    OpenEditor open;
    if (!open.editor) {
        state.SkipWithError("the editor did not open");
        return;
    }
    // The form as it opens (every switch row closed) is about 220 points taller than its view:
    // 18 steps down, 18 steps up.
    const auto& form = open.editor->scrollView();
    int step = 0;
    for (auto _ : state) {
        form->userScroll({0, (step++ / 18) % 2 ? -12.0 : 12.0});
        open.driver.runUntilIdle();
        benchmark::DoNotOptimize(open.frame());
    }
}
BENCHMARK(BM_editorScrollStepToFrame)->Unit(benchmark::kMillisecond);

} // namespace
