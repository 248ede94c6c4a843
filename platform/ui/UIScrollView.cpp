#include "platform/ui/UIScrollView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIPanGestureRecognizer.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double frameInterval = 1.0 / 60.0;

bool isFinite(CGPoint point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// Slow start, slow end: how far along the path the offset is after `t` (0...1) of the time.
double easeInOut(double t)
{
    return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
}

} // namespace

UIScrollView::UIScrollView(const CGRect& frame) : UIView(frame)
{
    setClipsToBounds(true);
}

void UIScrollView::didCreate()
{
    UIView::didCreate();
    m_pan = NSObject::create<UIPanGestureRecognizer>();
    m_pan->addTarget(sharedFromThis<UIScrollView>(), &UIScrollView::followPan);
    addGestureRecognizer(m_pan);
}

UIScrollView::~UIScrollView()
{
    stopScrollAnimation();
}

void UIScrollView::setContentSize(CGSize size)
{
    if (!std::isfinite(size.width) || !std::isfinite(size.height) || size.width < 0 || size.height < 0) {
        debugLog("UIScrollView: ignoring a negative or non-finite content size");
        return;
    }
    m_contentSize = size;
}

void UIScrollView::setContentInset(UIEdgeInsets insets)
{
    if (!std::isfinite(insets.top) || !std::isfinite(insets.left) || !std::isfinite(insets.bottom) ||
        !std::isfinite(insets.right)) {
        debugLog("UIScrollView: ignoring non-finite content insets");
        return;
    }
    m_contentInset = insets;
}

CGPoint UIScrollView::minimumContentOffset() const
{
    return {-m_contentInset.left, -m_contentInset.top};
}

CGPoint UIScrollView::maximumContentOffset() const
{
    CGPoint minimum = minimumContentOffset();
    CGSize size = bounds().size;
    return {std::max(minimum.x, m_contentSize.width + m_contentInset.right - size.width),
            std::max(minimum.y, m_contentSize.height + m_contentInset.bottom - size.height)};
}

CGPoint UIScrollView::clampedOffset(CGPoint offset) const
{
    CGPoint minimum = minimumContentOffset();
    CGPoint maximum = maximumContentOffset();
    return {std::clamp(offset.x, minimum.x, maximum.x), std::clamp(offset.y, minimum.y, maximum.y)};
}

void UIScrollView::setContentOffset(CGPoint offset)
{
    setContentOffset(offset, false);
}

void UIScrollView::setContentOffset(CGPoint offset, bool animated)
{
    if (!isFinite(offset)) {
        debugLog("UIScrollView: ignoring a non-finite content offset");
        return;
    }
    stopScrollAnimation();
    if (!animated) {
        applyContentOffset(offset);
        return;
    }
    if (offset == contentOffset()) {
        return;
    }
    m_animationFrom = contentOffset();
    m_animationTo = offset;
    m_animationStart = RunLoop::main().now();
    std::weak_ptr<UIScrollView> weakSelf = sharedFromThis<UIScrollView>();
    m_animationTimer = Timer::scheduledTimer(frameInterval, true, [weakSelf](Timer&) {
        if (auto self = weakSelf.lock()) {
            self->stepScrollAnimation();
        }
    });
    m_animationEndTimer = Timer::scheduledTimer(scrollAnimationDuration, false, [weakSelf](Timer&) {
        if (auto self = weakSelf.lock()) {
            self->finishScrollAnimation();
        }
    });
}

bool UIScrollView::isScrollAnimating() const
{
    return m_animationEndTimer && m_animationEndTimer->isValid();
}

void UIScrollView::stopScrollAnimation()
{
    // Moved out first: invalidating releases the blocks, which may reach this view again.
    auto frameTimer = std::move(m_animationTimer);
    auto endTimer = std::move(m_animationEndTimer);
    m_animationTimer = nullptr;
    m_animationEndTimer = nullptr;
    if (frameTimer) {
        frameTimer->invalidate();
    }
    if (endTimer) {
        endTimer->invalidate();
    }
}

void UIScrollView::stepScrollAnimation()
{
    double progress = (RunLoop::main().now() - m_animationStart) / scrollAnimationDuration;
    if (progress >= 1) {
        finishScrollAnimation();
        return;
    }
    double eased = easeInOut(std::max(0.0, progress));
    applyContentOffset({m_animationFrom.x + (m_animationTo.x - m_animationFrom.x) * eased,
                        m_animationFrom.y + (m_animationTo.y - m_animationFrom.y) * eased});
}

void UIScrollView::finishScrollAnimation()
{
    if (!m_animationTimer && !m_animationEndTimer) {
        return;
    }
    auto keepAlive = sharedFromThis<UIScrollView>();
    stopScrollAnimation();
    applyContentOffset(m_animationTo);
    if (auto listener = delegate()) {
        listener->scrollViewDidEndScrollingAnimation(*this);
    }
}

void UIScrollView::applyContentOffset(CGPoint offset)
{
    CGRect current = bounds();
    if (current.origin == offset) {
        return;
    }
    UIView::setBounds({offset, current.size});
    contentOffsetDidChange();
    notifyDidScroll();
}

void UIScrollView::setBounds(const CGRect& newBounds)
{
    CGPoint before = bounds().origin;
    UIView::setBounds(newBounds);
    if (!(bounds().origin == before)) {
        contentOffsetDidChange();
        notifyDidScroll();
    }
}

void UIScrollView::notifyDidScroll()
{
    auto keepAlive = sharedFromThis<UIScrollView>();
    if (auto listener = delegate()) {
        listener->scrollViewDidScroll(*this);
    }
}

void UIScrollView::scrollRectToVisible(const CGRect& requested, bool animated)
{
    if (requested.isNull()) {
        debugLog("UIScrollView: scrollRectToVisible ignores a null rectangle");
        return;
    }
    CGRect rect = requested.standardized();
    CGPoint offset = contentOffset();
    CGSize size = bounds().size;
    // One axis: the visible stretch is [offset + insetBefore, offset + length - insetAfter].
    auto axis = [](double current, double length, double insetBefore, double insetAfter, double min, double max) {
        double visibleStart = current + insetBefore;
        double visibleEnd = current + length - insetAfter;
        if (max - min > visibleEnd - visibleStart || min < visibleStart) {
            return min - insetBefore;
        }
        if (max > visibleEnd) {
            return max - length + insetAfter;
        }
        return current;
    };
    CGPoint target{axis(offset.x, size.width, m_contentInset.left, m_contentInset.right, rect.minX(), rect.maxX()),
                   axis(offset.y, size.height, m_contentInset.top, m_contentInset.bottom, rect.minY(), rect.maxY())};
    target = clampedOffset(target);
    if (target == offset) {
        return;
    }
    setContentOffset(target, animated);
}

void UIScrollView::userScroll(CGPoint delta)
{
    if (!m_scrollEnabled || !isFinite(delta)) {
        return;
    }
    auto keepAlive = sharedFromThis<UIScrollView>();
    beginDragging();
    CGPoint offset = contentOffset();
    dragContentTo({offset.x + delta.x, offset.y + delta.y});
    endDragging();
}

void UIScrollView::beginDragging()
{
    stopScrollAnimation();
    if (m_keyboardDismissMode != UIScrollViewKeyboardDismissMode::none) {
        if (auto input = UIKeyboard::shared().activeInput()) {
            input->resignFirstResponder();
        }
    }
    m_dragging = true;
    if (auto listener = delegate()) {
        listener->scrollViewWillBeginDragging(*this);
    }
}

void UIScrollView::dragContentTo(CGPoint target)
{
    // An axis whose content fits moves not at all.
    CGPoint minimum = minimumContentOffset();
    CGPoint maximum = maximumContentOffset();
    CGPoint offset = contentOffset();
    CGPoint moved{maximum.x > minimum.x ? target.x : offset.x, maximum.y > minimum.y ? target.y : offset.y};
    applyContentOffset(m_bounces ? moved : clampedOffset(moved));
}

void UIScrollView::endDragging()
{
    m_dragging = false;
    CGPoint settled = clampedOffset(contentOffset());
    bool springsBack = !(settled == contentOffset());
    if (auto listener = delegate()) {
        listener->scrollViewDidEndDragging(*this, springsBack);
    }
    if (springsBack) {
        setContentOffset(settled, true);
    }
}

bool UIScrollView::gestureRecognizerShouldBegin(UIGestureRecognizer& recognizer)
{
    if (&recognizer != m_pan.get()) {
        return UIView::gestureRecognizerShouldBegin(recognizer);
    }
    if (!m_scrollEnabled) {
        return false;
    }
    CGPoint moved = m_pan->translation();
    CGPoint minimum = minimumContentOffset();
    CGPoint maximum = maximumContentOffset();
    return std::abs(moved.y) >= std::abs(moved.x) ? maximum.y > minimum.y : maximum.x > minimum.x;
}

void UIScrollView::followPan(UIPanGestureRecognizer& pan)
{
    auto keepAlive = sharedFromThis<UIScrollView>();
    CGPoint translation = pan.translation();
    switch (pan.state()) {
    case UIGestureRecognizerState::began:
        beginDragging();
        m_panOrigin = {contentOffset().x + translation.x, contentOffset().y + translation.y};
        break;
    case UIGestureRecognizerState::changed:
        if (m_dragging && m_scrollEnabled) {
            dragContentTo({m_panOrigin.x - translation.x, m_panOrigin.y - translation.y});
        }
        break;
    case UIGestureRecognizerState::ended:
    case UIGestureRecognizerState::cancelled:
        if (m_dragging) {
            endDragging();
        }
        break;
    case UIGestureRecognizerState::possible:
    case UIGestureRecognizerState::failed: break;
    }
}

} // namespace platform
