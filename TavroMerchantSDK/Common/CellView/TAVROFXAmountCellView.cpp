// Building, layout and amount setting of the FX amount row.

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UITextField.h"

#include <algorithm>

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

void TAVROFXAmountCellView::prepareView()
{
    if (inputTextField())
        return;
    setTitleDefaultColor(colorWithHexString("#15195A"));
    TAVROCellView::prepareView();
    setBackgroundColor(colorWithHexString("#F2F4F8"));
    Utilities::changeContentHorizontalAlignment(titleBtn());
    titleBtn()->titleLabel()->setFont(platform::UIFont::systemFont(12));
    prepareAmountView();

    std::weak_ptr<TAVROFXAmountCellView> weakSelf = sharedFromThis<TAVROFXAmountCellView>();
    m_textChangeObserver = platform::NotificationCenter::defaultCenter().addObserver(
        platform::UITextFieldTextDidChange,
        [weakSelf](const platform::Notification&) {
            if (auto self = weakSelf.lock())
                self->amountTextFieldDidChange();
        },
        std::weak_ptr<const void>(inputTextField()));
}

void TAVROFXAmountCellView::prepareAmountView()
{
    const auto size = frame().size;
    auto field = NSObject::create<platform::UITextField>(CGRect(leadingValue, titleBtn()->frame().maxY() - 4,
                                                                size.width - leadingValue,
                                                                size.height - statusBarHeight - titleHeight() - 20));
    setInputTextField(field);
    field->setDelegate(weakFromThis<TAVROFXAmountCellView>());
    field->setKeyboardType(platform::UIKeyboardType::numberPad);
    field->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(field);
    field->setTextColor(colorWithHexString("#15195A"));
    field->setTextAlignment(platform::NSTextAlignment::left);
    addConstraintForAmountTextField(field);
    addDoneButtonOnNumpad(field);
    if (m_currencyString)
        setAmount("0.00", *m_currencyString);
}

void TAVROFXAmountCellView::addConstraintForAmountTextField(const platform::UIViewPtr& field)
{
    addConstraintOn(field, NSLayoutAttribute::top, titleBtn());
    m_textBottomConstraint = addConstraintOn(field, NSLayoutAttribute::bottom, statusBarBaseView());
    addConstraintOn(field, NSLayoutAttribute::leading);
    addConstraintOn(field, NSLayoutAttribute::trailing);
}

void TAVROFXAmountCellView::layoutSubviews()
{
    TAVROCellView::layoutSubviews();
    if (!m_currencyString) {
        const auto zero = Utilities::getISOCurrencyComponents(0, TavroSession::sharedSession()->activeCurrencyCode());
        setAmount(zero.formattedAmount, zero.currencyCode);
    }
    if (!inputTextField())
        prepareView();
    m_amountTextFieldCount = cellType() == CellType::addTip ? 10 : 12;
}

void TAVROFXAmountCellView::setAmount(const std::string& amount, const std::string& currencyCode)
{
    m_currencyString = currencyCode;
    m_givenAmount = amount;
    m_givenCurrencyCode = TavroSession::sharedSession()->activeCurrencyCode();
    const auto& field = inputTextField();
    if (!field)
        return;
    field->setText(amount);
    if (const auto& font = field->font())
        field->setFont(font->withSize(m_textFontSize));
}

void TAVROFXAmountCellView::setPaymentAmount(double amount)
{
    const auto parts = Utilities::getISOCurrencyComponents(amount, TavroSession::sharedSession()->activeCurrencyCode());
    setAmount(parts.formattedAmount, parts.currencyCode);
}

void TAVROFXAmountCellView::setTitle(const std::string& title, const platform::UIImagePtr& image)
{
    if (!titleBtn())
        return;
    titleBtn()->setImage(image, platform::UIControlState::normal);
    titleBtn()->setTitle(title, platform::UIControlState::normal);
}

std::string TAVROFXAmountCellView::trimAmountString(const std::string& text) const
{
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](unsigned char c) { return c >= '0' && c <= '9'; });
    return digits;
}

} // namespace tavro
