#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"

#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

TAVROButtonCellView::TAVROButtonCellView(const CGRect& frame) : UIView(frame) {}

void TAVROButtonCellView::didCreate()
{
    UIView::didCreate();
    addLabel();
    addButton();
}

void TAVROButtonCellView::addLabel()
{
    const auto width = frame().size.width;
    m_leftLabel =
        NSObject::create<platform::UILabel>(CGRect(marginX, marginY, width - 2 * marginX - buttonWidth, height));
    m_leftLabel->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_leftLabel->setText(localizedString("Additional Settings", ""));
    m_leftLabel->setTextColor(colorWithHexString(m_darkTextColorHex));
    m_leftLabel->setFont(platform::UIFont::boldSystemFont(14));
    addSubview(m_leftLabel);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::leading);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::top);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::bottom);
}

void TAVROButtonCellView::addButton()
{
    m_rightButton =
        NSObject::create<platform::UIButton>(CGRect(m_leftLabel->frame().maxX(), marginY, buttonWidth, height));
    m_rightButton->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_rightButton->addTarget(sharedFromThis<TAVROButtonCellView>(), &TAVROButtonCellView::buttonPressed,
                             platform::UIControlEvents::touchUpInside);
    m_rightButton->setTitle(localizedString("Reset", ""), platform::UIControlState::normal);
    m_rightButton->setTitleColor(colorWithHexString(m_blueTextColorHex), platform::UIControlState::normal);
    m_rightButton->titleLabel()->setFont(platform::UIFont::boldSystemFont(14));
    // A long translation shrinks to the button's width instead of being cut.
    m_rightButton->titleLabel()->setAdjustsFontSizeToFitWidth(true);
    addSubview(m_rightButton);
    addConstraintOn(m_rightButton, NSLayoutAttribute::trailing);
    addConstraintOn(m_rightButton, NSLayoutAttribute::top);
    addConstraintOn(m_rightButton, NSLayoutAttribute::bottom);
    addConstraintOn(m_rightButton, NSLayoutAttribute::leading, m_leftLabel);
    addConstraintOn(m_rightButton, NSLayoutAttribute::width);
}

void TAVROButtonCellView::buttonPressed()
{
    if (auto delegate = buttonCellDelegate())
        delegate->cellViewType(m_cellType, std::string(), true);
}

} // namespace tavro
