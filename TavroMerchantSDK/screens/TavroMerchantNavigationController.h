#pragma once
// TavroMerchantNavigationController: the navigation controller of every flow. Colours its bar from
// the session's configuration, gives every pushed screen (the root included) the back button, and
// ends the flow when that button is pressed on the first screen.
// Make with NSObject::create<TavroMerchantNavigationController>(root). Main thread only.

#include "TavroMerchantSDK/screens/TAVRONavigationBaseController.h"
#include "platform/ui/UINavigationItem.h"

#include <memory>

namespace tavro {

class TavroMerchantNavigationController : public TAVRONavigationBaseController {
public:
    // The base styling, then the configured bar colours and bold 20-point title.
    explicit TavroMerchantNavigationController(platform::UIViewControllerPtr rootViewController);
    // No styling.
    TavroMerchantNavigationController(std::optional<std::string> nibName, std::shared_ptr<platform::Bundle> nibBundle);

    // Decorates the screen's navigation item with the back button, then pushes it, always
    // animated (`animated` is not consulted).
    void pushViewController(const platform::UIViewControllerPtr& viewController, bool animated) override;

    // With a back bar button item already set: that item is replaced by a plain item showing the
    // configuration's back image (no action). Otherwise the left items become a -10 point fixed
    // space and the back button ("Back_Button"): a round KSecondaryButtonIcon showing the
    // configuration's back image, the active action colour while pressed, which calls popAction().
    void addLeftBarButtonItem(const std::shared_ptr<platform::UINavigationItem>& navigationItem);

    // The back button's action: pops one screen; at the root it closes the framework window
    // (no result callback). Then, in the request-payment flow, clears the request sub-session's
    // isUpdated.
    void popAction();

    // Size of the back button, in points.
    static constexpr double backButtonSize = 40;
    // Width of the space that pulls the back button towards the screen edge.
    static constexpr double backButtonEdgeSpace = -10;

protected:
    void didCreate() override;

private:
    void applyConfiguredColors();

    bool m_appliesColors;
};

} // namespace tavro
