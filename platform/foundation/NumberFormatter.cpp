#include "platform/foundation/NumberFormatter.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/IcuText.h"
#include "platform/foundation/IcuNumberFormat.h"

#include <unicode/dcfmtsym.h>

#include <cmath>

namespace platform {

namespace {

constexpr int kMaximumFractionDigits = 20;

using text::detail::toUtf8;

bool isValidFractionDigits(const std::optional<int>& digits, const char* what)
{
    if (!digits || (*digits >= 0 && *digits <= kMaximumFractionDigits))
        return true;
    debugLog(std::string("NumberFormatter: ") + what + " " + std::to_string(*digits) +
             " is outside 0..20; kept the previous value");
    return false;
}

std::string symbolOf(const std::shared_ptr<const IcuNumberFormat>& format,
                     icu::DecimalFormatSymbols::ENumberFormatSymbol plain,
                     icu::DecimalFormatSymbols::ENumberFormatSymbol monetary, bool isCurrency)
{
    if (!format)
        return {};
    return format->with([&](const icu::DecimalFormat& f) {
        return toUtf8(f.getDecimalFormatSymbols()->getSymbol(isCurrency ? monetary : plain));
    });
}

} // namespace

NumberFormatter::NumberFormatter() = default;
NumberFormatter::NumberFormatter(const NumberFormatter&) = default;
NumberFormatter& NumberFormatter::operator=(const NumberFormatter&) = default;
NumberFormatter::~NumberFormatter() = default;

void NumberFormatter::setNumberStyle(NumberStyle style)
{
    m_style = style;
    invalidate();
}

void NumberFormatter::setLocale(std::optional<Locale> locale)
{
    m_locale = std::move(locale);
    invalidate();
}

void NumberFormatter::setCurrencyCode(std::optional<std::string> code)
{
    if (code) {
        bool threeLetters = code->size() == 3;
        for (char c : *code)
            threeLetters = threeLetters && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
        if (!threeLetters) {
            debugLog("NumberFormatter: currency code \"" + *code + "\" is not three letters; kept the previous one");
            return;
        }
    }
    m_currencyCode = std::move(code);
    invalidate();
}

void NumberFormatter::setCurrencySymbol(std::optional<std::string> symbol)
{
    m_currencySymbol = std::move(symbol);
    invalidate();
}

void NumberFormatter::setMinimumFractionDigits(std::optional<int> digits)
{
    if (!isValidFractionDigits(digits, "minimumFractionDigits"))
        return;
    m_minimumFractionDigits = digits;
    invalidate();
}

void NumberFormatter::setMaximumFractionDigits(std::optional<int> digits)
{
    if (!isValidFractionDigits(digits, "maximumFractionDigits"))
        return;
    m_maximumFractionDigits = digits;
    invalidate();
}

void NumberFormatter::setRoundingMode(NumberRoundingMode mode)
{
    m_roundingMode = mode;
    invalidate();
}

void NumberFormatter::setUsesGroupingSeparator(std::optional<bool> uses)
{
    m_usesGroupingSeparator = uses;
    invalidate();
}

void NumberFormatter::setGroupingSeparator(std::optional<std::string> separator)
{
    m_groupingSeparator = std::move(separator);
    invalidate();
}

void NumberFormatter::setDecimalSeparator(std::optional<std::string> separator)
{
    m_decimalSeparator = std::move(separator);
    invalidate();
}

std::shared_ptr<const IcuNumberFormat> NumberFormatter::resolved() const
{
    if (m_resolved && m_locale)
        return m_resolved;
    NumberFormatSettings settings;
    settings.style = static_cast<int>(m_style);
    settings.icuLocale = (m_locale ? *m_locale : Locale::current()).icuName();
    settings.currencyCode = m_currencyCode;
    settings.currencySymbol = m_currencySymbol;
    settings.minimumFractionDigits = m_minimumFractionDigits;
    settings.maximumFractionDigits = m_maximumFractionDigits;
    settings.roundingMode = static_cast<int>(m_roundingMode);
    settings.usesGroupingSeparator = m_usesGroupingSeparator;
    settings.groupingSeparator = m_groupingSeparator;
    settings.decimalSeparator = m_decimalSeparator;
    m_resolved = IcuNumberFormat::forSettings(settings);
    return m_resolved;
}

std::string NumberFormatter::currencyCode() const
{
    auto format = resolved();
    if (!format)
        return m_currencyCode.value_or("");
    return format->with([](const icu::DecimalFormat& f) {
        const char16_t* code = f.getCurrency();
        return code ? toUtf8(icu::UnicodeString(code)) : std::string();
    });
}

std::string NumberFormatter::currencySymbol() const
{
    if (m_currencySymbol)
        return *m_currencySymbol;
    using S = icu::DecimalFormatSymbols;
    return symbolOf(resolved(), S::kCurrencySymbol, S::kCurrencySymbol, true);
}

int NumberFormatter::minimumFractionDigits() const
{
    auto format = resolved();
    return format ? format->with([](const icu::DecimalFormat& f) { return f.getMinimumFractionDigits(); })
                  : m_minimumFractionDigits.value_or(0);
}

int NumberFormatter::maximumFractionDigits() const
{
    auto format = resolved();
    return format ? format->with([](const icu::DecimalFormat& f) { return f.getMaximumFractionDigits(); })
                  : m_maximumFractionDigits.value_or(0);
}

bool NumberFormatter::usesGroupingSeparator() const
{
    auto format = resolved();
    return format ? format->with([](const icu::DecimalFormat& f) { return static_cast<bool>(f.isGroupingUsed()); })
                  : m_usesGroupingSeparator.value_or(m_style != NumberStyle::none);
}

std::string NumberFormatter::groupingSeparator() const
{
    using S = icu::DecimalFormatSymbols;
    return symbolOf(resolved(), S::kGroupingSeparatorSymbol, S::kMonetaryGroupingSeparatorSymbol,
                    m_style == NumberStyle::currency);
}

std::string NumberFormatter::decimalSeparator() const
{
    using S = icu::DecimalFormatSymbols;
    return symbolOf(resolved(), S::kDecimalSeparatorSymbol, S::kMonetarySeparatorSymbol,
                    m_style == NumberStyle::currency);
}

std::optional<std::string> NumberFormatter::string(double number) const
{
    auto format = resolved();
    if (!format)
        return std::nullopt;
    return format->with([number](const icu::DecimalFormat& f) -> std::optional<std::string> {
        icu::UnicodeString out;
        UErrorCode status = U_ZERO_ERROR;
        f.format(number, out, nullptr, status);
        if (U_FAILURE(status))
            return std::nullopt;
        return toUtf8(out);
    });
}

std::optional<double> NumberFormatter::number(std::string_view text) const
{
    auto format = resolved();
    if (!format || text.empty())
        return std::nullopt;
    auto input = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    return format->with([&](const icu::DecimalFormat& f) -> std::optional<double> {
        icu::Formattable result;
        icu::ParsePosition position(0);
        f.parse(input, result, position);
        if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
            return std::nullopt;
        UErrorCode status = U_ZERO_ERROR;
        double value = result.getDouble(status);
        if (U_FAILURE(status) || !std::isfinite(value))
            return std::nullopt;
        return value;
    });
}

} // namespace platform
