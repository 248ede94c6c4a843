// Building and constraints of the tip row.

#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::UIControlState;

void TAVROTipCellView::didCreate()
{
    TAVROAmountCellView::didCreate();
    // An archived row has no field yet and builds nothing here.
    if (inputTextField())
        prepareTipView();
}

void TAVROTipCellView::prepareTipView()
{
    if (m_tipBaseView)
        return;
    const auto size = frame().size;
    if (auto constraint = textBottomConstraint())
        constraint->setActive(false);

    m_tipBaseView = NSObject::create<platform::UIView>(
        CGRect(0, statusBarBaseView()->frame().origin.y, size.width, m_tipBaseViewHeight));
    m_tipBaseView->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_tipBaseView->setBackgroundColor(platform::UIColor::white());
    // The closed row hides the panel below its bottom edge.
    setClipsToBounds(true);

    titleBtn()->titleLabel()->setFont(platform::UIFont::systemFont(12));
    auto field = inputTextField();
    auto fieldFrame = field->frame();
    fieldFrame.origin.x = 16;
    fieldFrame.size.width -= 16;
    field->setFrame(fieldFrame);
    Utilities::changeContentHorizontalAlignment(titleBtn());
    Utilities::changeContentHorizontalAlignment(field);

    field->setAttributedPlaceholder(platform::NSAttributedString(
        placehoderString(), {
                                {platform::NSAttributedStringKey::font, platform::UIFont::systemFont(16)},
                                {platform::NSAttributedStringKey::foregroundColor, colorWithHexString("#6F7099")},
                            }));
    field->setTextColor(colorWithHexString("#15195A"));
    field->setPlaceholder(StringConstants::REVIEW_PAYMENT_OPTIONAL());

    setTextFontSize(16);
    setAmount("", "");

    // The add button keeps to the screen's right edge, whatever the row's width.
    const auto gap = topTitleGap();
    const auto side = size.height - 2 * gap;
    const auto screenWidth = platform::UIScreen::main()->bounds().size.width;
    auto plus = NSObject::create<platform::UIButton>(CGRect(screenWidth - side, gap, side, side));
    plus->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(plus);
    plus->setImage(tavroImage("icon_add_small"), UIControlState::normal);
    plus->addTarget(sharedFromThis<TAVROTipCellView>(), &TAVROTipCellView::clearTextField,
                    platform::UIControlEvents::touchUpInside);
    setPlusBtn(plus);
    addConstraintForPlusBtn(plus);

    addAllBtn();
    insertSubviewBelow(m_tipBaseView, statusBarBaseView());
}

void TAVROTipCellView::addAllBtn()
{
    const auto width = frame().size.width;
    const auto w = (width - 5 * m_margin) / 4;
    addButtonToView(5, m_margin, w);
    addButtonToView(10, 2 * m_margin + w, w);
    addButtonToView(15, 3 * m_margin + 2 * w, w);
    addButtonToView(20, 4 * m_margin + 3 * w, w);
}

void TAVROTipCellView::addButtonToView(int tag, platform::CGFloat xPosition, platform::CGFloat width)
{
    auto button = NSObject::create<platform::UIButton>(CGRect(xPosition, m_margin, width, m_btnHeight));
    button->setTranslatesAutoresizingMaskIntoConstraints(false);
    switch (tag) {
    case 5: m_fiveBtn = button; break;
    case 10: m_tenBtn = button; break;
    case 15: m_fifteenBtn = button; break;
    case 20: m_twentyBtn = button; break;
    default: break;
    }
    button->setTag(tag);
    if (m_tipBaseView)
        m_tipBaseView->addSubview(button);
    button->setTitle(std::to_string(tag) + " %", UIControlState::normal);
    button->layer()->setBorderWidth(1);
    button->layer()->setBorderColor(colorWithHexString("#B8BACD"));
    tavro::setBackgroundColor(*button, platform::UIColor::white(), UIControlState::normal);
    tavro::setBackgroundColor(*button, colorWithHexString("#003EA9"), UIControlState::selected);
    button->setTitleColor(colorWithHexString("#15195A"), UIControlState::normal);
    button->setTitleColor(platform::UIColor::white(), UIControlState::selected);
    button->titleLabel()->setFont(platform::UIFont::systemFont(14));
    button->addTarget(sharedFromThis<TAVROTipCellView>(), &TAVROTipCellView::tipBtnAction,
                      platform::UIControlEvents::touchUpInside);
}

void TAVROTipCellView::updateConstraints()
{
    TAVROAmountCellView::updateConstraints();
    if (m_didSetConstraints2 || !m_tipBaseView)
        return;
    m_didSetConstraints2 = true;
    addConstraintForView(m_tipBaseView);
    for (const auto& button : {m_fiveBtn, m_tenBtn, m_fifteenBtn, m_twentyBtn}) {
        if (button)
            addConstraintForBtn(button);
    }
}

void TAVROTipCellView::addConstraintForView(const platform::UIViewPtr& view)
{
    addConstraintOn(inputTextField(), NSLayoutAttribute::height);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::top, inputTextField());
    addConstraintOn(view, NSLayoutAttribute::height);
}

void TAVROTipCellView::addConstraintForBtn(const std::shared_ptr<platform::UIButton>& button)
{
    addConstraintOn(button, NSLayoutAttribute::width);
    addConstraintOn(button, NSLayoutAttribute::top);
    addConstraintOn(button, NSLayoutAttribute::bottom);
    addConstraintOn(button, NSLayoutAttribute::leading);
    m_lastBtn = button;
}

void TAVROTipCellView::addConstraintForPlusBtn(const platform::UIViewPtr& button)
{
    addConstraintOn(button, NSLayoutAttribute::trailing);
    addConstraintOn(button, NSLayoutAttribute::top, titleBtn());
    // Both sizes are installed on the row rather than on the button.
    using platform::NSLayoutConstraint;
    using platform::NSLayoutRelation;
    const auto size = button->frame().size;
    addConstraint(NSLayoutConstraint::create(button, NSLayoutAttribute::width, NSLayoutRelation::equal, nullptr,
                                             NSLayoutAttribute::notAnAttribute, 1, size.width));
    addConstraint(NSLayoutConstraint::create(button, NSLayoutAttribute::height, NSLayoutRelation::equal, nullptr,
                                             NSLayoutAttribute::notAnAttribute, 1, size.height));
}

void TAVROTipCellView::setAmount(const std::string& amount, const std::string& currencyCode)
{
    TAVROAmountCellView::setAmount(amount, currencyCode);
    if (currencyCode.empty() && inputTextField())
        inputTextField()->setText(std::string());
}

} // namespace tavro
