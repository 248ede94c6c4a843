// Labels holding a very long name, from 100 KB to 1 MB, of five shapes: one word, words with spaces,
// one-letter lines, letters between tabs, and one letter under a single cluster of combining accents.
// Measuring and drawing a label whose lines are limited costs what its few lines cost, not what the
// whole text costs.
#include "platform/graphics/ImageContext.h"
#include "platform/ui/UILabel.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace platform;

namespace {

constexpr double kWidth = 238; // an alert's message width
constexpr double kTall = 400;  // the height an alert's message may take

enum Shape { kWord, kWords, kLines, kTabs, kGrapheme };

std::string longName(std::size_t bytes, int shape)
{
    const char* pieces[] = {"RaviKumarSa", "Ravi Kumar ", "A\n", "a\t", "\u0301"};
    std::string name = shape == kGrapheme ? "a" : "";
    name.reserve(bytes + 16);
    while (name.size() < bytes) {
        name += pieces[shape];
    }
    name.resize(shape == kGrapheme ? bytes - (bytes - 1) % 2 : bytes);
    return name;
}

std::shared_ptr<UILabel> makeLabel(const benchmark::State& state, int lines)
{
    auto label = NSObject::create<UILabel>(CGRect{0, 0, kWidth, kTall});
    label->setFont(UIFont::systemFont(13));
    label->setNumberOfLines(lines);
    label->setLineBreakMode(NSLineBreakMode::byWordWrapping);
    label->setText(longName(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1))));
    return label;
}

void sizes(benchmark::internal::Benchmark* bench)
{
    for (int shape : {kWord, kWords, kLines, kTabs, kGrapheme}) {
        for (long bytes : {100L << 10, 200L << 10, 400L << 10, 800L << 10, 1L << 20}) {
            bench->Args({bytes, shape});
        }
    }
    bench->ArgNames({"bytes", "shape"})->Unit(benchmark::kMillisecond);
}

// Two lines at the alert's width, as a row's description label is measured.
void BM_TwoLineLabelSizeThatFits(benchmark::State& state)
{
    auto label = makeLabel(state, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(label->sizeThatFits({kWidth, 1e6}));
    }
}
BENCHMARK(BM_TwoLineLabelSizeThatFits)->Apply(sizes);

// No line limit, but only the height it is given: the alert's message.
void BM_HeightLimitedLabelTextRect(benchmark::State& state)
{
    auto label = makeLabel(state, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(label->textRect({0, 0, kWidth, kTall}, 0));
    }
}
BENCHMARK(BM_HeightLimitedLabelTextRect)->Apply(sizes);

// Drawing the height-limited label: the same cut as measuring.
void BM_HeightLimitedLabelDraw(benchmark::State& state)
{
    auto label = makeLabel(state, 0);
    UIGraphicsBeginImageContextWithOptions({kWidth, kTall}, false, 1);
    auto context = UIGraphicsGetCurrentContext();
    for (auto _ : state) {
        label->draw(*context, label->bounds());
    }
    UIGraphicsEndImageContext();
}
BENCHMARK(BM_HeightLimitedLabelDraw)->Apply(sizes);

// One line: its natural width is the whole text's, so the whole text is laid out (without wrapping).
void BM_SingleLineLabelIntrinsicSize(benchmark::State& state)
{
    auto label = makeLabel(state, 1);
    for (auto _ : state) {
        label->invalidateIntrinsicContentSize();
        benchmark::DoNotOptimize(label->intrinsicContentSize());
    }
}
BENCHMARK(BM_SingleLineLabelIntrinsicSize)->Apply(sizes);

} // namespace
