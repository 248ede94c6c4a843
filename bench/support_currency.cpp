// Speed of the currency picker's ordering and of amount formatting.

#include "TavroMerchantSDK/support/KCurrencyData.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/UserDefaults.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavro;

// getCurrencies() with 20 currencies recorded, one of them the recent choice.
void BM_getCurrenciesWith20Recorded(benchmark::State& state)
{
    auto defaults = platform::UserDefaults::inMemory();
    platform::UserDefaults::setStandardForTesting(defaults);
    const auto& table = *kCurrencyTable();
    for (std::size_t row = 0; row < 20; ++row) {
        const auto& code = table[row * 8].at(kCurrencyCodeKey);
        for (std::size_t times = 0; times <= row % 5; ++times)
            KCurrencyData::shared()->increaseCurrencyCount(code);
    }
    for (auto _ : state) {
        auto lists = KCurrencyData::shared()->getCurrencies();
        benchmark::DoNotOptimize(lists);
    }
    platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory());
}
BENCHMARK(BM_getCurrenciesWith20Recorded);

void BM_getISOCurrencyComponents(benchmark::State& state)
{
    const char* codes[] = {"840", "356", "978", "392", "826"};
    std::size_t next = 0;
    double amount = 1234.5;
    for (auto _ : state) {
        auto components = Utilities::getISOCurrencyComponents(amount, codes[next]);
        benchmark::DoNotOptimize(components);
        next = (next + 1) % std::size(codes);
        amount += 0.01;
    }
}
BENCHMARK(BM_getISOCurrencyComponents);

void BM_getCurrencyForTypedText(benchmark::State& state)
{
    const std::optional<std::string> typed("\u20B91,234.507");
    for (auto _ : state) {
        auto entry = Utilities::getCurrency(typed);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_getCurrencyForTypedText);

} // namespace
