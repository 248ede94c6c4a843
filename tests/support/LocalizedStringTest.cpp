#include "FrameworkBundleFixture.h"

#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/StringsFile.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(LocalizedString, ReadsTheFrameworkTableAndFallsBackToTheKey)
{
    // Compiled into the library: no directory to lose when the install moves.
    EXPECT_EQ(frameworkBundle()->bundlePath(), "embedded:/TavroMerchantSDK.bundle");
    EXPECT_EQ(localizedString("TAVRO_OK", ""), "OK");
    EXPECT_EQ(localizedString("REQUEST_PAYMENT_TITLE", "screen title"), "Request Payment");
    // A key without an entry comes back unchanged, although the default value is empty.
    EXPECT_EQ(localizedString("NO_SUCH_KEY_ANYWHERE", ""), "NO_SUCH_KEY_ANYWHERE");
    EXPECT_EQ(localizedString("", ""), "");

    // Looked up anew on every call.
    {
        testing::ScopedFrameworkStrings strings("\"TAVRO_OK\" = \"Fine\";");
        EXPECT_EQ(localizedString("TAVRO_OK", ""), "Fine");
        EXPECT_EQ(localizedString("Request Amount", ""), "Request Amount");
    }
    EXPECT_EQ(localizedString("TAVRO_OK", ""), "OK");
}

TEST(LocalizedString, AnchorClassChoosesTheBundle)
{
    struct Anchor {};
    testing::ScopedFrameworkStrings strings("\"TAVRO_OK\" = \"Anchored\";");
    auto anchoredBundle = frameworkBundle();
    platform::Bundle::registerClassBundle(std::type_index(typeid(Anchor)), anchoredBundle);
    registerFrameworkBundleAnchor(typeid(Anchor));
    platform::Bundle::registerClassBundle(kFrameworkBundleAnchorClassName, nullptr);
    EXPECT_EQ(localizedString("TAVRO_OK", ""), "Anchored");

    // Without a registration of its own the anchor, a class of the framework's namespace, belongs
    // to the framework bundle.
    platform::Bundle::registerClassBundle(std::type_index(typeid(Anchor)), nullptr);
    EXPECT_EQ(frameworkBundle(), platform::Bundle::framework());
    EXPECT_EQ(localizedString("TAVRO_OK", ""), "OK");
    registerFrameworkBundleAnchor(std::nullopt);

    // With no registrations at all the lookup would give the host's main bundle; the framework
    // bundle is used instead.
    platform::Bundle::clearClassRegistrations();
    EXPECT_EQ(frameworkBundle(), platform::Bundle::framework());
    EXPECT_EQ(localizedString("TAVRO_OK", ""), "OK");
    registerFrameworkClasses();
}

TEST(LocalizedString, LocalisedConstantKeepsItsFirstText)
{
    {
        testing::ScopedFrameworkStrings strings("\"TAVRO_CONTINUE\" = \"Go on\";");
        EXPECT_EQ(StringConstants::TAVRO_CONTINUE(), "Go on");
    }
    testing::ScopedFrameworkStrings strings("\"TAVRO_CONTINUE\" = \"Proceed\";");
    EXPECT_EQ(localizedString("TAVRO_CONTINUE", ""), "Proceed");
    EXPECT_EQ(StringConstants::TAVRO_CONTINUE(), "Go on");
    EXPECT_EQ(&StringConstants::TAVRO_CONTINUE(), &StringConstants::TAVRO_CONTINUE());
}

TEST(LocalizedString, BundleTableHasEveryKeyTheFrameworkLooksUp)
{
    auto path = frameworkBundle()->pathForResource("Localizable", "strings");
    ASSERT_EQ(path, "embedded:/TavroMerchantSDK.bundle/en.lproj/Localizable.strings");
    platform::DebugLogCapture log;
    auto table = platform::loadStringsFile(*path);
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(log.lines().empty());

    const char* keys[] = {
        "SCAN_TO_PAY_TITLE",
        "TAVRO_SEARCH",
        "TAVRO_SESSION_TIMEOUT_DIALOG",
        "TAVRO_OK",
        "TAVRO_DONE_TITLE",
        "REQUEST_PAYMENT_WITH_PAYMENT_DETAILS",
        "CONFIRM_PAYMENT_TITLE",
        "REVIEW_PAYMENT_PAY",
        "REVIEW_PAYMENT_CHANGE",
        "REQUEST_FLOW_PAYMENT_DETAIL",
        "CHANGE_CARD_TITLE",
        "ADDITIONAL_LIMIT_GSM_ERROR",
        "REVIEW_PAYMENT_REQUIRED",
        "REVIEW_PAYMENT_OPTIONAL",
        "REVIEW_PAYMENT_ADDITIONAL_AMOUNT",
        "REVIEW_PAYMENT_TOTAL_AMOUNT",
        "CONFIRM_PAYMENT_SUMMARY_DESCRIPTION",
        "CONFIRM_PAYMENT_SUMMARY_DESCRIPTION1",
        "REVIEW_PAYMENT_ORIGINAL_TRANSACTION",
        "REVIEW_PAYMENT_TOTAL_AFTER_REFUND",
        "TAVRO_CARD_TITLE",
        "REQUEST_PAYMENT_TITLE",
        "REVIEW_PAYMENT_REFUND_TITLE",
        "CONFIRM_REFUND_TITLE",
        "CONFIRM_REFUND_MESSAGE",
        "TAVRO_CANCEL",
        "TAVRO_CONTINUE",
        "Merchant ID",
        "Agent ID",
        "Pay [currency] [amount]",
        "Refund [currency] [amount]",
        "Invalid [Default Label]",
        "Invalid Tip",
        "Request Amount",
        "Additional Settings",
        "Reset",
        "Bill Number",
        "Mobile Number",
        "Store ID",
        "Loyalty Number",
        "Reference ID",
        "Consumer ID",
        "Terminal ID",
        "Purpose",
        "UPDATE",
        "Address",
        "Email",
        "Set [Default Label]",
        "If [Default Label] is not set, customer will have to enter it when they are paying from their app.",
        "Optional Note",
        "Add Tip",
        "Refund Amount",
        "Summary",
    };
    for (const char* key : keys) {
        ASSERT_TRUE(table->contains(key)) << key;
        EXPECT_FALSE(table->at(key).empty()) << key;
    }
    // Translations keep the placeholders the code fills in.
    const std::pair<const char*, std::vector<const char*>> placeholders[] = {
        {"Pay [currency] [amount]", {"[currency]", "[amount]"}},
        {"Refund [currency] [amount]", {"[currency]", "[amount]"}},
        {"Invalid [Default Label]", {"[Default Label]"}},
        {"Set [Default Label]", {"[Default Label]"}},
        {"TAVRO_CARD_TITLE", {"[Bank Name]", "[Network Name]", "[Four Digit]"}},
        {"CONFIRM_REFUND_MESSAGE", {"[%name]", "[%value]"}},
        {"CONFIRM_PAYMENT_SUMMARY_DESCRIPTION", {"[data]", "[merchant name]", "[network]"}},
    };
    for (const auto& [key, wanted] : placeholders) {
        for (const char* placeholder : wanted)
            EXPECT_NE(table->at(key).find(placeholder), std::string::npos) << key << " " << placeholder;
    }
}

} // namespace
} // namespace tavro
