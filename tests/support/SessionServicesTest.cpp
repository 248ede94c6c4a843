#include "TavroMerchantSDK/support/SessionServices.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(SessionServices, ProvidersAnswerUntilRemoved)
{
    EXPECT_EQ(activeCurrencyCode(), "356");
    registerActiveCurrencyCodeProvider([] { return std::string("840"); });
    EXPECT_EQ(activeCurrencyCode(), "840");
    registerActiveCurrencyCodeProvider(nullptr);
    EXPECT_EQ(activeCurrencyCode(), "356");

    EXPECT_FALSE(configuredActionButtonColors().has_value());
    auto blue = platform::UIColor::create(0, 0.243, 0.663);
    registerActionButtonColorsProvider([blue] {
        return ActionButtonColors{blue, platform::UIColor::white(), platform::UIColor::black()};
    });
    auto colors = configuredActionButtonColors();
    ASSERT_TRUE(colors.has_value());
    EXPECT_EQ(colors->actionButtonColor, blue);
    EXPECT_EQ(*colors->actionButtonFontColor, *platform::UIColor::black());
    registerActionButtonColorsProvider(nullptr);
    EXPECT_FALSE(configuredActionButtonColors().has_value());
}

TEST(SessionServices, ProviderMayRegisterAnotherWhileAnswering)
{
    // Providers are called outside the lock, so one that re-registers does not deadlock.
    registerActiveCurrencyCodeProvider([] {
        registerActiveCurrencyCodeProvider([] { return std::string("978"); });
        return std::string("826");
    });
    EXPECT_EQ(activeCurrencyCode(), "826");
    EXPECT_EQ(activeCurrencyCode(), "978");
    registerActiveCurrencyCodeProvider(nullptr);
}

} // namespace
} // namespace tavro
