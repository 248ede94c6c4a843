#pragma once
// UIViewController: manages one screen: its root view (made lazily), its appearance callbacks, its
// child controllers and the controllers it presents modally.
//
// Creation: NSObject::create<UIViewController>() (or a subclass), optionally with a nib name and
// bundle; no view is made until view() is first asked for. Then loadView() runs (the nib's builder
// connects the view, or a plain view the size of the main screen is made) and then viewDidLoad().
//
// Appearance: viewWillAppear / viewWillDisappear are called when a transition starts and
// viewDidAppear / viewDidDisappear when it has finished on the run-loop clock (0.3 s when animated,
// the next turn when not). A layout pass of the window runs right before viewDidAppear. Containers
// forward their own appearance changes to the children whose views are in their view.
// Transitions: when one controller disappears and another appears, the order is
//   outgoing.viewWillDisappear, incoming.viewWillAppear, ..., outgoing.viewDidDisappear,
//   incoming.viewDidAppear.
//
// Presentation: present() shows a controller over the window, in a container on top of everything
// in it. Presenting from a child controller presents from its topmost ancestor, which becomes the
// presentingViewController; presentedViewController answers through the ancestors too. Only
// full-screen presentations call the presenter's appearance callbacks.
//
// Ownership: the controller holds its view, navigation item, children and presented controller
// strongly; the parent and the presenting controller are weak. Pending transitions hold the
// controllers weakly and are dropped with the run loop's timers.
#include "platform/graphics/UIEdgeInsets.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewControllerTypes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Bundle;
class NSLayoutConstraint;
class Timer;
class UILayoutGuide;
class UINavigationItem;
class UINavigationController;
class UIPopoverPresentationController;
class UIViewController;

using UIViewControllerPtr = std::shared_ptr<UIViewController>;

class UIViewController : public UIViewOwningController {
public:
    // Without a nib the root view is a plain view the size of the main screen. With a nib name the
    // nib's builder, run with this controller as owner, must call setView() (the "view" outlet).
    explicit UIViewController(std::optional<std::string> nibName = std::nullopt,
                              std::shared_ptr<Bundle> nibBundle = nullptr);
    ~UIViewController() override;

    const std::optional<std::string>& nibName() const { return m_nibName; }
    const std::shared_ptr<Bundle>& nibBundle() const { return m_nibBundle; }

    // --- the root view ---
    // Loads the view first if needed (loadView, then viewDidLoad).
    UIViewPtr view();
    // The view if it is loaded, else null; never loads.
    UIViewPtr viewIfLoaded() const { return m_view; }
    bool isViewLoaded() const { return m_view != nullptr; }
    void loadViewIfNeeded();
    // Replaces the root view (null unloads it). The view's owning controller becomes this one.
    void setView(const UIViewPtr& view);
    // Makes the root view; overrides either call setView() or the base (which loads the nib or
    // makes a plain view the size of the main screen).
    virtual void loadView();
    // Called once, right after the view was loaded.
    virtual void viewDidLoad() {}

    // --- title and navigation ---
    const std::optional<std::string>& title() const { return m_title; }
    // Also becomes the title of navigationItem().
    virtual void setTitle(std::optional<std::string> title);
    // The item that represents this controller in a navigation bar; made on first use.
    std::shared_ptr<UINavigationItem> navigationItem();
    // The nearest ancestor that is a navigation controller (the parent chain), if any.
    std::shared_ptr<UINavigationController> navigationController() const;

    // --- appearance ---
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}
    // Starts an appearance change: calls viewWillAppear / viewWillDisappear unless the controller
    // is already appearing (appeared) or disappearing (disappeared), and forwards it to the
    // children in the view. Containers use these for their children.
    void beginAppearanceTransition(bool isAppearing, bool animated);
    // Ends the change begun last: lays out the window, then viewDidAppear / viewDidDisappear.
    void endAppearanceTransition();
    // True from viewWillAppear until viewWillDisappear.
    bool isAppearingOrAppeared() const;
    // True once viewDidAppear ran and until viewWillDisappear.
    bool hasAppeared() const;

    // --- status bar and rotation ---
    virtual UIStatusBarStyle preferredStatusBarStyle() const { return UIStatusBarStyle::default_; }
    virtual bool prefersStatusBarHidden() const { return false; }
    // The child whose answer stands for this controller's (none by default).
    virtual UIViewControllerPtr childViewControllerForStatusBarStyle() const { return nullptr; }
    // The status bar reads the answers when asked; this only marks that they may have changed.
    void setNeedsStatusBarAppearanceUpdate();
    virtual UIInterfaceOrientationMask supportedInterfaceOrientations() const
    {
        return UIInterfaceOrientationMask::allButUpsideDown;
    }
    virtual bool shouldAutorotate() const { return true; }

    // --- insets ---
    // Insets of the area that bars of containers leave free (zero unless a container covers part
    // of the view with a translucent bar).
    UIEdgeInsets safeAreaInsets() const { return m_safeAreaInsets; }
    void setSafeAreaInsets(const UIEdgeInsets& insets);
    // Extra insets the controller adds to its own safe area (zero by default).
    UIEdgeInsets additionalSafeAreaInsets() const { return m_additionalSafeAreaInsets; }
    void setAdditionalSafeAreaInsets(const UIEdgeInsets& insets);
    // Lengths of the top and bottom layout guides: how far the bars reach into the view.
    double topLayoutGuideLength() const { return m_safeAreaInsets.top + m_additionalSafeAreaInsets.top; }
    double bottomLayoutGuideLength() const { return m_safeAreaInsets.bottom + m_additionalSafeAreaInsets.bottom; }
    // Layout guides in the root view along its top and bottom edges, full width, as high as the
    // lengths above (they follow changes); made on first use, which loads the view. Constraints
    // may use them like views (a bottom pinned above the bottom guide's top).
    std::shared_ptr<UILayoutGuide> topLayoutGuide();
    std::shared_ptr<UILayoutGuide> bottomLayoutGuide();

    // --- children ---
    const std::vector<UIViewControllerPtr>& childViewControllers() const { return m_children; }
    UIViewControllerPtr parentViewController() const { return m_parent.lock(); }
    // Adds `child` (removing it from a former parent); calls child->willMove(this). The container
    // places the child's view and calls child->didMove(this) itself. Null, self or an ancestor:
    // logged and ignored.
    void addChildViewController(const UIViewControllerPtr& child);
    // Removes this controller from its parent; calls didMove(null). The container calls
    // willMove(null) first and takes the view out itself.
    void removeFromParentViewController();
    virtual void willMoveToParentViewController(const UIViewControllerPtr& /*parent*/) {}
    virtual void didMoveToParentViewController(const UIViewControllerPtr& /*parent*/) {}

    // --- presentation ---
    UIModalPresentationStyle modalPresentationStyle() const { return m_modalPresentationStyle; }
    void setModalPresentationStyle(UIModalPresentationStyle style);
    // The popover controller of a popover presentation (made on first use); null for other styles.
    std::shared_ptr<UIPopoverPresentationController> popoverPresentationController();

    // Presents `controller` over the window of this controller's view (see the file comment);
    // `completion` runs once the transition has finished. Logged and ignored, without completion:
    // a null controller, one already presented or in a container, a presenter that already
    // presents one, is being dismissed or whose view is not in a window. A dismissal also takes
    // down what is presented on the dismissed controller.
    void present(const UIViewControllerPtr& controller, bool animated, std::function<void()> completion = {});
    // Dismisses the controller this one (or an ancestor) presents, with everything presented above
    // it; when none, dismisses this controller (or its presented ancestor) itself. `completion` runs
    // once the transition has finished; with nothing to dismiss it runs in the next turn.
    void dismiss(bool animated, std::function<void()> completion = {});
    // The controller presented by this one or by the nearest ancestor that presents one.
    UIViewControllerPtr presentedViewController() const;
    // The controller that presented this one or its nearest presented ancestor.
    UIViewControllerPtr presentingViewController() const;
    bool isBeingPresented() const { return m_presentationPhase == PresentationPhase::presenting; }
    bool isBeingDismissed() const { return m_presentationPhase == PresentationPhase::dismissing; }

    // Finishes a transition of this controller that is still running on the clock, now.
    void completePendingTransition();
    bool hasPendingTransition() const;

    // The view's superview (the window or the containing view), else the presenting controller.
    std::shared_ptr<UIResponder> nextResponder() const override;

protected:
    // Schedules `finish` to run after `duration` seconds (0: the next turn) as this controller's
    // pending transition; a pending one is completed first.
    void scheduleTransition(double duration, std::function<void()> finish);

    static constexpr double transitionDuration = 0.3;

private:
    friend class UIWindow;
    friend class UIViewControllerPresentation;

    enum class AppearanceState { disappeared, appearing, appeared, disappearing };
    enum class PresentationPhase { none, presenting, presented, dismissing };

    void forwardAppearanceToChildren(bool begin, bool isAppearing, bool animated);
    std::shared_ptr<UILayoutGuide> makeLayoutGuide(bool top);
    void updateLayoutGuideLengths();
    UIViewControllerPtr topmostAncestor();

    std::optional<std::string> m_nibName;
    std::shared_ptr<Bundle> m_nibBundle;
    UIViewPtr m_view;
    bool m_loadingView = false;
    std::optional<std::string> m_title;
    std::shared_ptr<UINavigationItem> m_navigationItem;

    AppearanceState m_appearanceState = AppearanceState::disappeared;
    bool m_lastAppearanceAnimated = false;

    UIEdgeInsets m_safeAreaInsets;
    UIEdgeInsets m_additionalSafeAreaInsets;
    std::shared_ptr<UILayoutGuide> m_topLayoutGuide;
    std::shared_ptr<UILayoutGuide> m_bottomLayoutGuide;
    std::shared_ptr<NSLayoutConstraint> m_topGuideHeight;
    std::shared_ptr<NSLayoutConstraint> m_bottomGuideHeight;

    std::vector<UIViewControllerPtr> m_children;
    std::weak_ptr<UIViewController> m_parent;

    UIModalPresentationStyle m_modalPresentationStyle = UIModalPresentationStyle::fullScreen;
    std::shared_ptr<UIPopoverPresentationController> m_popover;
    UIViewControllerPtr m_presented;
    std::weak_ptr<UIViewController> m_presenting;
    PresentationPhase m_presentationPhase = PresentationPhase::none;
    // The full-screen container the presented view sits in while presented (held by the window).
    std::weak_ptr<UIView> m_presentationContainer;

    std::weak_ptr<std::function<void()>> m_pendingTransition;
    std::weak_ptr<Timer> m_pendingTimer;
};

} // namespace platform
