#pragma once
// Currency-aware text operations of the payment forms: amounts formatted in the locale of an
// ISO 4217 numeric currency code ("356", "840"), typed digits read as minor units, button
// titles and invalid-field messages from localised templates, and the two-part amount label.
// Main thread.

#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/CGFloat.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class UIButton;
class UILabel;
class UITextField;
} // namespace platform

namespace tavro {

struct ISOCurrencyComponents {
    std::string currencyCode;    // alphabetic code ("INR")
    std::string formattedAmount; // the amount without its symbol ("1,00,000.00")
    bool operator==(const ISOCurrencyComponents&) const = default;
};

struct CurrencyEntry {
    std::string text; // the amount formatted with its symbol
    double amount = 0;
};

class Utilities {
public:
    Utilities() = delete;

    // The amount in the currency's format without the symbol (one blank trimmed at each end), and
    // the alphabetic code: ("MVR", "12.50") for a currency written with its code. Two empty texts
    // for a code outside the ISO table, a locale without a symbol, or when formatting fails.
    static ISOCurrencyComponents getISOCurrencyComponents(double amount, std::string_view currencyCode);

    // The amount formatted with its symbol in the currency's format (the current locale and its
    // currency for a code outside the ISO table); "" when formatting fails.
    static std::string currencyString(double amount, std::string_view currencyCode);

    // Reads the ASCII digits of a typed text (absent: "0") as minor units of the session's active
    // currency, like a cash register: "123450" in a two-digit currency is 1234.5. Every other
    // character is ignored. A run of digits too long for a double gives the largest finite
    // amount.
    static CurrencyEntry getCurrency(const std::optional<std::string>& text);

    // The amount that a text shown in the locale of `currencyCode` spells ("1,234.56" for "840";
    // "1.234,56" where the locale groups with "." and writes a decimal comma): the locale's
    // grouping separator is dropped and its decimal separator read as the point. Blanks at both
    // ends are ignored; anything else that is not a digit (a sign, a symbol, a code) makes the
    // text unreadable. 0 for an absent or unreadable text. Every reading of a shown amount goes
    // through here.
    static double amountFromLocalizedText(const std::optional<std::string>& text, std::string_view currencyCode);

    // The same text as plain decimal text with a point ("1 234,56" -> "1234.56" where the locale
    // writes a decimal comma; "1,234.50" -> "1234.50"), the digits kept as shown. Absent when the
    // text is not an amount of that locale. Amounts handed to the host travel in this form.
    static std::optional<std::string> plainAmountText(const std::optional<std::string>& text,
                                                      std::string_view currencyCode);

    // `text` without the grouping separator of `currencyCode`'s locale ("1,234.50" -> "1234.50").
    static std::string removingGroupingSeparator(std::string_view text, std::string_view currencyCode);

    // The pay ("Pay") or refund ("Refund") button title: with a currency, the localised
    // "Pay [currency] [amount]" / "Refund [currency] [amount]" filled in (an absent amount fills
    // "[amount]" with nothing); without one, the localised pay or refund title. "" for other labels.
    static std::string localizedAmountString(std::string_view labelString, const std::optional<std::string>& amount,
                                             const std::optional<std::string>& currency);

    // The message for an invalid field: the localised "Invalid Tip" for the tip label "Add Tip",
    // else the localised "Invalid [Default Label]" with the localised label put in.
    static std::string localizedInvaildString(std::string_view labelString);

    // The text in the bold system font of `fontSize`, single-underlined throughout.
    static platform::NSMutableAttributedString underLineAttributedString(std::string_view text,
                                                                         platform::CGFloat fontSize);

    // The two-part amount label: `string1` (currency) and `string2` (amount) joined by one blank
    // that carries the font of the part before it; the order is reversed when the device
    // language is Arabic. Base size is `fontSize`, or 24 when it is 0. `isTotalAmount`: first part
    // 16 pt, second part the base size; otherwise both half the base size. `isUnderLine`: the
    // whole label single-underlined in the bold system font of half the base size.
    static platform::NSMutableAttributedString attributedString(std::string_view string1, std::string_view string2,
                                                                bool isTotalAmount, bool isUnderLine,
                                                                platform::CGFloat fontSize);

    // Aligns a control for the device language: right when the current locale's language is
    // Arabic, else left (a button through its content alignment, a text field or label through
    // its text alignment). A null control is left alone.
    static void changeContentHorizontalAlignment(const std::shared_ptr<platform::UIButton>& sender);
    static void changeContentHorizontalAlignment(const std::shared_ptr<platform::UITextField>& sender);
    static void changeContentHorizontalAlignment(const std::shared_ptr<platform::UILabel>& sender);
};

} // namespace tavro
