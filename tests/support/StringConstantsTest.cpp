#include "TavroMerchantSDK/support/StringConstants.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(StringConstants, FixedTextsAreExact)
{
    using S = StringConstants;
    const std::pair<const std::string&, const char*> fixed[] = {
        {S::CHANGE_CARDS_CONTROLLER(), "ChangeCardTableViewController"},
        {S::ICON_NAVIGATION_BACK(), "icon_left_arrow"},
        {S::LAST_FOUR_DIGITS_CANNOT_BE_EMPTY(), "Last four digits of the card cannot be empty"},
        {S::LAST_FOUR_DIGITS_MANDATORY(), "Last Four digits of the card number should contain only four digits"},
        {S::LAST_FOUR_SHOULD_BE_NUMERIC(), "Card last 4 should be numeric"},
        {S::PAYLOAD_FORMAT_INDICATOR_NOT_VALID(), "Payload format indicator not valid"},
        {S::MERCHANT_ID_NOT_VALID(), "Merchant ID not valid"},
        {S::MERCHANT_NAME_NOT_VALID(), "Merchant name not valid"},
        {S::MERCHANT_CATEGORY_CODE_NOT_VALID(), "Merchant category code not valid"},
        {S::CITY_NAME_NOT_VALID(), "City name not valid"},
        {S::COUNTRY_CODE_NOT_VALID(), "Country code not valid"},
        {S::CURRENCY_CODE_NOT_VALID(), "Currency code not valid"},
        {S::TIP_INDICATOR_NOT_VALID(), "Tip indicator not valid"},
        {S::TIP_AMOUNT_NOT_VALID(), "Tip amount not valid"},
        {S::TIP_PERCENTAGE_NOT_VALID(), "Tip percentage not valid"},
        {S::POSTAL_CODE_NOT_VALID(), "Postal code not valid"},
        {S::CURRENCY_CODE_INVALID_LENGTH(), "Currency code must be 3 characters long"},
        {S::CURRENCY_CODE_INVALID_FORMAT(), "Invalid currency code format. Currency code must be in integer format"},
        {S::CURRENCY_CODE_IS_NOT_PRESENT(), "Currency code is not present"},
        {S::CURRENCY_CODE_INVALID_ISO_FORMAT(), "Currency Code is not in ISO format"},
        {S::CARDHOLDER_INVALID(), "Cardholder name is invalid"},
        {S::REFUND_AMOUNT_INVALID(), "Refund amount is invalid"},
        {S::LIST_ITEM_CHANGE_CARD_CELL(), "ChangeCardTableViewCell"},
        {S::MASTERCARD_PREFIX(), "Master Card "},
        {S::RUPAY_PREFIX(), "Rupay "},
        {S::RID_CHANGE_CARD_CELL(), "kChangeCardCell"},
        {S::REVIEW_PAYMENT_TIPS(), "Add Tip"},
        {S::REVIEW_PAYMENT_REFUND_AMOUNT(), "Refund Amount"},
        {S::SUMMARY_TITLE(), "Summary"},
        {S::kPay(), "Pay"},
        {S::kRefund(), "Refund"},
        {S::SESSION_TIMEOUT_NOTIFICATION(), "TAVROSessionTimeOut"},
    };
    for (const auto& [constant, text] : fixed)
        EXPECT_EQ(constant, text);

    // A private name in reverse-domain form.
    const auto& touch = S::SESSION_TOUCH_EVENT_OCCURRED();
    EXPECT_TRUE(touch.starts_with("com.")) << touch;
    EXPECT_EQ(touch.find(' '), std::string::npos);
    EXPECT_NE(touch, S::SESSION_TIMEOUT_NOTIFICATION());
}

TEST(StringConstants, LocalisedConstantsReadTheStringsTable)
{
    EXPECT_EQ(StringConstants::TAVRO_OK(), "OK");
    EXPECT_EQ(StringConstants::REVIEW_PAYMENT_PAY(), "Pay");
    EXPECT_EQ(StringConstants::MERCHANT_ID(), "Merchant ID");
    EXPECT_EQ(StringConstants::AGENT_ID(), "Agent ID");
    EXPECT_NE(StringConstants::SCAN_TO_PAY_TITLE(), "SCAN_TO_PAY_TITLE");
    EXPECT_NE(StringConstants::TAVRO_CARD_TITLE().find("[Four Digit]"), std::string::npos);
    // Read twice: the one text kept since the first access.
    EXPECT_EQ(&StringConstants::TAVRO_SEARCH(), &StringConstants::TAVRO_SEARCH());
}

} // namespace
} // namespace tavro
