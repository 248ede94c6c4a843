#pragma once
// UIPopoverPresentationController: where a popover presentation is anchored. On a phone-sized
// screen the presented controller covers the screen, but the anchor is kept, as a larger screen
// would point the popover's arrow at it.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGRect.h"

#include <cstdint>
#include <memory>

namespace platform {

class UIView;
class UIViewController;
class UIBarButtonItem;

// Directions the popover's arrow may point (a bitmask).
enum class UIPopoverArrowDirection : std::uint32_t {
    up = 1 << 0,
    down = 1 << 1,
    left = 1 << 2,
    right = 1 << 3,
    any = (1 << 0) | (1 << 1) | (1 << 2) | (1 << 3),
    unknown = 0xFFFFFFFFu,
};
constexpr UIPopoverArrowDirection operator|(UIPopoverArrowDirection a, UIPopoverArrowDirection b)
{
    return static_cast<UIPopoverArrowDirection>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

class UIPopoverPresentationController : public NSObject {
public:
    explicit UIPopoverPresentationController(std::weak_ptr<UIViewController> presented)
        : m_presented(std::move(presented))
    {
    }

    // The controller shown in the popover (weak).
    std::shared_ptr<UIViewController> presentedViewController() const { return m_presented.lock(); }

    // The view the popover points at (weak) and the rectangle in it; a zero rectangle means the
    // whole view.
    std::shared_ptr<UIView> sourceView() const { return m_sourceView.lock(); }
    void setSourceView(std::weak_ptr<UIView> view) { m_sourceView = std::move(view); }
    CGRect sourceRect() const { return m_sourceRect; }
    void setSourceRect(const CGRect& rect) { m_sourceRect = rect; }
    // A bar item to point at instead of a view (weak).
    std::shared_ptr<UIBarButtonItem> barButtonItem() const { return m_barButtonItem.lock(); }
    void setBarButtonItem(std::weak_ptr<UIBarButtonItem> item) { m_barButtonItem = std::move(item); }
    // Default: any direction.
    UIPopoverArrowDirection permittedArrowDirections() const { return m_arrowDirections; }
    void setPermittedArrowDirections(UIPopoverArrowDirection directions) { m_arrowDirections = directions; }

    // True when a source view or bar item is set and still alive.
    bool hasAnchor() const { return !m_sourceView.expired() || !m_barButtonItem.expired(); }

private:
    std::weak_ptr<UIViewController> m_presented;
    std::weak_ptr<UIView> m_sourceView;
    CGRect m_sourceRect;
    std::weak_ptr<UIBarButtonItem> m_barButtonItem;
    UIPopoverArrowDirection m_arrowDirections = UIPopoverArrowDirection::any;
};

} // namespace platform
