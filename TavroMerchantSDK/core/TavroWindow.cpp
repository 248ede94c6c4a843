#include "TavroMerchantSDK/core/TavroWindow.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIViewController.h"

namespace tavro {

using platform::CGRect;
using platform::UIView;
using platform::UIViewAnimationOptions;

namespace {

// The first controller above `root` whose dismissal has begun and is still running.
platform::UIViewControllerPtr leavingController(const platform::UIViewControllerPtr& root)
{
    for (auto shown = root ? root->presentedViewController() : nullptr; shown; shown = shown->presentedViewController())
        if (shown->isBeingDismissed() && shown->hasPendingTransition())
            return shown;
    return nullptr;
}

} // namespace

void TavroWindow::sendEvent(const std::shared_ptr<platform::UIEvent>& event)
{
    platform::UIWindow::sendEvent(event);
    platform::NotificationCenter::defaultCenter().post(StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
}

void TavroWindow::makeKeyAndVisible()
{
    setBackgroundColor(platform::UIColor::clear());
    platform::UIWindow::makeKeyAndVisible();
    auto root = rootViewController();
    if (!root)
        return;
    auto view = root->view();
    CGRect frame = view->frame();
    view->setFrame({0, frame.height(), frame.width(), frame.height()});
    std::weak_ptr<UIView> weakView = view;
    UIView::animate(animationTime, 0, UIViewAnimationOptions::curveEaseOut, [weakView, frame] {
        if (auto content = weakView.lock())
            content->setFrame({0, 0, frame.width(), frame.height()});
    });
}

void TavroWindow::hideRootWindowView(std::function<void()> completion)
{
    auto root = rootViewController();
    if (!root)
        return;
    auto view = root->view();
    view->endEditing(true);
    CGRect frame = view->frame();
    view->setFrame({0, 0, frame.width(), frame.height()});
    std::weak_ptr<UIView> weakView = view;
    UIView::animate(
        animationTime, 0, UIViewAnimationOptions::curveEaseOut,
        [weakView, frame] {
            if (auto content = weakView.lock())
                content->setFrame({0, frame.height(), frame.width(), frame.height()});
        },
        [completion = std::move(completion)](bool) {
            if (completion)
                completion();
        });
}

void TavroWindow::settleContent()
{
    endEditing(true);
    while (auto leaving = leavingController(rootViewController()))
        leaving->completePendingTransition();
}

} // namespace tavro
