// The tip row's percentage buttons, add button, and opening and closing around editing.

#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"

#include "TavroMerchantSDK/support/Utilities.h"

namespace tavro {

namespace {

constexpr double kOpenCloseDuration = 0.25;
constexpr double kCloseDelay = 0.1;

} // namespace

void TAVROTipCellView::deSelectAll()
{
    for (const auto& button : {m_fiveBtn, m_tenBtn, m_fifteenBtn, m_twentyBtn}) {
        if (button)
            button->setSelected(false);
    }
}

void TAVROTipCellView::tipBtnAction(platform::UIButton& sender)
{
    deSelectAll();
    m_selectedButton = sender.sharedFromThis<platform::UIButton>();
    sender.setSelected(true);
    if (auto delegate = cellViewDelegate())
        delegate->didChangeTipsAmount(*this, static_cast<double>(sender.tag()));
}

void TAVROTipCellView::calculateTips()
{
    if (!m_selectedButton)
        return;
    if (auto delegate = cellViewDelegate())
        delegate->didChangeTipsAmount(*this, static_cast<double>(m_selectedButton->tag()));
}

void TAVROTipCellView::clearTextField()
{
    deSelectAll();
    auto field = inputTextField();
    if (field)
        field->setText(std::string());
    if (auto delegate = cellViewDelegate())
        setIsVaildCell(delegate->isVaildData(*this, std::string()));
    m_selectedButton = nullptr;
    if (field)
        field->becomeFirstResponder();
    reportValue(std::string(), true);
}

void TAVROTipCellView::amountTextFieldDidChange()
{
    TAVROAmountCellView::amountTextFieldDidChange();
    deSelectAll();
}

void TAVROTipCellView::layoutAround()
{
    if (auto parent = superview())
        parent->layoutIfNeeded();
}

bool TAVROTipCellView::textFieldShouldBeginEditing(platform::UITextField& field)
{
    TAVROAmountCellView::textFieldShouldBeginEditing(field);
    platform::UIView::animate(kOpenCloseDuration, 0, platform::UIViewAnimationOptions::none, [&] {
        if (m_heightConstraint)
            m_heightConstraint->setConstant(m_heightConstraint->constant() + m_tipBaseViewHeight);
        if (auto plus = plusBtn())
            plus->setTransform(platform::CGAffineTransform::makeRotation(plusRotationAngle));
        layoutAround();
    });
    return true;
}

void TAVROTipCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    setIsVaildCell(validateAmountText());
    TAVROCellView::textFieldDidEndEditing(field);
    if (Utilities::getCurrency(field.text()).amount == 0)
        field.setText(std::string());
    const bool emptied = field.text().empty();
    platform::UIView::animate(kOpenCloseDuration, kCloseDelay, platform::UIViewAnimationOptions::none, [&] {
        if (isVaildCell() && emptied) {
            if (auto plus = plusBtn())
                plus->setTransform(platform::CGAffineTransform::makeRotation(0));
        }
        if (m_heightConstraint)
            m_heightConstraint->setConstant(m_heightConstraint->constant() - m_tipBaseViewHeight);
        layoutAround();
        layoutIfNeeded();
    });
}

} // namespace tavro
