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
    // The title ends where the field does, before the clear button: a right-aligned title would
    // otherwise run under its icon.
    auto title = titleBtn()->frame();
    title.size.width = plus->frame().minX() - gap - title.minX();
    titleBtn()->setFrame(title);

    auto field = makeEntryField(side);
    field->setDelegate(weakFromThis<TAVROInputCellView>());
    field->addTarget(sharedFromThis<TAVROCellView>(), &TAVROCellView::textFieldDidChange,
                     platform::UIControlEvents::editingChanged);
    if (isKoraCardNumberCell())
        field->setKeyboardType(platform::UIKeyboardType::numberPad);
    addSubview(field);
    setInputTextField(field);

    setUserInteractionEnabled(true);
}

void TAVROInputCellView::addConstraintForTitleBar(const platform::UIViewPtr& view)
{
    if (view != titleBtn() || !plusBtn()) {
        TAVROCellView::addConstraintForTitleBar(view);
        return;
    }
    addConstraintOn(view, NSLayoutAttribute::top);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing, plusBtn());
    addConstraintOn(view, NSLayoutAttribute::height);
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
