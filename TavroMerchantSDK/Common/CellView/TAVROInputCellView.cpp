// Building and layout of the text input row.

#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

void TAVROInputCellView::prepareView()
{
    TAVROCellView::prepareView();
    if (inputTextField())
        return;
    const auto size = frame().size;
    const auto g = topTitleGap();
    const auto t = titleHeight();
    const auto side = size.height - 2 * g;

    Utilities::changeContentHorizontalAlignment(titleBtn());
    titleBtn()->titleLabel()->setFont(platform::UIFont::systemFont(12));
    m_maxTextFieldLenght = 5;

    auto plus = NSObject::create<platform::UIButton>(CGRect(size.width - side, g, side, side));
    plus->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(plus);
    plus->setImage(tavroImage("icon_add_small"), platform::UIControlState::normal);
    plus->addTarget(sharedFromThis<TAVROInputCellView>(), &TAVROInputCellView::clearTextField,
                    platform::UIControlEvents::touchUpInside);
    setPlusBtn(plus);

    auto field = NSObject::create<platform::UITextField>(
        CGRect(leadingValue, t + g + gap, size.width - side - leadingValue - gap, size.height - t - 2 * g - 4));
    field->setTranslatesAutoresizingMaskIntoConstraints(false);
    addDoneButtonOn(field);
    field->setDelegate(weakFromThis<TAVROInputCellView>());
    field->setPlaceholder(placehoderString());
    field->addTarget(sharedFromThis<TAVROCellView>(), &TAVROCellView::textFieldDidChange,
                     platform::UIControlEvents::editingChanged);
    if (isKoraCardNumberCell())
        field->setKeyboardType(platform::UIKeyboardType::numberPad);
    platform::NSAttributedString placeholder(
        placehoderString(), {
                                {platform::NSAttributedStringKey::font, platform::UIFont::systemFont(16)},
                                {platform::NSAttributedStringKey::foregroundColor, colorWithHexString("#6F7099")},
                            });
    field->setAttributedPlaceholder(placeholder);
    field->setTextColor(colorWithHexString("#15195A"));
    field->setFont(platform::UIFont::systemFont(16));
    addSubview(field);
    setInputTextField(field);

    setUserInteractionEnabled(true);
}

void TAVROInputCellView::updateConstraints()
{
    TAVROCellView::updateConstraints();
    if (m_didSetConstraints1)
        return;
    m_didSetConstraints1 = true;
    if (!plusBtn())
        prepareView();
    addConstraintForPlusBtn(plusBtn());
    addConstraintForTextField(inputTextField());
}

void TAVROInputCellView::addConstraintForPlusBtn(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::top, titleBtn());
    addConstraintOn(view, NSLayoutAttribute::bottom, statusBarBaseView());
    addConstraintOn(view, NSLayoutAttribute::width);
}

void TAVROInputCellView::addConstraintForTextField(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top, titleBtn());
    addConstraintOn(view, NSLayoutAttribute::bottom, statusBarBaseView());
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing, plusBtn());
}

void TAVROInputCellView::layoutSubviews()
{
    TAVROCellView::layoutSubviews();
    setTopTitleGap(15);
    setTitleHeight(16);
    if (!inputTextField())
        prepareView();
}

void TAVROInputCellView::makeOptionalText()
{
    if (plusBtn())
        plusBtn()->setHidden(true);
    setBackgroundDefaultColor(platform::UIColor::white());
    if (statusBarBaseView())
        statusBarBaseView()->setBackgroundColor(defaultCellBackgroudColor());
}

} // namespace tavro
