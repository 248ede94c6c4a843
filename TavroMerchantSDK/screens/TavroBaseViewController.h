#pragma once
// TavroBaseViewController: base of the framework's review screens: paints the configured
// background, asks for light status-bar text, portrait only, and carries the status-banner
// hook: every screen built on it can show a status banner (showGSM). Make with
// NSObject::create<T>() (or with a nib name and bundle). Main thread only.

#include "TavroMerchantSDK/controls/KViewControllerWithGSM.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UIViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TavroBaseViewController : public platform::UIViewController, public KViewControllerWithGSM {
public:
    explicit TavroBaseViewController(std::optional<std::string> nibName = std::nullopt,
                                     std::shared_ptr<platform::Bundle> nibBundle = nullptr);

    // Stored for the banner protocol; none at start.
    const std::function<void()>& animationClosure() const override { return m_animationClosure; }
    void setAnimationClosure(std::function<void()> closure) override { m_animationClosure = std::move(closure); }

    // Seconds a status banner stays on screen.
    double GSMDuration() const { return m_GSMDuration; }

    // The platform's view loading, then the configuration's background colour.
    void viewDidLoad() override;

    platform::UIStatusBarStyle preferredStatusBarStyle() const override;
    platform::UIInterfaceOrientationMask supportedInterfaceOrientations() const override;
    bool shouldAutorotate() const override;

private:
    std::function<void()> m_animationClosure;
    double m_GSMDuration = 4.0;
};

} // namespace tavro
