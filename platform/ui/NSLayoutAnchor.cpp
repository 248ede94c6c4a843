#include "platform/ui/NSLayoutAnchor.h"

#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

namespace platform {

namespace {

LayoutAnchors anchorsOf(const std::shared_ptr<NSObject>& item)
{
    using A = NSLayoutAttribute;
    return {{item, A::left}, {item, A::right},  {item, A::leading}, {item, A::trailing}, {item, A::centerX},
            {item, A::top},  {item, A::bottom}, {item, A::centerY}, {item, A::width},    {item, A::height}};
}

} // namespace

LayoutAnchors anchors(const std::shared_ptr<UIView>& view)
{
    return anchorsOf(view);
}

LayoutAnchors anchors(const std::shared_ptr<UILayoutGuide>& guide)
{
    return anchorsOf(guide);
}

} // namespace platform
