#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"

namespace tavro {

using platform::CGRect;

TAVROFXDropDownCellView::TAVROFXDropDownCellView(const CGRect& frame, bool isLocked)
    : TAVRODropDownCellView(frame), m_isLocked(isLocked)
{
}

void TAVROFXDropDownCellView::prepareView()
{
    const bool built = inputTextField() != nullptr;
    TAVRODropDownCellView::prepareView();
    if (built)
        return;
    const auto width = frame().size.width;
    const auto g = topTitleGap();
    const auto t = titleHeight();
    const auto chevron = m_isLocked ? 0 : chevronWidth;
    virtualBtn()->setHidden(m_isLocked);
    plusBtn()->setFrame(CGRect(width - chevron, t + 2 * g, chevron, t));
    // A locked row's chevron is 0 wide: nothing of its image may show beside the code.
    plusBtn()->setClipsToBounds(true);
    inputTextField()->setFrame(CGRect(0, t + 2 * g, width - chevron, t));
    inputTextField()->setTextAlignment(platform::NSTextAlignment::center);
}

} // namespace tavro
