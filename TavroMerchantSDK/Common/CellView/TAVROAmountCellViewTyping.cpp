// Typing into the amount row: the keystroke filter, the re-format after every change, and the
// start and end of editing.

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"

#include "TavroMerchantSDK/Common/CellView/PastedAmount.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/DebugLog.h"
#include "platform/ui/UITextField.h"

namespace tavro {

bool TAVROAmountCellView::textField(platform::UITextField& field, platform::NSRange range,
                                    const std::string& replacement)
{
    if (isWholeAmountPaste(replacement)) {
        pasteWholeAmount(field, replacement, TavroSession::sharedSession()->activeCurrencyCode(),
                         m_amountTextFieldCount);
        return false;
    }
    if (replacement.empty()) {
        // The code and its blank stay: a deletion into them is refused.
        if (field.text() == currencyPrefix()) {
            errorStateTheme();
            return false;
        }
        return true;
    }
    return enteredDigitsFit(field.text(), range, replacement, m_amountTextFieldCount);
}

void TAVROAmountCellView::amountTextFieldDidChange()
{
    auto field = inputTextField();
    if (auto delegate = cellViewDelegate())
        setIsVaildCell(delegate->isVaildData(*this, field ? std::optional<std::string>(field->text()) : std::nullopt));
    validateAmountText();
}

bool TAVROAmountCellView::validateAmountText()
{
    auto field = inputTextField();
    if (!field) {
        platform::debugLog("TAVROAmountCellView::validateAmountText: the row has no amount field");
        return isVaildCell();
    }
    bool verdict = isVaildCell();
    const auto entry = Utilities::getCurrency(field->text());
    // Every digit of the formatted amount counts, the leading zero of 0.05 too.
    if (static_cast<int>(trimAmountString(entry.text).size()) > m_amountTextFieldCount) {
        errorStateTheme();
        verdict = false;
    } else {
        focusStateTheme();
    }
    const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
    const auto shown = Utilities::getISOCurrencyComponents(entry.amount, currencyCode);
    m_amountValue = Utilities::amountFromLocalizedText(shown.formattedAmount, currencyCode);
    field->setAttributedText(
        Utilities::attributedString(shown.currencyCode, shown.formattedAmount, true, false, m_textFontSize));
    m_isAmountValid = verdict;
    reportValue(field->text(), verdict);
    return verdict;
}

bool TAVROAmountCellView::textFieldShouldBeginEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    if (auto delegate = cellViewDelegate())
        delegate->touchedTextField(cellType(), field.sharedFromThis<platform::UITextField>());
    const auto zero = Utilities::getISOCurrencyComponents(0, TavroSession::sharedSession()->activeCurrencyCode());
    // Without a known currency there is no zero amount to clear.
    if (m_currencyString && field.text() == currencyPrefix() + zero.formattedAmount)
        setAmount("", *m_currencyString);
    return true;
}

void TAVROAmountCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    TAVROCellView::textFieldDidEndEditing(field);
}

} // namespace tavro
