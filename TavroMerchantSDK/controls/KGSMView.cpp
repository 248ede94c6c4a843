#include "TavroMerchantSDK/controls/KGSMView.h"

#include "TavroMerchantSDK/controls/KGSMViewNib.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

#include <algorithm>
#include <limits>

namespace tavro {

std::shared_ptr<KGSMView> KGSMView::createGSMView(GSMViewType type)
{
    registerKitNibsOnce();
    // A missing nib or a first object of another class is reported by the loader.
    auto banner = loadFromNib<KGSMView>();
    if (!banner)
        return nullptr;
    if (!banner->messageLabel() || !banner->actionButton()) {
        platform::debugLog("KGSMView: the nib does not connect the message label and the action button");
        return nullptr;
    }
    banner->setType(type);
    banner->commonSetup();
    banner->setupForType();
    return banner;
}

void KGSMView::commonSetup()
{
    auto element = KThemes::uiElementColor(KThemes::currentTheme()->uiTheme());
    if (auto label = messageLabel()) {
        label->setFont(platform::UIFont::systemFont(12));
        label->setTextColor(element);
    }
    if (auto button = actionButton())
        button->setTitleColor(element, platform::UIControlState::normal);
}

void KGSMView::setupForType()
{
    switch (m_type) {
    case GSMViewType::success:
        setBackgroundColor(KDefaultConstants::MSG_POSITIVE_UI_COLOR());
        platform::debugLog(".Success probably loaded from nib?");
        break;
    case GSMViewType::warning:
        setBackgroundColor(KDefaultConstants::ACCENT_UI_COLOR());
        platform::debugLog(".Warning is undefined yet");
        break;
    case GSMViewType::error:
        setBackgroundColor(KDefaultConstants::MSG_NEGATIVE_UI_COLOR());
        platform::debugLog("setting up error gsm");
        break;
    }
}

double KGSMView::messageWidth(double bannerWidth) const
{
    const double right = actionButton() ? buttonWidth + 2 * sideMargin : sideMargin;
    return std::max(0.0, bannerWidth - sideMargin - right);
}

platform::CGSize KGSMView::sizeThatFits(platform::CGSize size) const
{
    double textHeight = 0;
    if (auto label = messageLabel())
        textHeight = label->sizeThatFits({messageWidth(size.width), std::numeric_limits<double>::infinity()}).height;
    return {size.width, std::max(minimumHeight, textHeight + 2 * verticalInset)};
}

void KGSMView::fitToWidth(double width)
{
    auto place = frame();
    place.size = sizeThatFits({width, 0});
    setFrame(place);
    placeContent();
}

void KGSMView::layoutSubviews()
{
    platform::UIView::layoutSubviews();
    placeContent();
}

void KGSMView::placeContent()
{
    const auto size = bounds().size;
    if (auto label = messageLabel())
        label->setFrame(platform::CGRect(sideMargin, verticalInset, messageWidth(size.width),
                                         std::max(0.0, size.height - 2 * verticalInset)));
    if (auto button = actionButton())
        button->setFrame(platform::CGRect(size.width - sideMargin - buttonWidth, (size.height - buttonHeight) / 2,
                                          buttonWidth, buttonHeight));
}

void KGSMView::staticSetupGSMView(const KGSMView& view)
{
    switch (view.type()) {
    case GSMViewType::success: platform::debugLog(".Success probably loaded from nib?"); break;
    case GSMViewType::warning: platform::debugLog(".Warning is undefined at his point"); break;
    case GSMViewType::error: platform::debugLog("setting up error gsm"); break;
    }
}

} // namespace tavro
