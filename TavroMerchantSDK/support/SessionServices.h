#pragma once
// What the reference data reads of the SDK core, reached through providers that the core
// registers at start-up (the core links above this library, so it cannot be called directly).
// Until a provider is registered the defaults below apply. Providers may be registered from any
// thread; they are called on the caller's thread, outside any lock.

#include "platform/graphics/UIColor.h"

#include <functional>
#include <optional>
#include <string>

namespace tavro {

// --- active currency ---

// Returns the session's active ISO 4217 numeric currency code as text ("356").
using ActiveCurrencyCodeProvider = std::function<std::string()>;

// Installs the provider; an empty function restores the default.
void registerActiveCurrencyCodeProvider(ActiveCurrencyCodeProvider provider);

// The registered provider's answer, else TavroBaseConstants::defaultTransactionCurrency ("356").
std::string activeCurrencyCode();

// --- configuration colours ---

// The three flow-button colours of the configuration in force; each is never null when
// provided.
struct ActionButtonColors {
    platform::UIColorPtr actionButtonColor;
    platform::UIColorPtr actionButtonActiveColor;
    platform::UIColorPtr actionButtonFontColor;
};

using ActionButtonColorsProvider = std::function<ActionButtonColors()>;

// Installs the provider; an empty function removes it.
void registerActionButtonColorsProvider(ActionButtonColorsProvider provider);

// The registered provider's answer; nullopt while none is registered (callers then use the
// configuration's documented initial colours).
std::optional<ActionButtonColors> configuredActionButtonColors();

} // namespace tavro
