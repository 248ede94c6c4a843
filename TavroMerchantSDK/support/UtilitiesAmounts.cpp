// Amount formatting and entry parsing of Utilities.

#include "TavroMerchantSDK/support/Utilities.h"

#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "platform/foundation/Text.h"

#include <charconv>
#include <limits>

namespace tavro {

namespace {

// The whitespace set of amount trimming, UTF-8 encoded: the tab and the Unicode space
// separators (Zs), among them the no-break spaces that locales put between symbol and number.
constexpr std::string_view kBlanks[] = {
    "\t",     " ",      "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004",
    "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", "\u202F", "\u205F", "\u3000",
};

// Removes one blank character from the end, then one from the start.
std::string trimOneBlankAtEachEnd(std::string text)
{
    for (auto blank : kBlanks) {
        if (text.ends_with(blank)) {
            text.erase(text.size() - blank.size());
            break;
        }
    }
    for (auto blank : kBlanks) {
        if (text.starts_with(blank)) {
            text.erase(0, blank.size());
            break;
        }
    }
    return text;
}

// The digits read as a number of minor units with `fractionDigits` digits after the point,
// rounded once to the nearest double; the largest finite double when they spell more.
double minorUnitsAmount(std::string digits, int fractionDigits)
{
    if (digits.empty())
        return 0;
    if (fractionDigits > 0) {
        const auto size = static_cast<std::size_t>(fractionDigits);
        if (digits.size() <= size)
            digits.insert(0, size - digits.size() + 1, '0');
        digits.insert(digits.size() - size, 1, '.');
    }
    double amount = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), amount);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<double>::max();
    return amount;
}

// -0 is shown as zero, not with a minus sign.
double withoutNegativeZero(double amount)
{
    return amount == 0 ? 0.0 : amount;
}

} // namespace

ISOCurrencyComponents Utilities::getISOCurrencyComponents(double amount, std::string_view currencyCode)
{
    auto formatting = currencyFormatting(currencyCode);
    auto formatted = formatting->formatter->string(withoutNegativeZero(amount));
    if (!formatted)
        return {};
    const auto& [symbol, isoCurrency] = formatting->symbol;
    if (symbol.empty() || isoCurrency.empty())
        return {};
    return {isoCurrency, trimOneBlankAtEachEnd(replacingOccurrences(*formatted, symbol, ""))};
}

std::string Utilities::currencyString(double amount, std::string_view currencyCode)
{
    return currencyFormatting(currencyCode)->formatter->string(withoutNegativeZero(amount)).value_or("");
}

CurrencyEntry Utilities::getCurrency(const std::optional<std::string>& text)
{
    const auto formatting = currencyFormatting(activeCurrencyCode());
    const auto& formatter = *formatting->formatter;

    std::string digits;
    for (char c : text.value_or("0")) {
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    }
    const double amount = minorUnitsAmount(std::move(digits), formatter.minimumFractionDigits());
    return {formatter.string(amount).value_or(""), amount};
}

std::string Utilities::removingGroupingSeparator(std::string_view text, std::string_view currencyCode)
{
    const auto formatting = currencyFormatting(currencyCode);
    return replacingOccurrences(text, formatting->formatter->groupingSeparator(), "");
}

std::optional<std::string> Utilities::plainAmountText(const std::optional<std::string>& text,
                                                      std::string_view currencyCode)
{
    if (!text)
        return std::nullopt;
    const auto formatting = currencyFormatting(currencyCode);
    const auto& formatter = *formatting->formatter;
    auto plain = replacingOccurrences(platform::text::trimWhitespace(*text), formatter.groupingSeparator(), "");
    const auto decimalSeparator = formatter.decimalSeparator();
    if (decimalSeparator != ".") {
        // A point left over is not this locale's decimal separator: the text is not its amount.
        if (plain.find('.') != std::string::npos)
            return std::nullopt;
        plain = replacingOccurrences(plain, decimalSeparator, ".");
    }
    if (!platform::text::isPlainDecimal(plain))
        return std::nullopt;
    return plain;
}

double Utilities::amountFromLocalizedText(const std::optional<std::string>& text, std::string_view currencyCode)
{
    const auto plain = plainAmountText(text, currencyCode);
    return plain ? platform::text::parseDecimal(*plain).value_or(0) : 0;
}

} // namespace tavro
