#include "platform/ui/CALayer.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>

namespace platform {

// --- geometry ---

void CALayer::setBounds(const CGRect& bounds)
{
    if (bounds.isNull()) {
        debugLog("CALayer: ignoring a null bounds rectangle");
        return;
    }
    m_bounds = bounds;
}

void CALayer::setPosition(CGPoint position)
{
    m_position = position;
}

void CALayer::setAnchorPoint(CGPoint anchor)
{
    m_anchorPoint = anchor;
}

void CALayer::setAffineTransform(const CGAffineTransform& transform)
{
    m_transform = transform;
}

CGAffineTransform CALayer::transformToSuperlayer() const
{
    CGFloat originX = m_bounds.origin.x + m_anchorPoint.x * m_bounds.size.width;
    CGFloat originY = m_bounds.origin.y + m_anchorPoint.y * m_bounds.size.height;
    return CGAffineTransform::makeTranslation(-originX, -originY)
        .concatenating(m_transform)
        .concatenating(CGAffineTransform::makeTranslation(m_position.x, m_position.y));
}

CGRect CALayer::frame() const
{
    return transformToSuperlayer().apply(m_bounds);
}

void CALayer::setFrame(const CGRect& requested)
{
    if (requested.isNull()) {
        debugLog("CALayer: ignoring a null frame");
        return;
    }
    CGRect frame = requested.standardized();
    CGSize size = m_bounds.size;
    if (m_transform.isIdentity()) {
        size = frame.size;
    } else {
        // The bounding box of the transformed bounds is (|a|w + |c|h) x (|b|w + |d|h).
        double a = std::fabs(m_transform.a), b = std::fabs(m_transform.b);
        double c = std::fabs(m_transform.c), d = std::fabs(m_transform.d);
        double det = a * d - c * b;
        if (std::fabs(det) > 1e-12) {
            double w = (frame.size.width * d - c * frame.size.height) / det;
            double h = (a * frame.size.height - b * frame.size.width) / det;
            if (w >= 0 && h >= 0) {
                size = {w, h};
            }
        }
    }
    m_bounds.size = size;
    // Place the position so that the transformed bounds' centre lands on the frame's centre.
    CGPoint centreFromAnchor{(0.5 - m_anchorPoint.x) * size.width, (0.5 - m_anchorPoint.y) * size.height};
    CGPoint shifted = m_transform.apply(centreFromAnchor);
    m_position = {frame.midX() - shifted.x, frame.midY() - shifted.y};
}

CGPoint CALayer::convertToSuperlayer(CGPoint point) const
{
    return transformToSuperlayer().apply(point);
}

CGPoint CALayer::convertFromSuperlayer(CGPoint point) const
{
    return transformToSuperlayer().inverted().apply(point);
}

CGAffineTransform CALayer::transformToRoot() const
{
    CGAffineTransform total;
    const CALayer* layer = this;
    std::shared_ptr<const CALayer> parent = layer->superlayer();
    while (parent) {
        total = total.concatenating(layer->transformToSuperlayer());
        layer = parent.get();
        parent = layer->superlayer();
    }
    return total;
}

namespace {

const CALayer* rootOf(const CALayer* layer)
{
    while (auto parent = layer->superlayer()) {
        layer = parent.get();
    }
    return layer;
}

// Transform from `layer`'s bounds space to a space shared by every tree: the root's own superlayer
// space when the trees differ (windows placed on one screen), else the root's bounds space.
CGAffineTransform transformToCommonSpace(const CALayer& layer, bool includeRoot)
{
    CGAffineTransform total = layer.transformToRoot();
    if (includeRoot) {
        total = total.concatenating(rootOf(&layer)->transformToSuperlayer());
    }
    return total;
}

} // namespace

CGPoint CALayer::convert(CGPoint point, const std::shared_ptr<const CALayer>& to) const
{
    if (!to) {
        return transformToRoot().apply(point);
    }
    bool differentTrees = rootOf(this) != rootOf(to.get());
    CGAffineTransform forward = transformToCommonSpace(*this, differentTrees);
    CGAffineTransform back = transformToCommonSpace(*to, differentTrees).inverted();
    return back.apply(forward.apply(point));
}

CGPoint CALayer::convertFrom(CGPoint point, const std::shared_ptr<const CALayer>& from) const
{
    if (!from) {
        return transformToRoot().inverted().apply(point);
    }
    return from->convert(point, sharedFromThis<CALayer>());
}

CGRect CALayer::convert(const CGRect& rect, const std::shared_ptr<const CALayer>& to) const
{
    if (rect.isNull()) {
        return rect;
    }
    CGAffineTransform total;
    if (!to) {
        total = transformToRoot();
    } else {
        bool differentTrees = rootOf(this) != rootOf(to.get());
        total = transformToCommonSpace(*this, differentTrees)
                    .concatenating(transformToCommonSpace(*to, differentTrees).inverted());
    }
    return total.apply(rect);
}

CGRect CALayer::convertFrom(const CGRect& rect, const std::shared_ptr<const CALayer>& from) const
{
    if (!from) {
        return transformToRoot().inverted().apply(rect);
    }
    return from->convert(rect, sharedFromThis<CALayer>());
}

// --- appearance ---

void CALayer::setBackgroundColor(UIColorPtr color)
{
    m_backgroundColor = std::move(color);
}

void CALayer::setBorderWidth(double width)
{
    if (!(width >= 0)) {
        debugLog("CALayer: ignoring a negative or NaN border width");
        return;
    }
    m_borderWidth = width;
}

void CALayer::setBorderColor(UIColorPtr color)
{
    m_borderColor = std::move(color);
}

void CALayer::setCornerRadius(double radius)
{
    if (!(radius >= 0)) {
        debugLog("CALayer: ignoring a negative or NaN corner radius");
        return;
    }
    m_cornerRadius = radius;
}

void CALayer::setMasksToBounds(bool masks)
{
    m_masksToBounds = masks;
}

void CALayer::setOpacity(double opacity)
{
    if (std::isnan(opacity)) {
        debugLog("CALayer: ignoring a NaN opacity");
        return;
    }
    m_opacity = std::clamp(opacity, 0.0, 1.0);
}

void CALayer::setHidden(bool hidden)
{
    m_hidden = hidden;
}

void CALayer::setMask(std::shared_ptr<CALayer> mask)
{
    if (mask.get() == this) {
        debugLog("CALayer: a layer cannot be its own mask");
        return;
    }
    m_mask = std::move(mask);
}

void CALayer::setContents(UIImagePtr image)
{
    m_contents = std::move(image);
}

void CALayer::setContentsScale(double scale)
{
    if (!(scale > 0)) {
        debugLog("CALayer: ignoring a contents scale that is not positive");
        return;
    }
    m_contentsScale = scale;
}

void CALayer::setShadowOpacity(double opacity)
{
    if (std::isnan(opacity)) {
        return;
    }
    m_shadowOpacity = std::clamp(opacity, 0.0, 1.0);
}

// --- tree ---

bool CALayer::isDescendant(const CALayer& ancestor) const
{
    const CALayer* layer = this;
    while (layer) {
        if (layer == &ancestor) {
            return true;
        }
        auto parent = layer->superlayer();
        layer = parent.get();
    }
    return false;
}

void CALayer::removeFromSublayersOf(CALayer& parent)
{
    auto& list = parent.m_sublayers;
    list.erase(std::remove_if(list.begin(), list.end(), [this](const auto& layer) { return layer.get() == this; }),
               list.end());
}

void CALayer::insertSublayer(const std::shared_ptr<CALayer>& layer, std::size_t index)
{
    if (!layer) {
        debugLog("CALayer: ignoring a null sublayer");
        return;
    }
    if (isDescendant(*layer)) {
        debugLog("CALayer: a layer cannot be added to itself or to one of its sublayers");
        return;
    }
    auto self = sharedFromThis<CALayer>();
    if (!self) {
        debugLog("CALayer: sublayers need a layer made with create()");
        return;
    }
    // Keep the layer alive while it moves.
    std::shared_ptr<CALayer> moving = layer;
    if (auto old = moving->superlayer()) {
        auto& siblings = old->m_sublayers;
        auto at = std::find(siblings.begin(), siblings.end(), moving);
        if (old.get() == this && at != siblings.end() && static_cast<std::size_t>(at - siblings.begin()) < index) {
            --index; // the index was counted with the layer still in place
        }
        moving->removeFromSublayersOf(*old);
    }
    index = std::min(index, m_sublayers.size());
    m_sublayers.insert(m_sublayers.begin() + static_cast<std::ptrdiff_t>(index), moving);
    moving->m_superlayer = self;
}

void CALayer::addSublayer(const std::shared_ptr<CALayer>& layer)
{
    // An index past the end puts the layer on top, also when it is already a sublayer.
    insertSublayer(layer, m_sublayers.size() + 1);
}

void CALayer::insertSublayerAbove(const std::shared_ptr<CALayer>& layer, const std::shared_ptr<CALayer>& sibling)
{
    auto at = std::find(m_sublayers.begin(), m_sublayers.end(), sibling);
    if (!sibling || at == m_sublayers.end()) {
        addSublayer(layer);
        return;
    }
    insertSublayer(layer, static_cast<std::size_t>(at - m_sublayers.begin()) + 1);
}

void CALayer::insertSublayerBelow(const std::shared_ptr<CALayer>& layer, const std::shared_ptr<CALayer>& sibling)
{
    auto at = std::find(m_sublayers.begin(), m_sublayers.end(), sibling);
    if (!sibling || at == m_sublayers.end()) {
        insertSublayer(layer, 0);
        return;
    }
    insertSublayer(layer, static_cast<std::size_t>(at - m_sublayers.begin()));
}

void CALayer::replaceSublayer(const std::shared_ptr<CALayer>& old, const std::shared_ptr<CALayer>& replacement)
{
    auto at = std::find(m_sublayers.begin(), m_sublayers.end(), old);
    if (!old || at == m_sublayers.end()) {
        debugLog("CALayer: replaceSublayer with a layer that is not a sublayer");
        return;
    }
    if (!replacement || replacement == old) {
        return;
    }
    std::size_t index = static_cast<std::size_t>(at - m_sublayers.begin());
    old->removeFromSuperlayer();
    insertSublayer(replacement, index);
}

void CALayer::removeFromSuperlayer()
{
    auto parent = superlayer();
    if (!parent) {
        return;
    }
    auto keepAlive = sharedFromThis<CALayer>();
    removeFromSublayersOf(*parent);
    m_superlayer.reset();
}

} // namespace platform
