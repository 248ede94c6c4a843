#pragma once
// Named texts shared across the framework: localisation keys resolved to their localised text
// once, at first access (never refreshed), and fixed English texts, resource names and
// notification names. Every constant is created once, on first access, safely against
// concurrent first use.

#include <string>
#include <string_view>

namespace tavro {

struct StringConstants {
    StringConstants() = delete;

    // --- localised: the text of the key of the same name ---
    static const std::string& SCAN_TO_PAY_TITLE();
    static const std::string& TAVRO_SEARCH();
    static const std::string& TAVRO_SESSION_TIMEOUT_DIALOG();
    static const std::string& TAVRO_OK();
    static const std::string& TAVRO_DONE_TITLE();
    static const std::string& REQUEST_PAYMENT_WITH_PAYMENT_DETAILS();
    static const std::string& CONFIRM_PAYMENT_TITLE();
    static const std::string& REVIEW_PAYMENT_PAY();
    static const std::string& REVIEW_PAYMENT_CHANGE();
    static const std::string& REQUEST_FLOW_PAYMENT_DETAIL();
    static const std::string& CHANGE_CARD_TITLE();
    static const std::string& ADDITIONAL_LIMIT_GSM_ERROR();
    static const std::string& REVIEW_PAYMENT_REQUIRED();
    static const std::string& REVIEW_PAYMENT_OPTIONAL();
    static const std::string& REVIEW_PAYMENT_ADDITIONAL_AMOUNT();
    static const std::string& REVIEW_PAYMENT_TOTAL_AMOUNT();
    static const std::string& CONFIRM_PAYMENT_SUMMARY_DESCRIPTION();
    static const std::string& CONFIRM_PAYMENT_SUMMARY_DESCRIPTION1();
    static const std::string& REVIEW_PAYMENT_ORIGINAL_TRANSACTION();
    static const std::string& REVIEW_PAYMENT_TOTAL_AFTER_REFUND();
    static const std::string& TAVRO_CARD_TITLE();
    static const std::string& REQUEST_PAYMENT_TITLE();
    static const std::string& REVIEW_PAYMENT_REFUND_TITLE();
    static const std::string& CONFIRM_REFUND_TITLE();
    static const std::string& CONFIRM_REFUND_MESSAGE();
    static const std::string& TAVRO_CANCEL();
    static const std::string& TAVRO_CONTINUE();

    // --- localised: the text of the key given beside them ---
    static const std::string& MERCHANT_ID(); // "Merchant ID"
    static const std::string& AGENT_ID();    // "Agent ID"

    // --- fixed texts ---
    static const std::string& CHANGE_CARDS_CONTROLLER();
    static const std::string& ICON_NAVIGATION_BACK();
    static const std::string& LAST_FOUR_DIGITS_CANNOT_BE_EMPTY();
    static const std::string& LAST_FOUR_DIGITS_MANDATORY();
    static const std::string& LAST_FOUR_SHOULD_BE_NUMERIC();
    static const std::string& PAYLOAD_FORMAT_INDICATOR_NOT_VALID();
    static const std::string& MERCHANT_ID_NOT_VALID();
    static const std::string& MERCHANT_NAME_NOT_VALID();
    static const std::string& MERCHANT_CATEGORY_CODE_NOT_VALID();
    static const std::string& CITY_NAME_NOT_VALID();
    static const std::string& COUNTRY_CODE_NOT_VALID();
    static const std::string& CURRENCY_CODE_NOT_VALID();
    static const std::string& TIP_INDICATOR_NOT_VALID();
    static const std::string& TIP_AMOUNT_NOT_VALID();
    static const std::string& TIP_PERCENTAGE_NOT_VALID();
    static const std::string& POSTAL_CODE_NOT_VALID();
    // "Payload field <name> not valid": a request field without a rule of its own whose text is
    // not valid UTF-8 or holds a control character.
    static std::string PAYLOAD_FIELD_NOT_VALID(std::string_view fieldName);
    static const std::string& CURRENCY_CODE_INVALID_LENGTH();
    static const std::string& CURRENCY_CODE_INVALID_FORMAT();
    static const std::string& CURRENCY_CODE_IS_NOT_PRESENT();
    static const std::string& CURRENCY_CODE_INVALID_ISO_FORMAT();
    // These two are kept for hosts that name them; no refund reports them, since every code of
    // the ISO table has an amount format.
    static const std::string& CURRENCY_CODE_NO_MINOR_UNIT();
    static const std::string& CURRENCY_CODE_NOT_SUPPORTED();
    static const std::string& CARDHOLDER_INVALID();
    static const std::string& REFUND_AMOUNT_INVALID();
    // The refusal of a launch given no request at all.
    static const std::string& PAYMENT_REQUEST_MISSING();
    static const std::string& REFUND_REQUEST_MISSING();
    static const std::string& LIST_ITEM_CHANGE_CARD_CELL();
    static const std::string& MASTERCARD_PREFIX(); // "Master Card " (one trailing blank)
    static const std::string& RUPAY_PREFIX();      // "Rupay " (one trailing blank)
    static const std::string& RID_CHANGE_CARD_CELL();
    static const std::string& REVIEW_PAYMENT_TIPS();
    static const std::string& REVIEW_PAYMENT_REFUND_AMOUNT();
    static const std::string& SUMMARY_TITLE();
    static const std::string& kPay();
    static const std::string& kRefund();
    // Private notification posted by the framework window for every event it dispatches.
    static const std::string& SESSION_TOUCH_EVENT_OCCURRED();
    // "TAVROSessionTimeOut", posted to the host when the idle time-out fires.
    static const std::string& SESSION_TIMEOUT_NOTIFICATION();
};

} // namespace tavro
