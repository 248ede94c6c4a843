#include "TavroMerchantSDK/controls/KViewControllerWithGSM.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIViewController.h"

namespace tavro {

using platform::UIViewAnimationOptions;
using platform::UIViewAutoresizing;

platform::UIViewController* KViewControllerWithGSM::controller(const char* operation)
{
    auto* viewController = dynamic_cast<platform::UIViewController*>(this);
    if (!viewController)
        platform::debugLog(std::string(operation) + ": the banner needs a view controller");
    return viewController;
}

void KViewControllerWithGSM::showGSM(KGSMView::GSMViewType type, std::optional<std::string> text)
{
    showGSM(type, std::move(text), std::nullopt, true);
}

void KViewControllerWithGSM::showGSM(KGSMView::GSMViewType type, std::optional<std::string> text,
                                     std::optional<std::string> buttonTitle)
{
    showGSM(type, std::move(text), std::move(buttonTitle), true);
}

void KViewControllerWithGSM::showGSM(KGSMView::GSMViewType type, std::optional<std::string> text,
                                     std::optional<std::string> buttonTitle, bool alwaysFromTop)
{
    auto* viewController = controller("showGSM");
    if (!viewController)
        return;
    auto banner = KGSMView::createGSMView(type);
    if (!banner)
        return;
    // The content first: attaching sizes the banner to it.
    banner->messageLabel()->setText(std::move(text));
    if (auto button = banner->actionButton()) {
        if (buttonTitle)
            button->setTitle(std::move(buttonTitle), platform::UIControlState::normal);
        else
            button->removeFromSuperview();
    }
    auto navigation = viewController->navigationController();
    auto bar = navigation ? navigation->navigationBar() : nullptr;
    if (bar && !navigation->isNavigationBarHidden() && !bar->isHidden())
        attachGSMViewtoNavBar(banner, bar, alwaysFromTop);
    else
        attachGSM(banner, viewController->view());
    animateGSMView(banner);
}

void KViewControllerWithGSM::hideGSM(const platform::UIViewPtr& view)
{
    if (view)
        view->removeFromSuperview();
}

void KViewControllerWithGSM::sizeBanner(KGSMView& banner)
{
    auto* viewController = controller("showGSM");
    banner.fitToWidth(viewController ? viewController->view()->frame().size.width : banner.frame().size.width);
}

void KViewControllerWithGSM::placeBanner(KGSMView& banner, double top)
{
    banner.setFrame(platform::CGRect(platform::CGPoint{0, top}, banner.frame().size));
    banner.setClipsToBounds(false);
    banner.setTranslatesAutoresizingMaskIntoConstraints(true);
    banner.setAutoresizingMask(UIViewAutoresizing::flexibleLeftMargin | UIViewAutoresizing::flexibleRightMargin |
                               UIViewAutoresizing::flexibleTopMargin | UIViewAutoresizing::flexibleBottomMargin);
}

void KViewControllerWithGSM::attachGSM(const std::shared_ptr<KGSMView>& banner, const platform::UIViewPtr& view)
{
    if (!banner || !view)
        return;
    banner->removeFromSuperview();
    banner->setHidden(true);
    sizeBanner(*banner);
    view->addSubview(banner);
    const auto& application = platform::UIApplication::shared();
    double statusBar = application->isStatusBarHidden() ? 0 : application->statusBarFrame().size.height;
    placeBanner(*banner, statusBar + view->frame().origin.y - banner->frame().size.height);
}

void KViewControllerWithGSM::attachGSMViewtoNavBar(const std::shared_ptr<KGSMView>& banner,
                                                   const std::shared_ptr<platform::UINavigationBar>& navBar, bool onTop)
{
    if (!banner || !navBar)
        return;
    banner->removeFromSuperview();
    banner->setHidden(true);
    sizeBanner(*banner);
    const auto barFrame = navBar->frame();
    const double height = banner->frame().size.height;
    if (auto superview = navBar->superview()) {
        if (onTop)
            superview->insertSubviewAbove(banner, navBar);
        else
            superview->insertSubviewBelow(banner, navBar);
    }
    placeBanner(*banner, onTop ? barFrame.origin.y - height : barFrame.origin.y + barFrame.size.height - height);
}

void KViewControllerWithGSM::animateGSMView(const std::shared_ptr<KGSMView>& banner)
{
    if (!banner)
        return;
    // The queued blocks hold the banner until it is removed; nothing else does.
    platform::DispatchQueue::main().asyncAfter(0, [banner] {
        banner->setHidden(false);
        const double height = banner->frame().size.height;
        platform::UIView::animate(
            slideInDuration, 0, UIViewAnimationOptions::curveEaseOut,
            [&] {
                auto center = banner->center();
                banner->setCenter({center.x, center.y + height});
            },
            [banner, height](bool finished) {
                if (!finished) {
                    banner->removeFromSuperview();
                    return;
                }
                platform::UIView::animate(
                    slideOutDuration, holdDuration, UIViewAnimationOptions::curveEaseIn,
                    [&] {
                        auto center = banner->center();
                        banner->setCenter({center.x, center.y - height});
                    },
                    [banner](bool) { banner->removeFromSuperview(); });
            });
    });
}

} // namespace tavro
