#pragma once
// KViewControllerWithGSM: what a view controller adopts to show status banners. A conformer is a
// platform::UIViewController that also derives from this class and stores `animationClosure`;
// the operations below work on that controller (called on an object that is not a view
// controller they write one debug line and do nothing).
//
// A banner slides in over 1 s, stays 2 s, slides out over 1 s and is then removed: about 4 s in
// all, on the run-loop clock. Each call shows its own banner; nothing queues or replaces earlier
// ones. Only the queued animation blocks hold a banner. Main thread.

#include "TavroMerchantSDK/controls/KGSMView.h"

#include "platform/ui/UINavigationBar.h"
#include "platform/ui/UIViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavro {

class KViewControllerWithGSM {
public:
    static constexpr double slideInDuration = 1.0;
    static constexpr double holdDuration = 2.0;
    static constexpr double slideOutDuration = 1.0;

    virtual ~KViewControllerWithGSM() = default;

    // Stored by each conformer; nothing here reads or calls it.
    virtual const std::function<void()>& animationClosure() const = 0;
    virtual void setAnimationClosure(std::function<void()> closure) = 0;

    // Shows one banner of `type` with `text` (none: empty) and, with `buttonTitle`, its action
    // button (without one the button is removed). Over a visible navigation bar the banner slides
    // down over the bar (`alwaysFromTop`) or out from under it; otherwise it slides in at the top
    // of the controller's view, under the status bar. A banner that cannot be loaded shows nothing.
    void showGSM(KGSMView::GSMViewType type, std::optional<std::string> text, std::optional<std::string> buttonTitle,
                 bool alwaysFromTop);
    void showGSM(KGSMView::GSMViewType type, std::optional<std::string> text, std::optional<std::string> buttonTitle);
    void showGSM(KGSMView::GSMViewType type, std::optional<std::string> text);
    // Removes `view` from its superview.
    void hideGSM(const platform::UIViewPtr& view);

    // The steps of showGSM. Both attach steps first size the banner to the controller's width and
    // its whole message, so its height, the slide distance, is final before it is attached.
    // Hidden, as the last subview of `view`, just above its visible top, full controller width.
    void attachGSM(const std::shared_ptr<KGSMView>& banner, const platform::UIViewPtr& view);
    // Hidden, in the bar's superview above the bar just over its top (`onTop`), or below the bar
    // just behind it; a bar without superview leaves the banner unattached (its frame is set).
    void attachGSMViewtoNavBar(const std::shared_ptr<KGSMView>& banner,
                               const std::shared_ptr<platform::UINavigationBar>& navBar, bool onTop);
    // Queues the slide in, hold, slide out and removal on the main queue.
    void animateGSMView(const std::shared_ptr<KGSMView>& banner);

private:
    platform::UIViewController* controller(const char* operation);
    void sizeBanner(KGSMView& banner);
    void placeBanner(KGSMView& banner, double top);
};

} // namespace tavro
