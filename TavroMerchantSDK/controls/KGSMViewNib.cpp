#include "TavroMerchantSDK/controls/KGSMViewNib.h"

#include "TavroMerchantSDK/controls/KGSMView.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"

#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/ResetForTesting.h"

#include <typeindex>

namespace tavro {

namespace {

using platform::CGRect;
using platform::UIViewAutoresizing;

constexpr double kBannerWidth = 375;

platform::NibRegistry::TopLevelObjects buildBanner(const std::shared_ptr<void>&)
{
    constexpr double margin = KGSMView::sideMargin;
    constexpr double inset = KGSMView::verticalInset;
    auto banner = platform::NSObject::create<KGSMView>(CGRect(0, 0, kBannerWidth, KGSMView::minimumHeight));
    auto label = platform::NSObject::create<platform::UILabel>(
        CGRect(margin, inset, kBannerWidth - 3 * margin - KGSMView::buttonWidth, KGSMView::minimumHeight - 2 * inset));
    label->setNumberOfLines(0);
    label->setAutoresizingMask(UIViewAutoresizing::flexibleWidth);
    label->setAccessibilityIdentifier("GSM_Message");
    auto button = platform::NSObject::create<platform::UIButton>(
        CGRect(kBannerWidth - margin - KGSMView::buttonWidth, inset, KGSMView::buttonWidth, KGSMView::buttonHeight));
    button->setAutoresizingMask(UIViewAutoresizing::flexibleLeftMargin);
    button->setAccessibilityIdentifier("GSM_Action");
    banner->addSubview(label);
    banner->addSubview(button);
    banner->setMessageLabel(label);
    banner->setActionButton(button);
    banner->awakeFromNib();
    return {nibObject(banner)};
}

} // namespace

void registerKitNibs()
{
    platform::NibRegistry::registerNib(bundleForClass(std::type_index(typeid(KGSMView))), "KGSMView", buildBanner);
}

void registerKitNibsOnce()
{
    static const bool registered = [] {
        registerKitNibs();
        // A test reset empties the nib registry; the banner nib comes back with it.
        platform::registerResetForTesting(registerKitNibs);
        return true;
    }();
    (void)registered;
}

} // namespace tavro
