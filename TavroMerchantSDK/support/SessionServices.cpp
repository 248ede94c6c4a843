#include "TavroMerchantSDK/support/SessionServices.h"

#include "TavroMerchantSDK/support/base/TavroBaseConstants.h"

#include <mutex>

namespace tavro {

namespace {

struct Providers {
    std::mutex mutex;
    ActiveCurrencyCodeProvider activeCurrencyCode;
    ActionButtonColorsProvider actionButtonColors;
};

Providers& providers()
{
    static Providers registered;
    return registered;
}

// A copy of one provider, taken under the lock so it can be called without it.
template <class Provider>
Provider copyOf(Provider Providers::*member)
{
    auto& all = providers();
    std::lock_guard lock(all.mutex);
    return all.*member;
}

template <class Provider>
void install(Provider Providers::*member, Provider provider)
{
    auto& all = providers();
    std::lock_guard lock(all.mutex);
    all.*member = std::move(provider);
}

} // namespace

void registerActiveCurrencyCodeProvider(ActiveCurrencyCodeProvider provider)
{
    install(&Providers::activeCurrencyCode, std::move(provider));
}

std::string activeCurrencyCode()
{
    if (auto provider = copyOf(&Providers::activeCurrencyCode))
        return provider();
    return TavroBaseConstants::defaultTransactionCurrency;
}

void registerActionButtonColorsProvider(ActionButtonColorsProvider provider)
{
    install(&Providers::actionButtonColors, std::move(provider));
}

std::optional<ActionButtonColors> configuredActionButtonColors()
{
    if (auto provider = copyOf(&Providers::actionButtonColors))
        return provider();
    return std::nullopt;
}

} // namespace tavro
