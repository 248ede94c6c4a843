// A label that shrinks its text to fit its width, drawn 1,000 times into one bitmap: the cost of
// drawing a fitted label again when nothing about it changed.
#include "platform/graphics/ImageContext.h"
#include "platform/ui/UILabel.h"

#include <benchmark/benchmark.h>

using namespace platform;

namespace {

void BM_ShrinkToFitLabelDraw1000(benchmark::State& state)
{
    auto label = NSObject::create<UILabel>(CGRect{0, 0, 120, 24});
    label->setText("Merchant name that is far too long for its row");
    label->setFont(UIFont::systemFont(17));
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumScaleFactor(0.3);
    UIGraphicsBeginImageContextWithOptions({120, 24}, false, 2);
    auto context = UIGraphicsGetCurrentContext();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            label->draw(*context, label->bounds());
        }
    }
    UIGraphicsEndImageContext();
}
BENCHMARK(BM_ShrinkToFitLabelDraw1000)->Unit(benchmark::kMillisecond);

} // namespace
