#include "TavroMerchantSDK/Common/CellView/PastedAmount.h"

#include "TavroMerchantSDK/Common/CellView/PastedAmountFormat.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UITextFieldTextRange.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace tavro {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isDigit));
}

} // namespace

bool isWholeAmountPaste(std::string_view replacement)
{
    return !std::all_of(replacement.begin(), replacement.end(), isDigit);
}

bool enteredDigitsFit(std::string_view shown, platform::NSRange range, std::string_view entered, int digitLimit)
{
    const auto limit = static_cast<std::size_t>(std::max(digitLimit, 0));
    if (entered.size() == 1)
        return digitCount(shown) <= limit;
    // The field puts the paste at the range and the row re-formats what that leaves: that amount decides.
    const auto edited = platform::replaceUtf16Range(shown, range, entered);
    return digitCount(Utilities::getCurrency(edited).text) <= limit + 1;
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
