#include "FrameworkBundleFixture.h"

#include "TavroMerchantSDK/support/Utilities.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

using Text = std::optional<std::string>;

TEST(UtilitiesTitles, PayAndRefundTitles)
{
    EXPECT_EQ(Utilities::localizedAmountString("Pay", Text("1,234.50"), Text("INR")), "Pay INR 1,234.50");
    EXPECT_EQ(Utilities::localizedAmountString("Refund", Text("10.00"), Text("USD")), "Refund USD 10.00");
    // Without a currency: the localised titles, whatever the amount.
    EXPECT_EQ(Utilities::localizedAmountString("Pay", Text("5"), std::nullopt), "Pay");
    EXPECT_EQ(Utilities::localizedAmountString("Refund", std::nullopt, std::nullopt), "Refund");
    // Other labels (compared exactly) give nothing.
    EXPECT_EQ(Utilities::localizedAmountString("pay", Text("5"), Text("INR")), "");
    EXPECT_EQ(Utilities::localizedAmountString("Tip", std::nullopt, std::nullopt), "");
    // A currency without an amount leaves no placeholder behind.
    EXPECT_EQ(Utilities::localizedAmountString("Pay", std::nullopt, Text("INR")), "Pay INR ");
}

TEST(UtilitiesTitles, PlaceholdersAreFilledWhereTheTranslationPutsThem)
{
    testing::ScopedFrameworkStrings strings(R"strings(
        "Refund [currency] [amount]" = "[amount] [currency] zurück ([amount])";
        "Invalid [Default Label]" = "[Default Label] ist ungültig";
        "Bill Number" = "Rechnungsnummer";
        "Invalid Tip" = "Trinkgeld ungültig";
    )strings");
    EXPECT_EQ(Utilities::localizedAmountString("Refund", Text("7.00"), Text("EUR")), "7.00 EUR zurück (7.00)");
    EXPECT_EQ(Utilities::localizedInvaildString("Bill Number"), "Rechnungsnummer ist ungültig");
    EXPECT_EQ(Utilities::localizedInvaildString("Add Tip"), "Trinkgeld ungültig");
    // A label without a translation goes in as it is.
    EXPECT_EQ(Utilities::localizedInvaildString("Store ID"), "Store ID ist ungültig");
}

TEST(UtilitiesTitles, InvalidFieldMessages)
{
    EXPECT_EQ(Utilities::localizedInvaildString("Add Tip"), "Invalid Tip");
    EXPECT_EQ(Utilities::localizedInvaildString("Bill Number"), "Invalid Bill Number");
    EXPECT_EQ(Utilities::localizedInvaildString("Some Label"), "Invalid Some Label");
    EXPECT_EQ(Utilities::localizedInvaildString("add tip"), "Invalid add tip");
    // A label that itself holds the placeholder is put in once, not expanded again.
    EXPECT_EQ(Utilities::localizedInvaildString("[Default Label]"), "Invalid [Default Label]");
}

} // namespace
} // namespace tavro
