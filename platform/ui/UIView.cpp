#include "platform/ui/UIView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/ui/UIGestureRecognizer.h"

#include <algorithm>
#include <cmath>

namespace platform {

UIView::UIView(const CGRect& frame) : UIView(frame, NSObject::create<CALayer>()) {}

UIView::UIView(const CGRect& frame, std::shared_ptr<CALayer> layer) : m_layer(std::move(layer))
{
    if (!m_layer) {
        m_layer = NSObject::create<CALayer>();
    }
    m_layer->setFrame(frame.isNull() ? CGRect() : frame);
}

UIView::~UIView() = default;

void UIView::didCreate()
{
    UIResponder::didCreate();
    m_layer->setDelegate(sharedFromThis<UIView>());
}

// --- geometry ---

CGRect UIView::frame() const
{
    return m_layer->frame();
}

void UIView::setFrame(const CGRect& frame)
{
    if (frame.isNull() || !std::isfinite(frame.origin.x) || !std::isfinite(frame.origin.y) ||
        !std::isfinite(frame.size.width) || !std::isfinite(frame.size.height)) {
        debugLog("UIView: ignoring a null or non-finite frame");
        return;
    }
    CGSize oldSize = m_layer->bounds().size;
    CGRect oldFrame = m_layer->frame();
    m_layer->setFrame(frame);
    if (!(m_layer->frame() == oldFrame)) {
        noteAnimatableChange();
    }
    boundsSizeDidChange(oldSize);
}

CGRect UIView::bounds() const
{
    return m_layer->bounds();
}

void UIView::setBounds(const CGRect& bounds)
{
    if (bounds.isNull() || !std::isfinite(bounds.origin.x) || !std::isfinite(bounds.origin.y) ||
        !std::isfinite(bounds.size.width) || !std::isfinite(bounds.size.height)) {
        debugLog("UIView: ignoring a null or non-finite bounds rectangle");
        return;
    }
    CGRect old = m_layer->bounds();
    if (old.origin == bounds.origin && old.size == bounds.size) {
        return;
    }
    m_layer->setBounds(bounds);
    noteAnimatableChange();
    boundsSizeDidChange(old.size);
}

CGPoint UIView::center() const
{
    return m_layer->position();
}

void UIView::setCenter(CGPoint center)
{
    if (!std::isfinite(center.x) || !std::isfinite(center.y)) {
        debugLog("UIView: ignoring a non-finite centre");
        return;
    }
    if (m_layer->position() == center) {
        return;
    }
    m_layer->setPosition(center);
    noteAnimatableChange();
}

CGAffineTransform UIView::transform() const
{
    return m_layer->affineTransform();
}

void UIView::setTransform(const CGAffineTransform& transform)
{
    if (m_layer->affineTransform() == transform) {
        return;
    }
    m_layer->setAffineTransform(transform);
    noteAnimatableChange();
}

void UIView::boundsSizeDidChange(CGSize oldSize)
{
    CGSize newSize = m_layer->bounds().size;
    if (oldSize == newSize) {
        return;
    }
    setNeedsLayout();
    if (m_autoresizesSubviews) {
        auto subviews = m_subviews;
        for (const auto& subview : subviews) {
            subview->autoresize(oldSize, newSize);
        }
    }
}

namespace {

// Shares `delta` among the flexible parts of one axis (margin before, size, margin after) in
// proportion to their current lengths, or evenly when those are all zero.
void distribute(double delta, const bool flexible[3], double lengths[3])
{
    double total = 0;
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        if (flexible[i]) {
            total += std::max(0.0, lengths[i]);
            ++count;
        }
    }
    if (count == 0) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (!flexible[i]) {
            continue;
        }
        double share = total > 0 ? std::max(0.0, lengths[i]) / total : 1.0 / count;
        lengths[i] += delta * share;
    }
}

} // namespace

void UIView::autoresize(CGSize oldSuperSize, CGSize newSuperSize)
{
    if (!m_translatesAutoresizingMask || m_autoresizingMask == UIViewAutoresizing::none) {
        return;
    }
    CGRect frame = this->frame();
    double horizontal[3] = {frame.minX(), frame.width(), oldSuperSize.width - frame.maxX()};
    bool flexH[3] = {contains(m_autoresizingMask, UIViewAutoresizing::flexibleLeftMargin),
                     contains(m_autoresizingMask, UIViewAutoresizing::flexibleWidth),
                     contains(m_autoresizingMask, UIViewAutoresizing::flexibleRightMargin)};
    distribute(newSuperSize.width - oldSuperSize.width, flexH, horizontal);
    double vertical[3] = {frame.minY(), frame.height(), oldSuperSize.height - frame.maxY()};
    bool flexV[3] = {contains(m_autoresizingMask, UIViewAutoresizing::flexibleTopMargin),
                     contains(m_autoresizingMask, UIViewAutoresizing::flexibleHeight),
                     contains(m_autoresizingMask, UIViewAutoresizing::flexibleBottomMargin)};
    distribute(newSuperSize.height - oldSuperSize.height, flexV, vertical);
    setFrame({horizontal[0], vertical[0], std::max(0.0, horizontal[1]), std::max(0.0, vertical[1])});
}

// --- appearance ---

double UIView::alpha() const
{
    return m_layer->opacity();
}

void UIView::setAlpha(double alpha)
{
    if (std::isnan(alpha)) {
        debugLog("UIView: ignoring a NaN alpha");
        return;
    }
    double clamped = std::clamp(alpha, 0.0, 1.0);
    if (clamped == m_layer->opacity()) {
        return;
    }
    m_layer->setOpacity(clamped);
    noteAnimatableChange();
}

bool UIView::isHidden() const
{
    return m_layer->isHidden();
}

void UIView::setHidden(bool hidden)
{
    m_layer->setHidden(hidden);
}

UIColorPtr UIView::backgroundColor() const
{
    return m_layer->backgroundColor();
}

void UIView::setBackgroundColor(UIColorPtr color)
{
    if (isEqual(color, m_layer->backgroundColor())) {
        m_layer->setBackgroundColor(std::move(color));
        return;
    }
    m_layer->setBackgroundColor(std::move(color));
    noteAnimatableChange();
}

bool UIView::isOpaque() const
{
    return m_layer->isOpaque();
}

void UIView::setOpaque(bool opaque)
{
    m_layer->setOpaque(opaque);
}

bool UIView::clipsToBounds() const
{
    return m_layer->masksToBounds();
}

void UIView::setClipsToBounds(bool clips)
{
    m_layer->setMasksToBounds(clips);
}

void UIView::setContentMode(UIViewContentMode mode)
{
    m_contentMode = mode;
    setNeedsDisplay();
}

UIColorPtr UIView::tintColor() const
{
    for (const UIView* view = this; view;) {
        if (view->m_tintColor) {
            return view->m_tintColor;
        }
        auto parent = view->superview();
        view = parent.get();
    }
    static const UIColorPtr systemTint = UIColor::systemBlue();
    return systemTint;
}

void UIView::setTintColor(UIColorPtr color)
{
    UIColorPtr before = tintColor();
    m_tintColor = std::move(color);
    if (!isEqual(before, tintColor())) {
        propagateTintChange();
    }
}

void UIView::propagateTintChange()
{
    auto keepAlive = sharedFromThis<UIView>();
    tintColorDidChange();
    auto subviews = m_subviews;
    for (const auto& subview : subviews) {
        if (!subview->m_tintColor) {
            subview->propagateTintChange();
        }
    }
}

// --- sizing ---

CGSize UIView::sizeThatFits(CGSize) const
{
    return bounds().size;
}

void UIView::sizeToFit()
{
    CGRect current = frame();
    CGSize fitting = sizeThatFits(bounds().size);
    setFrame({current.origin, fitting});
}

CGSize UIView::intrinsicContentSize() const
{
    return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
}

void UIView::invalidateIntrinsicContentSize()
{
    bumpLayoutGeneration();
    setNeedsLayout();
    if (auto parent = superview()) {
        parent->setNeedsLayout();
    }
}

UILayoutPriority UIView::contentHuggingPriority(UILayoutConstraintAxis axis) const
{
    return axis == UILayoutConstraintAxis::horizontal ? m_huggingHorizontal : m_huggingVertical;
}

void UIView::setContentHuggingPriority(UILayoutPriority priority, UILayoutConstraintAxis axis)
{
    (axis == UILayoutConstraintAxis::horizontal ? m_huggingHorizontal : m_huggingVertical) = priority;
    invalidateIntrinsicContentSize();
}

UILayoutPriority UIView::contentCompressionResistancePriority(UILayoutConstraintAxis axis) const
{
    return axis == UILayoutConstraintAxis::horizontal ? m_compressionHorizontal : m_compressionVertical;
}

void UIView::setContentCompressionResistancePriority(UILayoutPriority priority, UILayoutConstraintAxis axis)
{
    (axis == UILayoutConstraintAxis::horizontal ? m_compressionHorizontal : m_compressionVertical) = priority;
    invalidateIntrinsicContentSize();
}

// --- drawing ---

void UIView::setNeedsDisplay()
{
    m_layer->setNeedsDisplay();
}

void UIView::setNeedsDisplay(const CGRect&)
{
    m_layer->setNeedsDisplay();
}

void UIView::draw(CGContext&, const CGRect&) {}

void UIView::drawLayer(CALayer&, CGContext& context)
{
    auto keepAlive = sharedFromThis<UIView>();
    // A context of our own over the same target, so drawing code that asks for the current context
    // (paths, images) draws where this view is being rendered.
    auto current = CGContext::createSharing(context);
    UIGraphicsPushContext(current);
    draw(*current, bounds());
    UIGraphicsPopContext();
}

// --- gesture recognizers ---

void UIView::addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer)
{
    if (!recognizer) {
        debugLog("UIView: ignoring a null gesture recognizer");
        return;
    }
    if (auto owner = recognizer->view()) {
        if (owner.get() == this) {
            return;
        }
        owner->removeGestureRecognizer(recognizer);
    }
    m_gestureRecognizers.push_back(recognizer);
    recognizer->setView(sharedFromThis<UIView>());
}

void UIView::removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer)
{
    auto at = std::find(m_gestureRecognizers.begin(), m_gestureRecognizers.end(), recognizer);
    if (at == m_gestureRecognizers.end()) {
        return;
    }
    m_gestureRecognizers.erase(at);
    recognizer->setView(nullptr);
}

bool UIView::gestureRecognizerShouldBegin(UIGestureRecognizer&)
{
    return true;
}

bool UIView::allowsAncestorGestureRecognizer(const UIGestureRecognizer&) const
{
    return true;
}

} // namespace platform
