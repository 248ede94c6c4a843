#include "TavroMerchantSDK/Common/CellView/PastedAmountFormat.h"

#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <iterator>

namespace tavro {

namespace {

// Powers of ten up to here are exact doubles, so the formatter writes all their digits.
constexpr std::size_t kMostFormattedDigits = 22;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The shape of the digits and separators at the start of `text`: "0" for each digit and "," for
// each `separator` ("12,34,567" -> "00,00,000"). Stops at the first other character; `rest` gets
// what is left from there.
std::string groupingShape(std::string_view text, std::string_view separator, std::string_view& rest)
{
    std::string shape;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            shape.push_back('0');
            text.remove_prefix(1);
        } else if (!separator.empty() && text.starts_with(separator)) {
            shape.push_back(',');
            text.remove_prefix(separator.size());
        } else {
            break;
        }
    }
    rest = text;
    return shape;
}

// The shape of a whole text; absent when it holds anything but digits and `separator`.
std::optional<std::string> wholeGroupingShape(std::string_view text, std::string_view separator)
{
    std::string_view rest;
    auto shape = groupingShape(text, separator, rest);
    return rest.empty() ? std::optional<std::string>(std::move(shape)) : std::nullopt;
}

// The shape the formatter writes the integer part of an amount of `digits` digits in, read from
// its own output for a number of that many digits (the first digit to the last digit or
// separator, a separator that ends it dropped).
std::optional<std::string> formattersShape(const platform::NumberFormatter& formatter, std::size_t digits)
{
    if (digits == 0 || digits > kMostFormattedDigits)
        return std::nullopt;
    double number = 1;
    for (std::size_t digit = 1; digit < digits; ++digit)
        number *= 10;
    const auto shown = formatter.string(number);
    if (!shown)
        return std::nullopt;
    const auto first = std::find_if(shown->begin(), shown->end(), isDigit);
    std::string_view rest;
    auto shape =
        groupingShape(std::string_view(*shown).substr(first - shown->begin()), formatter.groupingSeparator(), rest);
    while (shape.ends_with(','))
        shape.pop_back();
    if (static_cast<std::size_t>(std::count(shape.begin(), shape.end(), '0')) != digits)
        return std::nullopt;
    return shape;
}

// Complete three-digit grouping with ",": "0,000,000" for seven digits.
std::string threeDigitShape(std::size_t digits)
{
    std::string shape;
    for (std::size_t left = digits; left > 0; --left) {
        shape.push_back('0');
        if (left > 1 && (left - 1) % 3 == 0)
            shape.push_back(',');
    }
    return shape;
}

// True when `integerPart`, holding `digits` digits and grouping, is grouped as a pasted amount may
// be: where the formatter groups, or in threes with "," beside a decimal point.
bool acceptedGrouping(std::string_view integerPart, std::size_t digits, const platform::NumberFormatter& formatter)
{
    const auto shape = wholeGroupingShape(integerPart, formatter.groupingSeparator());
    if (shape && shape == formattersShape(formatter, digits))
        return true;
    return formatter.decimalSeparator() == "." && wholeGroupingShape(integerPart, ",") == threeDigitShape(digits);
}

bool isNoBreakSpace(std::string_view separator)
{
    return separator == "\u00A0" || separator == "\u202F";
}

} // namespace

std::optional<std::string> plainPastedAmount(std::string_view pasted, std::string_view currencyCode)
{
    const auto formatting = currencyFormatting(currencyCode);
    const auto& formatter = *formatting->formatter;
    const auto grouping = formatter.groupingSeparator();
    const auto decimal = formatter.decimalSeparator();
    if (decimal.empty())
        return std::nullopt;
    auto text = platform::text::trimWhitespace(pasted);
    if (isNoBreakSpace(grouping))
        text = replacingOccurrences(text, " ", grouping);

    std::string_view integerPart = text;
    std::optional<std::string_view> fraction;
    if (const auto at = text.find(decimal); at != std::string::npos) {
        integerPart = integerPart.substr(0, at);
        fraction = std::string_view(text).substr(at + decimal.size());
        if (!std::all_of(fraction->begin(), fraction->end(), isDigit))
            return std::nullopt;
    }
    std::string digits;
    std::copy_if(integerPart.begin(), integerPart.end(), std::back_inserter(digits), isDigit);
    if (digits.size() != integerPart.size() && !acceptedGrouping(integerPart, digits.size(), formatter))
        return std::nullopt;
    auto plain = fraction ? digits + "." + std::string(*fraction) : digits;
    if (!platform::text::isPlainDecimal(plain))
        return std::nullopt;
    return plain;
}

} // namespace tavro
