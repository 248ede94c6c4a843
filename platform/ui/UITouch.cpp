#include "platform/ui/UITouch.h"

#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIView.h"

namespace platform {

void UITouch::setLocationInWindow(CGPoint point)
{
    m_previousLocation = m_location;
    m_location = point;
}

CGPoint UITouch::location(const std::shared_ptr<UIView>& view) const
{
    if (!view) {
        return m_location;
    }
    return view->convertFrom(m_location, m_window.lock());
}

CGPoint UITouch::previousLocation(const std::shared_ptr<UIView>& view) const
{
    if (!view) {
        return m_previousLocation;
    }
    return view->convertFrom(m_previousLocation, m_window.lock());
}

std::vector<std::shared_ptr<UIGestureRecognizer>> UITouch::gestureRecognizers() const
{
    std::vector<std::shared_ptr<UIGestureRecognizer>> alive;
    for (const auto& entry : m_recognizers) {
        if (auto recognizer = entry.lock()) {
            alive.push_back(recognizer);
        }
    }
    return alive;
}

void UITouch::setGestureRecognizers(const std::vector<std::shared_ptr<UIGestureRecognizer>>& recognizers)
{
    m_recognizers.assign(recognizers.begin(), recognizers.end());
}

} // namespace platform
