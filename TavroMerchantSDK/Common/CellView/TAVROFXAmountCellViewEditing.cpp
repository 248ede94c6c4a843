// Typing into the FX amount row: the owner's verdict, the digit limit, the re-format and reports.

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"

#include "TavroMerchantSDK/Common/CellView/PastedAmount.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/ui/UITextField.h"

#include <algorithm>

namespace tavro {

namespace {

std::size_t digitCount(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; }));
}

} // namespace

std::optional<std::string> TAVROFXAmountCellView::fieldText() const
{
    const auto& field = inputTextField();
    return field ? std::optional<std::string>(field->text()) : std::nullopt;
}

void TAVROFXAmountCellView::amountTextFieldDidChange()
{
    if (auto delegate = cellViewDelegate())
        setIsVaildCell(delegate->isVaildData(*this, fieldText()));
    validateAmountText();
}

bool TAVROFXAmountCellView::validateAmountText()
{
    bool valid = isVaildCell();
    const auto& field = inputTextField();
    const auto entry = Utilities::getCurrency(fieldText());
    if (!isWithinDigitLimit(fieldText())) {
        errorStateTheme();
        valid = false;
    } else {
        focusStateTheme();
    }
    const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
    const auto parts = Utilities::getISOCurrencyComponents(entry.amount, currencyCode);
    // Read back in the locale the amount was formatted in, so grouping and decimal separators
    // other than "," and "." count right.
    m_amountValue =
        parts.formattedAmount.empty()
            ? std::nullopt
            : std::optional<double>(Utilities::amountFromLocalizedText(parts.formattedAmount, currencyCode));
    if (field)
        field->setText(parts.formattedAmount);
    reportValue(fieldText(), valid);
    return valid;
}

bool TAVROFXAmountCellView::isWithinDigitLimit(const std::optional<std::string>& text) const
{
    const auto shown = Utilities::getCurrency(text).text;
    return digitCount(shown) <= static_cast<std::size_t>(std::max(m_amountTextFieldCount, 0)) || isGivenAmount(shown);
}

bool TAVROFXAmountCellView::isGivenAmount(const std::string& shown) const
{
    // A whole refund or the host's amount may be longer than typing reaches.
    return m_givenCurrencyCode == TavroSession::sharedSession()->activeCurrencyCode() &&
           Utilities::getCurrency(m_givenAmount).text == shown;
}

bool TAVROFXAmountCellView::textFieldShouldBeginEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    if (auto delegate = cellViewDelegate())
        delegate->touchedTextField(cellType(), field.sharedFromThis<platform::UITextField>());
    const auto zero = Utilities::getISOCurrencyComponents(0, TavroSession::sharedSession()->activeCurrencyCode());
    if (field.text() == currencyText() + " " + zero.formattedAmount)
        setAmount("", currencyText());
    return true;
}

bool TAVROFXAmountCellView::textField(platform::UITextField& field, platform::NSRange range,
                                      const std::string& replacement)
{
    if (isWholeAmountPaste(replacement)) {
        pasteWholeAmount(field, replacement, TavroSession::sharedSession()->activeCurrencyCode(),
                         m_amountTextFieldCount);
        return false;
    }
    bool allow = true;
    if (replacement.empty() && field.text() == currencyText() + " ") {
        errorStateTheme();
        allow = false;
    }
    if (replacement.empty())
        return allow;
    return allow && enteredDigitsFit(field.text(), range, replacement, m_amountTextFieldCount);
}

void TAVROFXAmountCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    TAVROCellView::textFieldDidEndEditing(field);
}

} // namespace tavro
