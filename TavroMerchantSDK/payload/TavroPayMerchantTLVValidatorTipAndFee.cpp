// The tip-or-convenience indicator ("55") and the two fee fields it governs ("56", "57").

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "platform/foundation/Text.h"

#include <optional>

namespace tavro {

using namespace validator_text;
using Codes = TavroErrorConstants;

namespace {

// The three kinds of indicator: "01" tip (no fee field), "02" fixed fee (the amount, no
// percentage), "03" percentage fee (the percentage).
enum class TipAndFeeIndicatorType { Tip, Fee, Percentage };

std::optional<TipAndFeeIndicatorType> indicatorType(const std::string& indicator)
{
    // Digits have no case, so ASCII text matches only exactly; other text takes the comparison
    // that folds case and canonical forms.
    const bool ascii = platform::text::isAscii(indicator);
    const auto matches = [&](std::string_view raw) { return ascii ? indicator == raw : isEqualTo(indicator, raw); };
    if (matches("01"))
        return TipAndFeeIndicatorType::Tip;
    if (matches("02"))
        return TipAndFeeIndicatorType::Fee;
    if (matches("03"))
        return TipAndFeeIndicatorType::Percentage;
    return std::nullopt;
}

} // namespace

void TavroPayMerchantTLVValidator::validateTipAndFeeIndicator(const TavroPayMerchantTLV& model)
{
    const OptionalText& indicator = model.tipAndFeeIndicator();
    const OptionalText& feeAmount = model.convenienceFeeAmount();
    const OptionalText& feePercentage = model.convenienceFeePercentage();

    if (!indicator) {
        if (feeAmount)
            addErrorCode(Codes::tipAndFeeIndicatorInvalidTagsPresent);
        if (feePercentage)
            addErrorCode(Codes::tipAndFeeIndicatorInvalidTagsPresent);
        return;
    }
    const auto type = indicatorType(*indicator);
    if (!type) {
        addErrorCode(Codes::tipAndFeeIndicatorInvalidCriteria);
        if (indicator->empty())
            addErrorCode(Codes::tipAndFeeIndicatorTagPresentWithoutValue);
        return;
    }
    switch (*type) {
    case TipAndFeeIndicatorType::Tip:
        if (feeAmount)
            addErrorCode(Codes::tipAndFeeIndicatorInvalidTagsPresent);
        if (feePercentage)
            addErrorCode(Codes::tipAndFeeIndicatorInvalidTagsPresent);
        break;
    case TipAndFeeIndicatorType::Fee:
        if (!feeAmount)
            addErrorCode(Codes::convenienceInvalidTagPresent);
        else
            validateConvenienceFeeAmount(*feeAmount);
        if (feePercentage)
            addErrorCode(Codes::convenienceInvalidTagPresent);
        break;
    case TipAndFeeIndicatorType::Percentage:
        if (feePercentage)
            validateConveniencePercentage(*feePercentage);
        else if (!feeAmount)
            addErrorCode(Codes::convenienceInvalidTagPresent);
        else if (!model.payloadFormatIndicator()) // a legacy payload
            addErrorCode(Codes::convenienceFeePercentageInvalidTagPresent);
        else
            addErrorCode(Codes::convenienceInvalidTagPresent);
        break;
    }
}

void TavroPayMerchantTLVValidator::validateConvenienceFeeAmount(const std::string& amount)
{
    if (!lengthInRange(amount, 1, 13))
        addErrorCode(Codes::convenienceFeeAmountInvalidLength);
    if (!isPositiveAmount(amount))
        addErrorCode(Codes::convenienceFeeAmountIncorrectValue);
    if (amount.empty())
        addErrorCode(Codes::convenienceFeeTagPresentWithoutValue);
}

void TavroPayMerchantTLVValidator::validateConveniencePercentage(const std::string& percentage)
{
    if (!lengthInRange(percentage, 1, 5))
        addErrorCode(Codes::convenienceFeePercentageInvalidLength);
    if (containsLetter(percentage) || containsOtherThanDigitsAndPeriod(percentage)) {
        addErrorCode(Codes::convenienceFeePercentageIncorrectValue);
    } else if (!percentage.empty()) {
        const auto value = plainDecimalValue(percentage);
        if (!value || *value < 0.01 || *value > 99.99)
            addErrorCode(Codes::convenienceFeePercentageIncorrectValue);
    }
    if (percentage.empty())
        addErrorCode(Codes::convenienceFeePercentageTagPresentWithoutValue);
}

} // namespace tavro
