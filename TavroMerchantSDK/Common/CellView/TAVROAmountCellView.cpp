// Building, layout and display of the amount row.

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/ui/UITextField.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

TAVROAmountCellView::~TAVROAmountCellView()
{
    if (m_textChangeObserver)
        platform::NotificationCenter::defaultCenter().removeObserver(m_textChangeObserver);
}

void TAVROAmountCellView::prepareView()
{
    setTitleDefaultColor(colorWithHexString("#15195A"));
    TAVROCellView::prepareView();
    setBackgroundColor(colorWithHexString("#F2F4F8"));
    prepareAmountView();
    observeTextChanges();
}

void TAVROAmountCellView::observeTextChanges()
{
    auto field = inputTextField();
    if (!field || m_textChangeObserver)
        return;
    // Owned by the token, so the registration ends with the row; the block holds the row weakly.
    m_textChangeObserver = platform::NotificationCenter::defaultCenter().addObserver(
        platform::UITextFieldTextDidChange,
        [weakSelf = weakFromThis<TAVROAmountCellView>()](const platform::Notification&) {
            if (auto self = weakSelf.lock())
                self->amountTextFieldDidChange();
        },
        field);
}

void TAVROAmountCellView::prepareAmountView()
{
    if (inputTextField())
        return;
    const auto size = frame().size;
    const auto title = titleBtn()->frame();
    auto field = NSObject::create<platform::UITextField>(
        CGRect(8, title.maxY() + gap - 5, size.width - 16, size.height - statusBarHeight - titleHeight() - 20));
    setInputTextField(field);
    field->setDelegate(weakFromThis<TAVROAmountCellView>());
    field->setKeyboardType(platform::UIKeyboardType::numberPad);
    addSubview(field);
    field->setTextColor(colorWithHexString("#15195A"));
    field->setTextAlignment(platform::NSTextAlignment::center);
    addConstraintForAmountTextField(field);
    addDoneButtonOnNumpad(field);
    if (m_currencyString)
        setAmount("0.00", *m_currencyString);
}

void TAVROAmountCellView::addConstraintForAmountTextField(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top, titleBtn());
    m_textBottomConstraint = addConstraintOn(statusBarBaseView(), NSLayoutAttribute::top, view);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
}

void TAVROAmountCellView::layoutSubviews()
{
    if (!m_currencyString) {
        const auto zero = Utilities::getISOCurrencyComponents(0, TavroSession::sharedSession()->activeCurrencyCode());
        setAmount(zero.formattedAmount, zero.currencyCode);
    }
    if (!inputTextField())
        prepareView();
    m_amountTextFieldCount = maximumDigits;
}

void TAVROAmountCellView::setPaymentAmount(double amount)
{
    const auto shown = Utilities::getISOCurrencyComponents(amount, TavroSession::sharedSession()->activeCurrencyCode());
    setAmount(shown.formattedAmount, shown.currencyCode);
}

void TAVROAmountCellView::setTitle(std::string_view title, const platform::UIImagePtr& image)
{
    if (!titleBtn())
        return;
    titleBtn()->setImage(image, platform::UIControlState::normal);
    titleBtn()->setTitle(std::string(title), platform::UIControlState::normal);
}

void TAVROAmountCellView::setAmount(const std::string& amount, const std::string& currencyCode)
{
    m_currencyString = currencyCode;
    if (auto field = inputTextField())
        field->setAttributedText(Utilities::attributedString(currencyCode, amount, true, false, m_textFontSize));
}

std::string TAVROAmountCellView::trimAmountString(std::string_view text) const
{
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    }
    return digits;
}

std::string TAVROAmountCellView::currencyPrefix() const
{
    return m_currencyString ? *m_currencyString + " " : std::string();
}

} // namespace tavro
