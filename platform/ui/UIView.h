#pragma once
// UIView: a rectangle of the screen in a tree of views, backed by its own CALayer.
//
// Geometry lives in the layer: `center` is the layer's position, `bounds` its bounds, `transform`
// its affine transform (applied around the centre), `frame` the bounding box of the transformed
// bounds in the superview. Setting the frame sets centre and bounds size.
//
// Ownership: a view holds its subviews, layer and gesture recognizers strongly; the superview, the
// owning controller and the layer's delegate pointer back to the view are weak.
//
// Creation: NSObject::create<UIView>(frame) (or any subclass) constructs and then runs didCreate(),
// where subclasses do their setup (call the base first).
//
// Layout: setNeedsLayout() marks a view; layoutIfNeeded() runs a pass over the tree: updateConstraints()
// bottom-up where needed, the constraint engine solves, then layoutSubviews() top-down where needed.
// The base layoutSubviews() applies solved frames to the subviews. Windows run the pass at the end of
// every run-loop turn (layoutAllWindowsIfNeeded()).
#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIViewAnimation.h"
#include "platform/ui/UIViewTypes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UIWindow;
class UIView;
class UIGestureRecognizer;
class NSLayoutConstraint;
class UILayoutGuide;

using UIViewPtr = std::shared_ptr<UIView>;

// What a view controller is to its root view: the view's next responder, told around the view's
// layoutSubviews().
class UIViewOwningController : public UIResponder {
public:
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}
};

class UIView : public UIResponder, public CALayerDelegate {
public:
    explicit UIView(const CGRect& frame = CGRect());
    ~UIView() override;

    const std::shared_ptr<CALayer>& layer() const { return m_layer; }

    // --- geometry ---
    CGRect frame() const;
    virtual void setFrame(const CGRect& frame);
    CGRect bounds() const;
    virtual void setBounds(const CGRect& bounds);
    CGPoint center() const;
    virtual void setCenter(CGPoint center);
    CGAffineTransform transform() const;
    virtual void setTransform(const CGAffineTransform& transform);

    // --- appearance ---
    // 0..1 (clamped).
    double alpha() const;
    virtual void setAlpha(double alpha);
    bool isHidden() const;
    virtual void setHidden(bool hidden);
    UIColorPtr backgroundColor() const;
    virtual void setBackgroundColor(UIColorPtr color);
    bool isOpaque() const;
    void setOpaque(bool opaque);
    bool clipsToBounds() const;
    void setClipsToBounds(bool clips);
    UIViewContentMode contentMode() const { return m_contentMode; }
    virtual void setContentMode(UIViewContentMode mode);
    // The effective tint: this view's own tint, else the nearest ancestor's, else system blue.
    UIColorPtr tintColor() const;
    // Null makes the view inherit again. Calls tintColorDidChange() on this view and on every
    // descendant whose effective tint changed.
    virtual void setTintColor(UIColorPtr color);
    // The tint this view set itself (null when inherited).
    const UIColorPtr& ownTintColor() const { return m_tintColor; }
    virtual void tintColorDidChange() {}

    // --- interaction and identity ---
    bool isUserInteractionEnabled() const { return m_userInteractionEnabled; }
    virtual void setUserInteractionEnabled(bool enabled) { m_userInteractionEnabled = enabled; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // This view if its tag matches, else the first match in a depth-first search of the subviews.
    UIViewPtr viewWithTag(int tag);
    const std::optional<std::string>& accessibilityIdentifier() const { return m_accessibilityIdentifier; }
    void setAccessibilityIdentifier(std::optional<std::string> identifier)
    {
        m_accessibilityIdentifier = std::move(identifier);
    }
    const std::optional<std::string>& accessibilityLabel() const { return m_accessibilityLabel; }
    void setAccessibilityLabel(std::optional<std::string> label) { m_accessibilityLabel = std::move(label); }
    bool isAccessibilityElement() const { return m_accessibilityElement; }
    void setIsAccessibilityElement(bool element) { m_accessibilityElement = element; }

    // --- hierarchy ---
    UIViewPtr superview() const { return m_superview.lock(); }
    // Back to front (drawing order).
    const std::vector<UIViewPtr>& subviews() const { return m_subviews; }
    // The highest ancestor (this view when it has no superview).
    UIViewPtr topmostAncestor() const;
    // The window the view is in (the topmost ancestor when it is a window), if any.
    std::shared_ptr<UIWindow> window() const;
    // The same window as a plain view (also for window-like roots that are not UIWindows).
    UIViewPtr windowView() const;
    // True for windows: the roots of the trees shown on screen. UIWindow overrides both, asWindow as
    //   std::static_pointer_cast<UIWindow>(std::const_pointer_cast<UIView>(sharedFromThis<UIView>()))
    virtual bool isWindow() const { return false; }
    virtual std::shared_ptr<UIWindow> asWindow() const { return nullptr; }
    // Adds `view` on top (moving it if it is elsewhere; to the top if already a subview). Adding a
    // null view, the view itself or one of its ancestors is logged and ignored.
    void addSubview(const UIViewPtr& view);
    // `index` is clamped to 0...count.
    void insertSubview(const UIViewPtr& view, std::size_t index);
    // A sibling that is not a subview: above puts the view on top, below at the back.
    void insertSubviewAbove(const UIViewPtr& view, const UIViewPtr& sibling);
    void insertSubviewBelow(const UIViewPtr& view, const UIViewPtr& sibling);
    void removeFromSuperview();
    void bringSubviewToFront(const UIViewPtr& view);
    void sendSubviewToBack(const UIViewPtr& view);
    // True when this view is `view` or lies under it.
    bool isDescendant(const UIView& view) const;

    // Move callbacks. The window arguments are null when leaving.
    virtual void willMoveToSuperview(const UIViewPtr& /*newSuperview*/) {}
    virtual void didMoveToSuperview() {}
    virtual void willMoveToWindow(const std::shared_ptr<UIWindow>& /*newWindow*/) {}
    virtual void didMoveToWindow() {}
    virtual void didAddSubview(const UIViewPtr& /*subview*/) {}
    virtual void willRemoveSubview(const UIViewPtr& /*subview*/) {}

    // The controller whose root view this is (weak); it becomes the view's next responder.
    std::shared_ptr<UIViewOwningController> owningController() const { return m_owningController.lock(); }
    void setOwningController(std::weak_ptr<UIViewOwningController> controller)
    {
        m_owningController = std::move(controller);
    }
    std::shared_ptr<UIResponder> nextResponder() const override;

    // Resigns the first responder if it is this view or lies under it. With `force` the responder's
    // refusal is overridden. True when no first responder is left in this view's tree.
    bool endEditing(bool force);

    // --- hit testing and conversion ---
    // The deepest visible, interactive view containing `point` (in this view's bounds space):
    // nothing when this view is hidden, has alpha < 0.01, has interaction off, or does not contain the
    // point; subviews are asked front to back.
    virtual UIViewPtr hitTest(CGPoint point, const std::shared_ptr<UIEvent>& event);
    virtual bool pointInside(CGPoint point, const std::shared_ptr<UIEvent>& event) const;
    // Converts between this view's bounds space and another view's (null: the window's space, or the
    // topmost ancestor's when the view is in no window).
    CGPoint convert(CGPoint point, const UIViewPtr& to) const;
    CGPoint convertFrom(CGPoint point, const UIViewPtr& from) const;
    CGRect convert(const CGRect& rect, const UIViewPtr& to) const;
    CGRect convertFrom(const CGRect& rect, const UIViewPtr& from) const;

    // --- sizing ---
    // The size the view would like for `size`; the base returns the current bounds size.
    virtual CGSize sizeThatFits(CGSize size) const;
    // Resizes the bounds to sizeThatFits(bounds size), keeping the frame's origin.
    void sizeToFit();
    // The content's natural size; UIViewNoIntrinsicMetric along an axis without one (the default).
    virtual CGSize intrinsicContentSize() const;
    // Tells the layout that intrinsicContentSize() changed.
    void invalidateIntrinsicContentSize();
    UILayoutPriority contentHuggingPriority(UILayoutConstraintAxis axis) const;
    void setContentHuggingPriority(UILayoutPriority priority, UILayoutConstraintAxis axis);
    UILayoutPriority contentCompressionResistancePriority(UILayoutConstraintAxis axis) const;
    void setContentCompressionResistancePriority(UILayoutPriority priority, UILayoutConstraintAxis axis);
    // The constrained size closest to `target` (through the layout engine).
    CGSize systemLayoutSizeFitting(CGSize target);

    // --- layout ---
    void setNeedsLayout();
    bool needsLayout() const { return m_needsLayout; }
    // Runs a layout pass if this view or anything under it needs one (see the file comment).
    void layoutIfNeeded();
    // Lays out the subviews. The base applies engine frames to subviews that have one.
    virtual void layoutSubviews();
    void setNeedsUpdateConstraints();
    bool needsUpdateConstraints() const { return m_needsUpdateConstraints; }
    void updateConstraintsIfNeeded();
    // Updates this view's constraints; runs bottom-up before solving. Overrides call the base.
    virtual void updateConstraints();
    bool translatesAutoresizingMaskIntoConstraints() const { return m_translatesAutoresizingMask; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool translates);
    UIViewAutoresizing autoresizingMask() const { return m_autoresizingMask; }
    void setAutoresizingMask(UIViewAutoresizing mask) { m_autoresizingMask = mask; }
    bool autoresizesSubviews() const { return m_autoresizesSubviews; }
    void setAutoresizesSubviews(bool value) { m_autoresizesSubviews = value; }

    // Constraints installed on this view (strong), in the order added. Adding one twice is ignored.
    const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints() const { return m_constraints; }
    void addConstraint(const std::shared_ptr<NSLayoutConstraint>& constraint);
    void addConstraints(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints);
    void removeConstraint(const std::shared_ptr<NSLayoutConstraint>& constraint);
    void removeConstraints(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints);
    // Layout guides owned by this view (strong).
    const std::vector<std::shared_ptr<UILayoutGuide>>& layoutGuides() const { return m_layoutGuides; }
    void addLayoutGuide(const std::shared_ptr<UILayoutGuide>& guide);
    void removeLayoutGuide(const std::shared_ptr<UILayoutGuide>& guide);
    // The frame the constraint engine solved for this view (superview's bounds space), if any.
    const std::optional<CGRect>& engineFrame() const { return m_engineFrame; }
    void setEngineFrame(std::optional<CGRect> frame) { m_engineFrame = frame; }
    // Bumped whenever the shape of what the engine reads changes (constraints added or removed,
    // autoresizing translation toggled, hierarchy changed); the engine may use it to skip re-reading
    // an unchanged tree.
    static std::uint64_t layoutGeneration();
    static void bumpLayoutGeneration();
    // Counts intrinsic size invalidations of all views; a view's stamp is the count at its own last
    // one, so the engine re-reads only the views whose intrinsic size changed.
    static std::uint64_t intrinsicSizeGeneration();
    std::uint64_t intrinsicSizeStamp() const { return m_intrinsicSizeStamp; }

    // --- drawing ---
    void setNeedsDisplay();
    void setNeedsDisplay(const CGRect& rect);
    // Draws the view's own content into `context` (user space = bounds space). Called by the layer
    // while rendering, with the context also pushed as the current graphics context. Default: nothing.
    virtual void draw(CGContext& context, const CGRect& rect);
    void drawLayer(CALayer& layer, CGContext& context) override;
    // Draws the view and its subviews (its bounds, as the screen would show them) into the current
    // graphics context, stretched over `rect` in that context's user space. With `afterScreenUpdates`
    // a layout pass runs first. False, with one debug line, when there is no current context, the
    // bounds are empty or `rect` is empty.
    bool drawHierarchy(const CGRect& rect, bool afterScreenUpdates);

    // Called after the view was built from a nib and its outlets connected.
    virtual void awakeFromNib() {}

    // --- gesture recognizers ---
    const std::vector<std::shared_ptr<UIGestureRecognizer>>& gestureRecognizers() const { return m_gestureRecognizers; }
    void addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer);
    void removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer);
    // Asked before one of this view's recognizers begins. Default true.
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer& recognizer);
    // Asked of a hit view (and the views between it and the recognizer's view) whether a recognizer
    // of an ancestor may see its touches. Controls refuse single-tap recognizers so that a tap on
    // them runs their own action. Default true.
    virtual bool allowsAncestorGestureRecognizer(const UIGestureRecognizer& recognizer) const;

    // --- animation ---
    using Animations = std::function<void()>;
    using Completion = std::function<void(bool finished)>;
    // Runs `animations` at once (the values change immediately) and schedules `completion` at
    // delay + duration on the run-loop clock. Negative or NaN durations and delays count as 0.
    static void animate(double duration, double delay, UIViewAnimationOptions options, const Animations& animations,
                        Completion completion = {});
    static void animate(double duration, const Animations& animations, Completion completion = {});
    // Runs `actions` with animation recording off: changes made in it belong to no animation.
    static void performWithoutAnimation(const std::function<void()>& actions);
    static bool areAnimationsEnabled();
    static void setAnimationsEnabled(bool enabled);
    // True while an animations block runs.
    static bool isInAnimationBlock();
    // Every animate call since the last clear, oldest first.
    static const std::vector<UIViewAnimationRecord>& animationLog();
    static void clearAnimationLog();
    // Animations whose completion has not run yet.
    static std::size_t pendingAnimationCount();
    // Finishes every pending animation now with finished == false and forgets them (between tests).
    static void cancelAllAnimations();

    // --- windows and the per-turn pass ---
    // Windows register themselves so the end-of-turn pass lays them out; registering also joins the
    // run loop's display passes. Held weakly.
    static void registerWindow(const UIViewPtr& window);
    static void unregisterWindow(const UIView& window);
    static std::vector<UIViewPtr> registeredWindows();
    // Runs layoutIfNeeded() on every registered, visible window.
    static void layoutAllWindowsIfNeeded();
    // Adds layoutAllWindowsIfNeeded() to RunLoop::main()'s display passes unless it is there.
    static void joinDisplayPass();

protected:
    // For subclasses that back the view with another layer class.
    UIView(const CGRect& frame, std::shared_ptr<CALayer> layer);
    void didCreate() override;

private:
    friend class UIViewHierarchy;
    friend class UIViewLayoutPass;
    friend class UIViewAnimationCenter;

    // Marks the geometry change of this view for a running animation block.
    void noteAnimatableChange();
    void boundsSizeDidChange(CGSize oldSize);
    void autoresize(CGSize oldSuperSize, CGSize newSuperSize);
    void propagateTintChange();
    void markSubtreeNeedsLayout();
    void markSubtreeNeedsUpdateConstraints();
    static std::uint64_t nextIntrinsicSizeGeneration();

    std::shared_ptr<CALayer> m_layer;
    std::weak_ptr<UIView> m_superview;
    std::vector<UIViewPtr> m_subviews;
    std::weak_ptr<UIViewOwningController> m_owningController;

    UIColorPtr m_tintColor;
    UIViewContentMode m_contentMode = UIViewContentMode::scaleToFill;
    bool m_userInteractionEnabled = true;
    int m_tag = 0;
    std::optional<std::string> m_accessibilityIdentifier;
    std::optional<std::string> m_accessibilityLabel;
    bool m_accessibilityElement = false;

    bool m_needsLayout = true;
    bool m_subtreeNeedsLayout = true; // this view or a descendant needs layout
    bool m_needsUpdateConstraints = true;
    bool m_subtreeNeedsUpdateConstraints = true;
    bool m_translatesAutoresizingMask = true;
    UIViewAutoresizing m_autoresizingMask = UIViewAutoresizing::none;
    bool m_autoresizesSubviews = true;
    UILayoutPriority m_huggingHorizontal = UILayoutPriorityDefaultLow;
    UILayoutPriority m_huggingVertical = UILayoutPriorityDefaultLow;
    UILayoutPriority m_compressionHorizontal = UILayoutPriorityDefaultHigh;
    UILayoutPriority m_compressionVertical = UILayoutPriorityDefaultHigh;
    std::vector<std::shared_ptr<NSLayoutConstraint>> m_constraints;
    std::vector<std::shared_ptr<UILayoutGuide>> m_layoutGuides;
    std::optional<CGRect> m_engineFrame;
    std::uint64_t m_intrinsicSizeStamp = 0;

    std::vector<std::shared_ptr<UIGestureRecognizer>> m_gestureRecognizers;
};

} // namespace platform
