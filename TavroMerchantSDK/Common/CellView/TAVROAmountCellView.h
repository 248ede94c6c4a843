#pragma once
// TAVROAmountCellView: the form row in which the merchant types an amount. One centred field
// under the title always shows the currency's alphabetic code, one blank and the amount in that
// currency's format ("INR 0.00"). Digits enter as minor units of the session's active currency,
// like a cash register: every change re-reads all digits and rewrites the field, so 5, 3, 0 show
// 0.05, 0.53, 5.30. At most 12 digits count as valid; a 13th is taken and flagged, a 14th refused.
// A pasted "12.5" is the amount 12.50, not the digits 1, 2, 5.
//
// The owner judges the amount (isVaildData while typing); the row adds its digit limit and
// reports every re-format with cellViewType. The tip row derives from it. Make with
// NSObject::create<TAVROAmountCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <optional>
#include <string>

namespace tavro {

class TAVROAmountCellView : public TAVROCellView {
public:
    using TAVROCellView::TAVROCellView;
    // Stops observing the field's text changes.
    ~TAVROAmountCellView() override;

    // Digits the amount holds at most; every layout pass sets it.
    static constexpr int maximumDigits = 12;

    // --- state ---
    // Kept for owners that set it; the row reports to cellViewDelegate() only.
    std::shared_ptr<TAVROCellViewProtocol> amountCellViewDelegate() const { return m_amountCellViewDelegate.lock(); }
    void setAmountCellViewDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate)
    {
        m_amountCellViewDelegate = std::move(delegate);
    }
    // The alphabetic code shown before the amount; absent until an amount is set or laid out.
    const std::optional<std::string>& currencyString() const { return m_currencyString; }
    void setCurrencyString(std::optional<std::string> code) { m_currencyString = std::move(code); }
    // The digit limit: 0 until the first layout pass, then maximumDigits.
    int amountTextFieldCount() const { return m_amountTextFieldCount; }
    void setAmountTextFieldCount(int count) { m_amountTextFieldCount = count; }
    platform::CGFloat verticalGap() const { return m_verticalGap; }
    void setVerticalGap(platform::CGFloat distance) { m_verticalGap = distance; }
    // The amount last shown by validateAmountText(), read back in the currency's locale.
    const std::optional<double>& amountValue() const { return m_amountValue; }
    void setAmountValue(std::optional<double> value) { m_amountValue = value; }
    // The verdict of the last validateAmountText().
    bool isAmountValid() const { return m_isAmountValid; }
    void setIsAmountValid(bool valid) { m_isAmountValid = valid; }
    // Font size of the amount part of the field (the code is always 16 pt).
    platform::CGFloat textFontSize() const { return m_textFontSize; }
    void setTextFontSize(platform::CGFloat size) { m_textFontSize = size; }
    // Keeps the status bar's top below the field; the tip row deactivates it.
    const platform::NSLayoutConstraintPtr& textBottomConstraint() const { return m_textBottomConstraint; }
    void setTextBottomConstraint(platform::NSLayoutConstraintPtr constraint)
    {
        m_textBottomConstraint = std::move(constraint);
    }

    // --- building ---
    // The base's title and bar, the grey background, the field, and the text-change observer.
    void prepareView() override;
    // Creates the field below the title and, when a currency is known, shows its zero amount.
    virtual void prepareAmountView();
    // Pins `view` below the title, above the status bar and to both edges.
    virtual void addConstraintForAmountTextField(const platform::UIViewPtr& view);
    // Sets the currency from the session while none is known, builds what is missing and sets
    // the digit limit. Frames are not taken from constraints here.
    void layoutSubviews() override;

    // --- content ---
    // Shows `amount` in the session's active currency.
    virtual void setPaymentAmount(double amount);
    using TAVROCellView::setTitle;
    // The title button's image, then its title, for the normal state.
    virtual void setTitle(std::string_view title, const platform::UIImagePtr& image);
    // Stores `currencyCode` and shows it, one blank and `amount` (already formatted).
    virtual void setAmount(const std::string& amount, const std::string& currencyCode);
    // Only the decimal digits of `text`.
    virtual std::string trimAmountString(std::string_view text) const;

    // --- typing ---
    // The text-change handler: the owner's verdict into isVaildCell, then validateAmountText().
    virtual void amountTextFieldDidChange();
    // Re-reads the digits, re-formats the field, applies the digit limit to the owner's last
    // verdict and reports it. Never turns the row valid by itself. Without a field: isVaildCell.
    virtual bool validateAmountText();
    // Refuses a deletion at the bare currency prefix (error look) and digits that would take the
    // text past the limit and one more (a pasted run of them, put at `range`, enters whole or not
    // at all). A replacement that is not digits alone is a whole amount in the currency's own
    // format ("1,234.5"): wherever `range` stands, it replaces the amount, cut down to the minor
    // unit, within the same limit, or leaves the field as it is when it is no such amount (see
    // pasteWholeAmount).
    bool textField(platform::UITextField& field, platform::NSRange range, const std::string& replacement) override;
    // Validates, reports the touch and clears a zero amount so typing starts at the prefix.
    bool textFieldShouldBeginEditing(platform::UITextField& field) override;
    // Validates, then the base's end-of-editing look and report.
    void textFieldDidEndEditing(platform::UITextField& field) override;

protected:
    // The code-space prefix typing starts from; the empty text while no currency is known.
    std::string currencyPrefix() const;

private:
    void observeTextChanges();

    std::weak_ptr<TAVROCellViewProtocol> m_amountCellViewDelegate;
    std::optional<std::string> m_currencyString;
    int m_amountTextFieldCount = 0;
    platform::CGFloat m_verticalGap = 5;
    std::optional<double> m_amountValue;
    bool m_isAmountValid = true;
    platform::CGFloat m_textFontSize = 30;
    platform::NSLayoutConstraintPtr m_textBottomConstraint;
    std::shared_ptr<platform::NotificationObserverToken> m_textChangeObserver;
};

} // namespace tavro
