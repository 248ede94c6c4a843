// A tap on a button inside a scroll view, finger down and up through the application's event
// dispatch as a host delivers it: hit testing, the scroll view's gesture recognizers and the
// button's tracking and action. No layout or rendering.
#include "platform/testing/TouchInjection.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UIWindow.h"

#include <benchmark/benchmark.h>

using platform::CGRect;
using platform::NSObject;

namespace {

void BM_TapOnButtonInScrollView(benchmark::State& state)
{
    platform::UIDriver driver;
    auto window = NSObject::create<platform::UIWindow>();
    window->setRootViewController(NSObject::create<platform::UIViewController>());
    auto form = NSObject::create<platform::UIScrollView>(CGRect(0, 0, 375, 600));
    form->setContentSize({375, 2000});
    window->rootViewController()->view()->addSubview(form);
    auto button = NSObject::create<platform::UIButton>(CGRect(20, 300, 200, 44));
    form->addSubview(button);
    long taps = 0;
    button->addAction([&taps](platform::UIControl&) { ++taps; }, platform::UIControlEvents::touchUpInside);
    window->makeKeyAndVisible();
    driver.runUntilIdle();
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::injectTap(window, {120, 322}, 0));
    }
    state.counters["taps"] = static_cast<double>(taps);
}
BENCHMARK(BM_TapOnButtonInScrollView)->Unit(benchmark::kMicrosecond);

} // namespace
