#pragma once
// TAVRONavigationBaseController: the framework's navigation controller base: an opaque, flat bar
// (no hairline), light status-bar text, portrait only. Its class is also the anchor by which the
// framework finds its own resource bundle. It is its bar's delegate (through the platform
// navigation controller) and implements none of the delegate's methods itself.
// Make with NSObject::create<T>(root) (styled) or NSObject::create<T>(nibName, bundle) (unstyled,
// nib from the framework bundle). Main thread only.

#include "platform/foundation/Bundle.h"
#include "platform/ui/UINavigationController.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVRONavigationBaseController : public platform::UINavigationController {
public:
    // Pushes `rootViewController`, then styles the bar.
    explicit TAVRONavigationBaseController(platform::UIViewControllerPtr rootViewController);
    // Loads the nib from the framework's own bundle, whatever `nibBundle` is; no bar styling.
    TAVRONavigationBaseController(std::optional<std::string> nibName, std::shared_ptr<platform::Bundle> nibBundle);

    platform::UIStatusBarStyle preferredStatusBarStyle() const override;
    platform::UIInterfaceOrientationMask supportedInterfaceOrientations() const override;
    bool shouldAutorotate() const override;

protected:
    void didCreate() override;

private:
    void styleBar();

    bool m_stylesBar;
};

} // namespace tavro
