// Drawing a view's tree into the current graphics context, for snapshots.
#include "platform/ui/UIView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"

namespace platform {

bool UIView::drawHierarchy(const CGRect& rect, bool afterScreenUpdates)
{
    auto context = UIGraphicsGetCurrentContext();
    if (!context) {
        debugLog("UIView: drawHierarchy without a current graphics context");
        return false;
    }
    auto keepAlive = sharedFromThis<UIView>();
    if (afterScreenUpdates) {
        layoutIfNeeded();
    }
    CGRect source = bounds().standardized();
    CGRect target = rect.standardized();
    if (source.isEmpty() || target.isEmpty() || target.isNull()) {
        debugLog("UIView: drawHierarchy with nothing to draw or nowhere to draw it");
        return false;
    }
    context->saveGState();
    context->translateBy(target.minX(), target.minY());
    if (target.size != source.size) {
        context->scaleBy(target.width() / source.width(), target.height() / source.height());
    }
    context->translateBy(-source.minX(), -source.minY());
    layer()->render(*context);
    context->restoreGState();
    return true;
}

} // namespace platform
