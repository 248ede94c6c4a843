#pragma once
// UIScrollView: a view that shows a movable window onto content larger than itself.
//
// The content offset is the bounds origin: subviews are placed in content coordinates and the
// scroll view moves all of them at once by changing its bounds origin. Every change of the offset
// (programmatic, animated step, user drag, a bounds change from outside) tells the delegate through
// scrollViewDidScroll.
//
// Animated offset changes run on the run-loop clock: the offset moves in steps of about a
// sixtieth of a second and lands exactly on the target after scrollAnimationDuration seconds.
// A new offset change (animated or not) or a drag stops a running animation where it is.
//
// A finger drags the content through the scroll view's own pan recognizer: once a touch that began
// inside the view has moved past the recognizer's slop, the scroll view takes it when scrolling is
// enabled and the content can move along the drag's larger component (at an edge too: it then
// bounces). The view under the finger gets touchesCancelled, so a control there does not fire. The
// content then follows the finger from where the slop was crossed, by the rules of userScroll(), until
// the finger lifts or the touch is cancelled. An outer scroll view leaves a touch that an inner one
// drags alone. Nothing moves on after the finger lifts but the spring back of a bounce.
//
// The delegate is held weakly.
#include "platform/graphics/CGPoint.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIEdgeInsets.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace platform {

class Timer;
class UIPanGestureRecognizer;
class UIScrollView;

// What a scroll view tells its delegate. Every method has an empty default.
class UIScrollViewDelegate {
public:
    virtual ~UIScrollViewDelegate() = default;
    // After every change of the content offset, each step of an animated scroll included.
    virtual void scrollViewDidScroll(UIScrollView& /*scrollView*/) {}
    // A user drag is about to move the content.
    virtual void scrollViewWillBeginDragging(UIScrollView& /*scrollView*/) {}
    // The finger lifted; `willDecelerate` when the content keeps moving (springs back) afterwards.
    virtual void scrollViewDidEndDragging(UIScrollView& /*scrollView*/, bool /*willDecelerate*/) {}
    // An animated setContentOffset or scrollRectToVisible reached its target.
    virtual void scrollViewDidEndScrollingAnimation(UIScrollView& /*scrollView*/) {}
};

// Whether dragging the content dismisses the keyboard (resigns the text input that has it).
enum class UIScrollViewKeyboardDismissMode { none, onDrag, interactive };

class UIScrollView : public UIView {
public:
    // Length of an animated scroll, in seconds.
    static constexpr double scrollAnimationDuration = 0.3;

    explicit UIScrollView(const CGRect& frame = CGRect());
    ~UIScrollView() override;

    // --- content ---
    // Size of the scrollable content, in points. Negative or non-finite sizes are logged and ignored.
    CGSize contentSize() const { return m_contentSize; }
    virtual void setContentSize(CGSize size);
    // The point of the content shown at the view's top-left corner (the bounds origin).
    CGPoint contentOffset() const { return bounds().origin; }
    // Moves the content at once. Offsets outside the scrollable range are allowed, as in the
    // toolkit; non-finite ones are logged and ignored.
    void setContentOffset(CGPoint offset);
    // With `animated`, the offset moves on the run-loop clock (see the file comment).
    virtual void setContentOffset(CGPoint offset, bool animated);
    // Extra room around the content that the user can scroll to. Non-finite insets are ignored.
    UIEdgeInsets contentInset() const { return m_contentInset; }
    virtual void setContentInset(UIEdgeInsets insets);
    UIEdgeInsets scrollIndicatorInsets() const { return m_scrollIndicatorInsets; }
    void setScrollIndicatorInsets(UIEdgeInsets insets) { m_scrollIndicatorInsets = insets; }

    // The smallest and largest offsets a drag settles at: from (-left, -top) to the content's far
    // edges plus the insets, never below the smallest.
    CGPoint minimumContentOffset() const;
    CGPoint maximumContentOffset() const;

    // --- behaviour ---
    bool bounces() const { return m_bounces; }
    void setBounces(bool bounces) { m_bounces = bounces; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    bool showsVerticalScrollIndicator() const { return m_showsVerticalIndicator; }
    void setShowsVerticalScrollIndicator(bool shows) { m_showsVerticalIndicator = shows; }
    bool showsHorizontalScrollIndicator() const { return m_showsHorizontalIndicator; }
    void setShowsHorizontalScrollIndicator(bool shows) { m_showsHorizontalIndicator = shows; }
    UIScrollViewKeyboardDismissMode keyboardDismissMode() const { return m_keyboardDismissMode; }
    void setKeyboardDismissMode(UIScrollViewKeyboardDismissMode mode) { m_keyboardDismissMode = mode; }

    std::shared_ptr<UIScrollViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UIScrollViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // --- scrolling ---
    // Scrolls as little as needed to show `rect` (content coordinates) inside the area the insets
    // leave visible; a rectangle taller or wider than that area is aligned at its top or left
    // edge. The result stays within the scrollable range. A null rectangle is ignored.
    void scrollRectToVisible(const CGRect& rect, bool animated);
    // True while an animated scroll is under way.
    bool isScrollAnimating() const;
    // True between the start and the end of a user drag.
    bool isDragging() const { return m_dragging; }
    // The recognizer through which a finger drags the content (see the file comment).
    const std::shared_ptr<UIPanGestureRecognizer>& panGestureRecognizer() const { return m_pan; }

    // A user's finger drag that moves the visible area by `delta` (positive y shows content further
    // down). Dismisses the keyboard first when the dismiss mode asks for it. Without bounces the
    // offset stops at the scrollable range; with bounces it follows the finger and then springs
    // back to the range, animated. Ignored when scrolling is disabled.
    void userScroll(CGPoint delta);

    // Keeps the content offset when the bounds change from outside (layout, animations) and
    // reports an origin change as a scroll.
    void setBounds(const CGRect& bounds) override;

    // The pan recognizer begins only on a drag the content can follow (see the file comment).
    bool gestureRecognizerShouldBegin(UIGestureRecognizer& recognizer) override;

protected:
    void didCreate() override;
    // Called after every change of the content offset, before the delegate hears of it. Default:
    // nothing. Subclasses that place content by the visible area (tables) react here.
    virtual void contentOffsetDidChange() {}

private:
    void stopScrollAnimation();
    void stepScrollAnimation();
    void finishScrollAnimation();
    void applyContentOffset(CGPoint offset);
    void notifyDidScroll();
    CGPoint clampedOffset(CGPoint offset) const;
    // A drag, in three steps: userScroll() takes them at once, the pan recognizer as the finger moves.
    void beginDragging();
    void dragContentTo(CGPoint offset);
    void endDragging();
    void followPan(UIPanGestureRecognizer& pan);

    CGSize m_contentSize;
    UIEdgeInsets m_contentInset;
    UIEdgeInsets m_scrollIndicatorInsets;
    bool m_bounces = true;
    bool m_scrollEnabled = true;
    bool m_showsVerticalIndicator = true;
    bool m_showsHorizontalIndicator = true;
    bool m_dragging = false;
    UIScrollViewKeyboardDismissMode m_keyboardDismissMode = UIScrollViewKeyboardDismissMode::none;
    std::weak_ptr<UIScrollViewDelegate> m_delegate;
    std::shared_ptr<UIPanGestureRecognizer> m_pan;
    // The offset the finger's translation is measured from: no jump where the slop was crossed.
    CGPoint m_panOrigin;

    // The running animated scroll: a frame timer for the steps and an end timer at exactly the
    // animation's end, so the target is reached when the clock gets there.
    std::shared_ptr<Timer> m_animationTimer;
    std::shared_ptr<Timer> m_animationEndTimer;
    CGPoint m_animationFrom;
    CGPoint m_animationTo;
    double m_animationStart = 0;
};

} // namespace platform
