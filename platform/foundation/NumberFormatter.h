#pragma once
// NumberFormatter: locale-aware formatting and parsing of numbers (plain, decimal and currency
// styles) through ICU. Settings left unset take the locale's and style's defaults; the ICU
// formatter behind each distinct set of settings is built once per process and shared, so
// making a NumberFormatter per call is cheap.

#include "platform/foundation/Locale.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class IcuNumberFormat;

enum class NumberStyle {
    none = 0,     // integer digits only, no grouping: "1234"
    decimal = 1,  // the locale's grouping and up to three fraction digits: "1,234.568"
    currency = 2, // the locale's currency pattern and its currency's fraction digits: "$1,234.57"
};

enum class NumberRoundingMode { ceiling = 0, floor = 1, down = 2, up = 3, halfEven = 4, halfDown = 5, halfUp = 6 };

class NumberFormatter {
public:
    NumberFormatter();
    NumberFormatter(const NumberFormatter&);
    NumberFormatter& operator=(const NumberFormatter&);
    ~NumberFormatter();

    NumberStyle numberStyle() const { return m_style; }
    void setNumberStyle(NumberStyle style);

    // The locale set; nullopt means Locale::current() at the time of formatting.
    const std::optional<Locale>& locale() const { return m_locale; }
    void setLocale(std::optional<Locale> locale);

    // ISO 4217 code of the currency; by default the locale's (empty when it has none). Setting
    // one also takes that currency's symbol and fraction digits. A code that is not three letters
    // is a misuse (one debug line, previous state kept).
    std::string currencyCode() const;
    void setCurrencyCode(std::optional<std::string> code);

    // The symbol written for the currency; by default the currency's symbol in the locale.
    std::string currencySymbol() const;
    void setCurrencySymbol(std::optional<std::string> symbol);

    // Fraction digits, 0 to 20; by default those of the style (and of the currency for currency
    // style). An explicit minimum above the maximum raises the maximum.
    int minimumFractionDigits() const;
    void setMinimumFractionDigits(std::optional<int> digits);
    int maximumFractionDigits() const;
    void setMaximumFractionDigits(std::optional<int> digits);

    NumberRoundingMode roundingMode() const { return m_roundingMode; }
    void setRoundingMode(NumberRoundingMode mode);

    // Grouping is on by default for decimal and currency styles, off for none.
    bool usesGroupingSeparator() const;
    void setUsesGroupingSeparator(std::optional<bool> uses);
    std::string groupingSeparator() const;
    void setGroupingSeparator(std::optional<std::string> separator);
    std::string decimalSeparator() const;
    void setDecimalSeparator(std::optional<std::string> separator);

    // The formatted text; nullopt when ICU cannot format.
    std::optional<std::string> string(double number) const;
    // The number that the whole text spells in this format; nullopt when it does not parse
    // entirely.
    std::optional<double> number(std::string_view text) const;

private:
    std::shared_ptr<const IcuNumberFormat> resolved() const;
    void invalidate() { m_resolved.reset(); }

    NumberStyle m_style = NumberStyle::none;
    std::optional<Locale> m_locale;
    std::optional<std::string> m_currencyCode;
    std::optional<std::string> m_currencySymbol;
    std::optional<int> m_minimumFractionDigits;
    std::optional<int> m_maximumFractionDigits;
    NumberRoundingMode m_roundingMode = NumberRoundingMode::halfEven;
    std::optional<bool> m_usesGroupingSeparator;
    std::optional<std::string> m_groupingSeparator;
    std::optional<std::string> m_decimalSeparator;

    mutable std::shared_ptr<const IcuNumberFormat> m_resolved;
};

} // namespace platform
