#include "TavroMerchantSDK/Common/CellView/TAVRODropDownCellView.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::UIControlState;

void TAVRODropDownCellView::prepareView()
{
    TAVROCellView::prepareView();
    if (inputTextField())
        return;
    const auto size = frame().size;
    const auto g = topTitleGap();
    const auto side = size.height - 2 * g;

    Utilities::changeContentHorizontalAlignment(titleBtn());
    titleBtn()->titleLabel()->setFont(platform::UIFont::systemFont(12));

    auto chevron = NSObject::create<platform::UIButton>(CGRect(size.width - side, g, side, side));
    chevron->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(chevron);
    chevron->setImage(tavroImage(chevronDownImage), UIControlState::normal);
    chevron->setImage(tavroImage(chevronUpImage), UIControlState::selected);
    setPlusBtn(chevron);

    auto field = makeEntryField(side);
    field->setText(inputTextFieldString());
    addSubview(field);
    // The code changes only through inputTextFieldString: the field never takes focus.
    field->setUserInteractionEnabled(false);
    setInputTextField(field);
    setUserInteractionEnabled(true);

    const auto origin = frame().origin;
    setFrame(CGRect(origin.x, origin.y, bounds().size.width, bounds().size.height - 2));

    m_virtualBtn = NSObject::create<platform::UIButton>(bounds());
    m_virtualBtn->addTarget(sharedFromThis<TAVRODropDownCellView>(), &TAVRODropDownCellView::dropDownButtonAction,
                            platform::UIControlEvents::touchUpInside);
    addSubview(m_virtualBtn);
    m_virtualBtn->setAccessibilityIdentifier(tapTargetIdentifier);
}

void TAVRODropDownCellView::updateConstraints()
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

void TAVRODropDownCellView::layoutSubviews()
{
    TAVROCellView::layoutSubviews();
    setTopTitleGap(15);
    setTitleHeight(16);
    if (!inputTextField())
        prepareView();
}

void TAVRODropDownCellView::dropDownButtonAction(platform::UIButton&)
{
    if (const auto& chevron = plusBtn()) {
        chevron->setSelected(!chevron->isSelected());
        if (chevron->isSelected())
            focusStateTheme();
        else
            showClosedLook();
    }
    if (auto delegate = dropDownCellDelegate())
        delegate->didSelectDropDownBtnAction();
}

void TAVRODropDownCellView::resetCell()
{
    if (const auto& chevron = plusBtn())
        chevron->setSelected(false);
    showClosedLook();
}

void TAVRODropDownCellView::showClosedLook()
{
    setBackgroundColor(backgroundDefaultColor());
    if (titleBtn())
        titleBtn()->setTitleColor(titleDefaultColor(), UIControlState::normal);
    hideStatusBar();
}

} // namespace tavro
