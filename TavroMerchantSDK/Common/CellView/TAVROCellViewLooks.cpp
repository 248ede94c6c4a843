// The base row's looks: title with or without the warning icon, the status bar, and the default,
// normal, focus and error looks.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

namespace {

constexpr double kStatusBarAnimationDuration = 0.25;
constexpr std::string_view kRequestAmountTitle = "Request Amount";

void animateWidth(const platform::UIViewPtr& bar, platform::CGFloat width)
{
    platform::UIView::animate(
        kStatusBarAnimationDuration, 0, platform::UIViewAnimationOptions::none,
        [&] {
            auto frame = bar->frame();
            frame.size.width = width;
            bar->setFrame(frame);
        },
        [](bool) {});
}

} // namespace

void TAVROCellView::setIsVaildCell(bool valid)
{
    m_isVaildCell = valid;
    if (valid)
        focusStateTheme();
    else
        errorStateTheme();
}

void TAVROCellView::setTitle(std::string_view text, bool isError)
{
    if (!m_titleBtn)
        return;
    using platform::UIControlState;
    if (isError) {
        m_titleBtn->setImage(m_errorImage, UIControlState::normal);
        m_titleBtn->setTitleColor(m_titleErrorColor, UIControlState::normal);
        m_titleBtn->imageView()->setContentMode(platform::UIViewContentMode::scaleAspectFit);
        m_titleBtn->setTintColor(errorRedColor());
    } else {
        m_titleBtn->setImage(nullptr, UIControlState::normal);
        m_titleBtn->setTitleColor(m_titleDefaultColor, UIControlState::normal);
    }
    m_titleBtn->setTitle(localizedString(text, ""), UIControlState::normal);
}

void TAVROCellView::showStatusBar()
{
    if (m_colorStatusBar && m_colorStatusBar->frame().size.width == 0)
        animateWidth(m_colorStatusBar, frame().size.width);
}

void TAVROCellView::hideStatusBar()
{
    if (m_colorStatusBar && m_colorStatusBar->frame().size.width != 0)
        animateWidth(m_colorStatusBar, 0);
}

void TAVROCellView::defaultStateTheme()
{
    setBackgroundColor(m_backgroundDefaultColor);
    if (m_statusBarBaseView)
        m_statusBarBaseView->setBackgroundColor(platform::UIColor::white());
    if (m_titleBtn) {
        m_titleBtn->setTitleColor(m_titleDefaultColor, platform::UIControlState::normal);
        m_titleBtn->titleLabel()->setFont(platform::UIFont::systemFont(14));
    }
}

void TAVROCellView::normalStateTheme()
{
    setBackgroundColor(m_backgroundDefaultColor);
    hideStatusBar();
    if (m_titleBtn)
        m_titleBtn->setTitleColor(m_titleDefaultColor, platform::UIControlState::normal);
}

std::string TAVROCellView::focusTitle() const
{
    if (TavroSession::sharedSession()->activeSessionType() != TavroActiveFlow::requestPayment)
        return localizedString(m_titleString, "");
    if (m_titleString == kRequestAmountTitle || m_titleString == localizedString(kRequestAmountTitle, ""))
        return localizedString(m_titleString, "");
    return localizedSetString(m_titleString);
}

void TAVROCellView::focusStateTheme()
{
    setBackgroundColor(m_backgroundActiveColor);
    if (m_colorStatusBar)
        m_colorStatusBar->setBackgroundColor(
            TavroSession::sharedSession()->internalConfiguration()->textFieldStatusColor());
    showStatusBar();
    setTitle(focusTitle(), false);
}

void TAVROCellView::errorStateTheme()
{
    setBackgroundColor(m_backgroundActiveColor);
    if (m_colorStatusBar)
        m_colorStatusBar->setBackgroundColor(errorRedColor());
    showStatusBar();
    if (m_titleBtn)
        m_titleBtn->setTitleColor(m_titleErrorColor, platform::UIControlState::normal);
    setTitle(localizedString(m_invaildTitleString, ""), true);
}

std::string TAVROCellView::localizedSetString(std::string_view labelString) const
{
    return replacingOccurrences(localizedString("Set [Default Label]", ""), "[Default Label]",
                                localizedString(labelString, ""));
}

} // namespace tavro
