#include "TavroMerchantSDK/controls/KGSMViewNib.h"

#include "TavroMerchantSDK/controls/KGSMView.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"

#include "platform/foundation/ResetForTesting.h"
#include "platform/foundation/NibRegistry.h"

#include <typeindex>

namespace tavro {

namespace {

using platform::CGRect;
using platform::UIViewAutoresizing;

constexpr double kBannerWidth = 375;
constexpr double kBannerHeight = 60;
constexpr double kMargin = 16;
constexpr double kButtonWidth = 80;

platform::NibRegistry::TopLevelObjects buildBanner(const std::shared_ptr<void>&)
{
    auto banner = platform::NSObject::create<KGSMView>(CGRect(0, 0, kBannerWidth, kBannerHeight));
    auto label = platform::NSObject::create<platform::UILabel>(
        CGRect(kMargin, 8, kBannerWidth - 3 * kMargin - kButtonWidth, kBannerHeight - 16));
    label->setNumberOfLines(2);
    label->setAutoresizingMask(UIViewAutoresizing::flexibleWidth);
    label->setAccessibilityIdentifier("GSM_Message");
    auto button = platform::NSObject::create<platform::UIButton>(
        CGRect(kBannerWidth - kMargin - kButtonWidth, 8, kButtonWidth, kBannerHeight - 16));
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
