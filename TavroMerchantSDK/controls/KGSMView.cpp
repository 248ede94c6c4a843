#include "TavroMerchantSDK/controls/KGSMView.h"

#include "TavroMerchantSDK/controls/KGSMViewNib.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

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

void KGSMView::staticSetupGSMView(const KGSMView& view)
{
    switch (view.type()) {
    case GSMViewType::success: platform::debugLog(".Success probably loaded from nib?"); break;
    case GSMViewType::warning: platform::debugLog(".Warning is undefined at his point"); break;
    case GSMViewType::error: platform::debugLog("setting up error gsm"); break;
    }
}

} // namespace tavro
