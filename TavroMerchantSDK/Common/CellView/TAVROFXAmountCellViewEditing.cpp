// Typing into the FX amount row: the owner's verdict, the digit limit, the re-format and reports.

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"

#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/ui/UITextField.h"

#include <algorithm>
#include <iterator>

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
    if (digitCount(entry.text) > static_cast<std::size_t>(std::max(m_amountTextFieldCount, 0))) {
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

bool TAVROFXAmountCellView::textField(platform::UITextField& field, platform::NSRange, const std::string& replacement)
{
    if (!replacement.empty() && digitCount(replacement) != replacement.size()) {
        pasteAmount(field, replacement);
        return false;
    }
    bool allow = true;
    if (replacement.empty() && field.text() == currencyText() + " ") {
        errorStateTheme();
        allow = false;
    }
    if (replacement.empty())
        return allow;
    return allow && digitCount(field.text()) <= static_cast<std::size_t>(std::max(m_amountTextFieldCount, 0));
}

void TAVROFXAmountCellView::pasteAmount(platform::UITextField& field, const std::string& pasted)
{
    const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
    const auto plain = Utilities::plainAmountText(pasted, currencyCode);
    if (!plain)
        return;
    const int fractionDigits = currencyFormatting(currencyCode)->formatter->minimumFractionDigits();
    const auto amount = truncatedPlainDecimal(*plain, fractionDigits);
    // As typing: one digit past the limit is shown and flagged, more never enter.
    if (!amount || digitCount(*amount) > static_cast<std::size_t>(std::max(m_amountTextFieldCount, 0)) + 1)
        return;
    // The field reads its digits as minor units: "12.50" is typed as 1, 2, 5, 0.
    std::string minorUnits;
    std::copy_if(amount->begin(), amount->end(), std::back_inserter(minorUnits), [](char c) { return c != '.'; });
    field.setText(minorUnits);
    // Reported as the edit it is, to the row's re-format and to everyone watching the field.
    platform::NotificationCenter::defaultCenter().post(platform::UITextFieldTextDidChange,
                                                       field.sharedFromThis<platform::UITextField>());
}

void TAVROFXAmountCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    TAVROCellView::textFieldDidEndEditing(field);
}

} // namespace tavro
