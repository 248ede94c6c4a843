#pragma once
// UINavigationController: a stack of screens with a navigation bar. The top controller's view fills
// the content area; pushing and popping animate on the run-loop clock (0.3 s, or the next turn when
// not animated) with both screens' appearance callbacks while the navigation controller is on
// screen: outgoing.viewWillDisappear, incoming.viewWillAppear, ..., outgoing.viewDidDisappear,
// incoming.viewDidAppear. While a transition is pending the view takes no touches (hit testing finds
// nothing there).
//
// Content area: below the status bar (20 points unless hidden) and the 44-point bar, starting at
// y 64, while the bar is shown and opaque; the whole view while the bar is hidden or translucent.
// Under a shown translucent bar the top controller's safe-area top inset is the bar's bottom edge.
//
// Creation: NSObject::create<UINavigationController>(root) (or create(root)) pushes the root through
// the overridable pushViewController(), not animated, after construction (in didCreate), so a
// subclass's push override sees the root too.
#include "platform/ui/UINavigationBar.h"
#include "platform/ui/UIViewController.h"

#include <memory>
#include <vector>

namespace platform {

class UIGestureRecognizer;

class UINavigationController : public UIViewController, public UINavigationBarDelegate {
public:
    // An empty stack; a root given here is pushed when creation finishes.
    explicit UINavigationController(UIViewControllerPtr rootViewController = nullptr);
    UINavigationController(std::optional<std::string> nibName, std::shared_ptr<Bundle> nibBundle);

    using NSObject::create;
    static std::shared_ptr<UINavigationController> create(const UIViewControllerPtr& rootViewController);

    // Bottom to top.
    const std::vector<UIViewControllerPtr>& viewControllers() const { return m_viewControllers; }
    UIViewControllerPtr topViewController() const;
    // What the user sees: the top controller, or what it (or this controller) presents.
    UIViewControllerPtr visibleViewController() const;

    // Pushes a controller on top. Null, already in the stack, or in another container: logged and
    // ignored. A transition still running finishes first.
    virtual void pushViewController(const UIViewControllerPtr& controller, bool animated);
    // Pops the top controller and returns it; at the root nothing is popped and null is returned.
    // A first responder inside the popped screen is resigned at once.
    virtual UIViewControllerPtr popViewController(bool animated);

    const std::shared_ptr<UINavigationBar>& navigationBar() const { return m_navigationBar; }
    bool isNavigationBarHidden() const { return m_navigationBarHidden; }
    void setNavigationBarHidden(bool hidden) { setNavigationBarHidden(hidden, false); }
    // Animated changes are recorded as a 0.2 s view animation; the layout changes at once.
    virtual void setNavigationBarHidden(bool hidden, bool animated);
    // Edge-swipe back gesture: this toolkit has none (null).
    std::shared_ptr<UIGestureRecognizer> interactivePopGestureRecognizer() const { return nullptr; }

    // Where the top controller's view goes, in this controller's view.
    CGRect contentFrame() const;

    void loadView() override;
    // The bar's back button pops the top controller (animated) instead of letting the bar pop.
    bool navigationBarShouldPop(UINavigationBar& bar, UINavigationItem& item) override;

    static constexpr double hideShowBarDuration = 0.2;

protected:
    void didCreate() override;

private:
    friend class UINavigationControllerView;
    enum class StackChange { push, pop };
    // Both screens' appearance callbacks around a push or pop on the clock; at its end the outgoing
    // view leaves, and the pushed controller is told it moved in (the popped one is removed).
    void runStackTransition(const UIViewControllerPtr& outgoing, const UIViewControllerPtr& incoming, bool animated,
                            StackChange change);
    void installTopView();
    void placeViews();
    void updateSafeArea(UIViewController& controller) const;
    bool isOnScreen() const;

    UIViewControllerPtr m_pendingRoot;
    std::vector<UIViewControllerPtr> m_viewControllers;
    std::shared_ptr<UINavigationBar> m_navigationBar;
    bool m_navigationBarHidden = false;
};

} // namespace platform
