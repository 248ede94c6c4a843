// One keystroke in the amount row: the platform's edit, the text-change handling (owner-less
// validation, digit limit, re-format in the active currency), a layout pass and a render of the
// row at scale 2. Keystrokes alternate between a digit and a backspace, so the text stays short.
#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"
#include "platform/render/Renderer.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <benchmark/benchmark.h>

using platform::CGRect;
using platform::NSObject;

namespace {

void BM_AmountRowKeystroke(benchmark::State& state)
{
    platform::UIDriver driver;
    auto window = NSObject::create<platform::UIWindow>();
    window->setRootViewController(NSObject::create<platform::UIViewController>());
    auto row = NSObject::create<tavro::TAVROAmountCellView>(CGRect(0, 0, 375, 100));
    row->setTitleString("Request Amount");
    window->rootViewController()->view()->addSubview(row);
    window->makeKeyAndVisible();
    driver.runUntilIdle();
    auto field = row->inputTextField();
    field->userBeginEditing();
    field->userInsertText("7");
    bool typeDigit = true;
    for (auto _ : state) {
        const bool changed = typeDigit ? field->userInsertText("5") : field->userDeleteBackward();
        typeDigit = !typeDigit;
        row->setNeedsLayout();
        row->layoutIfNeeded();
        auto image = platform::Renderer::renderView(row, 2);
        benchmark::DoNotOptimize(changed);
        benchmark::DoNotOptimize(image);
    }
    state.counters["text_length"] = static_cast<double>(field->text().size());
}
BENCHMARK(BM_AmountRowKeystroke)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
