#pragma once
// TAVROFXAmountCellView: the amount field of a payment form's amount row (the currency drop-down
// sits beside it). Digits typed on the number pad enter from the right as minor units of the
// session's active currency; after every change the field shows the amount re-formatted for that
// currency, as plain text without symbol or code. Every re-format reads the active currency at
// that moment; the row keeps no link to the drop-down.
//
// The row never judges the amount: it asks its owner (cellViewDelegate) on every change and
// shows the answer, apart from its one rule, the digit limit: the shown text may hold 12 digits
// (10 in a tip row, cellType addTip); one digit more is accepted and shown and reported as
// invalid, a further one is refused (pasted digits are judged by the text they leave where they
// are put, and enter whole or not at all); deletions are always allowed. The limit is on typing:
// the amount the owner gave (setAmount), unchanged and in the same currency, stays valid however
// long. A paste that is not digits alone is a whole amount in the currency's own format
// ("1,234.5"): wherever the caret stands, it replaces the amount, cut down (never rounded up) to
// the currency's minor unit, within the same limit; one that is no such amount (a sign, letters,
// another decimal separator) leaves the field as it is.
//
// Make with NSObject::create<TAVROFXAmountCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVROFXAmountCellView : public TAVROCellView {
public:
    using TAVROCellView::TAVROCellView;
    using TAVROCellView::setTitle;

    // Declared for owners that set it; the row reports through cellViewDelegate only.
    std::shared_ptr<TAVROCellViewProtocol> amountCellViewDelegate() const { return m_amountCellViewDelegate.lock(); }
    void setAmountCellViewDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate)
    {
        m_amountCellViewDelegate = std::move(delegate);
    }
    // The currency text given with the last amount (an alphabetic code, or "" for a currency the
    // formatter cannot place); absent until the first amount.
    const std::optional<std::string>& currencyString() const { return m_currencyString; }
    void setCurrencyString(std::optional<std::string> code) { m_currencyString = std::move(code); }
    // The digit limit: 0 until the first layout pass, then 10 for addTip and 12 otherwise.
    int amountTextFieldCount() const { return m_amountTextFieldCount; }
    void setAmountTextFieldCount(int count) { m_amountTextFieldCount = count; }
    platform::CGFloat verticalGap() const { return m_verticalGap; }
    void setVerticalGap(platform::CGFloat distance) { m_verticalGap = distance; }
    // The amount last shown, read back in the currency's locale; absent while nothing readable
    // was shown.
    const std::optional<double>& amountValue() const { return m_amountValue; }
    bool isAmountValid() const { return m_isAmountValid; }
    void setIsAmountValid(bool valid) { m_isAmountValid = valid; }
    // Point size of the field's font whenever an amount is set.
    platform::CGFloat textFontSize() const { return m_textFontSize; }
    void setTextFontSize(platform::CGFloat size) { m_textFontSize = size; }
    // Puts the status bar under the field; present once the field is built.
    const platform::NSLayoutConstraintPtr& textBottomConstraint() const { return m_textBottomConstraint; }

    // --- building ---
    // Base row, grey background, left-aligned 12-point title, the field, and the field's
    // text-change observer (removed when the row goes).
    void prepareView() override;
    // The amount field under the title, pinned with the frames' distances; number pad and Done.
    virtual void prepareAmountView();
    virtual void addConstraintForAmountTextField(const platform::UIViewPtr& field);
    // Gives the row the active currency's zero when no amount was set yet, builds the field if
    // needed, and sets the digit limit.
    void layoutSubviews() override;

    // --- amounts ---
    // Shows `amount` as the field's text and keeps `currencyCode`; the font becomes textFontSize.
    virtual void setAmount(const std::string& amount, const std::string& currencyCode);
    // `amount` formatted for the active currency, then setAmount().
    void setPaymentAmount(double amount);
    // Image, then title, of the title button for the normal state.
    virtual void setTitle(const std::string& title, const platform::UIImagePtr& image);
    // `text` with everything but the ASCII digits removed.
    virtual std::string trimAmountString(const std::string& text) const;

    // --- editing ---
    // Asks the owner about the text (and shows the answer), then re-formats.
    virtual void amountTextFieldDidChange();
    // Re-reads the digits as minor units, applies the digit limit's look, shows the re-formatted
    // amount and reports it. Returns the validity (the owner's last verdict and the limit).
    virtual bool validateAmountText();
    // Whether `text` holds no more digits than the limit allows, or is the amount the owner gave.
    bool isWithinDigitLimit(const std::optional<std::string>& text) const;
    bool textFieldShouldBeginEditing(platform::UITextField& field) override;
    bool textField(platform::UITextField& field, platform::NSRange range, const std::string& replacement) override;
    void textFieldDidEndEditing(platform::UITextField& field) override;

private:
    // currencyString, or "" before any currency was set.
    std::string currencyText() const { return m_currencyString.value_or(""); }
    // The field's text; absent while there is no field.
    std::optional<std::string> fieldText() const;
    // Whether `shown` (an amount as getCurrency formats it) is the one last given by setAmount.
    bool isGivenAmount(const std::string& shown) const;

    std::weak_ptr<TAVROCellViewProtocol> m_amountCellViewDelegate;
    std::optional<std::string> m_currencyString;
    int m_amountTextFieldCount = 0;
    platform::CGFloat m_verticalGap = 5;
    std::optional<double> m_amountValue;
    // The text last given by setAmount and the active currency it was given in.
    std::string m_givenAmount;
    std::string m_givenCurrencyCode;
    bool m_isAmountValid = true;
    platform::CGFloat m_textFontSize = 30;
    platform::NSLayoutConstraintPtr m_textBottomConstraint;
    // Owns the text-change registration: it ends with the row.
    std::shared_ptr<platform::NotificationObserverToken> m_textChangeObserver;
};

} // namespace tavro
