// Hit testing and conversion between the coordinate spaces of views.
#include "platform/ui/UIView.h"

namespace platform {

UIViewPtr UIView::hitTest(CGPoint point, const std::shared_ptr<UIEvent>& event)
{
    if (isHidden() || alpha() < 0.01 || !m_userInteractionEnabled) {
        return nullptr;
    }
    if (!pointInside(point, event)) {
        return nullptr;
    }
    auto subviews = m_subviews; // snapshot: hit testing code may edit the tree
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        const auto& subview = *it;
        CGPoint local = subview->m_layer->convertFromSuperlayer(point);
        if (auto hit = subview->hitTest(local, event)) {
            return hit;
        }
    }
    return sharedFromThis<UIView>();
}

bool UIView::pointInside(CGPoint point, const std::shared_ptr<UIEvent>&) const
{
    return bounds().contains(point);
}

CGPoint UIView::convert(CGPoint point, const UIViewPtr& to) const
{
    return m_layer->convert(point, to ? to->m_layer : nullptr);
}

CGPoint UIView::convertFrom(CGPoint point, const UIViewPtr& from) const
{
    return m_layer->convertFrom(point, from ? from->m_layer : nullptr);
}

CGRect UIView::convert(const CGRect& rect, const UIViewPtr& to) const
{
    return m_layer->convert(rect, to ? to->m_layer : nullptr);
}

CGRect UIView::convertFrom(const CGRect& rect, const UIViewPtr& from) const
{
    return m_layer->convertFrom(rect, from ? from->m_layer : nullptr);
}

} // namespace platform
