#include "TavroMerchantSDK/Common/CellView/PastedAmount.h"

#include "TavroMerchantSDK/Common/CellView/PastedAmountFormat.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UITextField.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace tavro {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool isWholeAmountPaste(std::string_view replacement)
{
    return !std::all_of(replacement.begin(), replacement.end(), isDigit);
}

bool enteredDigitsFit(std::size_t digitsShown, std::string_view entered, int digitLimit)
{
    return digitsShown + entered.size() <= static_cast<std::size_t>(std::max(digitLimit, 0)) + 1;
}

bool pasteWholeAmount(platform::UITextField& field, std::string_view pasted, std::string_view currencyCode,
                      int digitLimit)
{
    const auto plain = plainPastedAmount(pasted, currencyCode);
    if (!plain)
        return false;
    const int fractionDigits = currencyFractionDigits(currencyCode);
    const auto amount = truncatedPlainDecimal(*plain, fractionDigits);
    if (!amount)
        return false;
    // "12.50" is typed as 1, 2, 5, 0.
    std::string minorUnits;
    std::copy_if(amount->begin(), amount->end(), std::back_inserter(minorUnits), isDigit);
    if (minorUnits.size() > static_cast<std::size_t>(std::max(digitLimit, 0)) + 1)
        return false;
    field.setText(minorUnits);
    platform::NotificationCenter::defaultCenter().post(platform::UITextFieldTextDidChange,
                                                       field.sharedFromThis<platform::UITextField>());
    return true;
}

} // namespace tavro
