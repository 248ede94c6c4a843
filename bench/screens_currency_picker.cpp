// Speed of the currency picker's search: one keystroke filters the 177 currencies of both
// sections and reloads the table, before anything is rendered.

#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UITextField.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace tavro;

// What a merchant types and deletes, one keystroke per entry.
constexpr std::array<const char*, 14> kKeystrokes = {"u",  "us",  "usd",  "us",    "u",      "",  "d",
                                                     "do", "dol", "doll", "dolla", "dollar", "r", ""};

struct OpenPicker {
    platform::TestEnvironment environment;
    std::shared_ptr<TAVROCurrencySelectionView> picker;
    std::shared_ptr<platform::UITextField> field;

    OpenPicker()
    {
        platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory());
        // Two recently used currencies, so both sections are searched.
        KCurrencyData::shared()->increaseCurrencyCount("978");
        KCurrencyData::shared()->increaseCurrencyCount("840");
        picker = platform::NSObject::create<TAVROCurrencySelectionView>(platform::UIScreen::main()->bounds());
        picker->layoutIfNeeded();
        field = platform::NSObject::create<platform::UITextField>();
    }
    ~OpenPicker() { platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory()); }

    void keystroke(std::size_t index)
    {
        field->setText(std::string(kKeystrokes[index % kKeystrokes.size()]));
        picker->textFieldDidChange(*field);
    }
};

// The editing-changed action alone: filter both lists, reload the table's counts and heights.
void BM_pickerKeystrokeFilter(benchmark::State& state)
{
    OpenPicker open;
    std::size_t next = 0;
    for (auto _ : state) {
        open.keystroke(next++);
        benchmark::DoNotOptimize(open.picker->filteredCurrenciesArr().data());
    }
}
BENCHMARK(BM_pickerKeystrokeFilter);

// The same, then the layout pass that makes the visible rows' cells (still no drawing).
void BM_pickerKeystrokeFilterAndLayout(benchmark::State& state)
{
    OpenPicker open;
    std::size_t next = 0;
    for (auto _ : state) {
        open.keystroke(next++);
        open.picker->layoutIfNeeded();
    }
}
BENCHMARK(BM_pickerKeystrokeFilterAndLayout);

} // namespace
