#include "platform/ui/UIScreen.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/graphics/ScreenScale.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

#include <cmath>

namespace platform {

std::shared_ptr<UIScreen> UIScreen::main()
{
    static const std::shared_ptr<UIScreen> screen = [] {
        auto made = NSObject::create<UIScreen>();
        // The screen lives for the process, so the provider may read it through a plain pointer.
        UIScreen* raw = made.get();
        setMainScreenScaleProvider([raw] { return raw->scale(); });
        return made;
    }();
    return screen;
}

void UIScreen::resetMain()
{
    auto screen = main();
    screen->setBounds(defaultBounds());
    screen->m_scale = defaultScale;
}

void UIScreen::setBounds(const CGRect& bounds)
{
    double width = bounds.size.width;
    double height = bounds.size.height;
    if (!std::isfinite(width) || !std::isfinite(height) || width < 0 || height < 0) {
        debugLog("UIScreen: ignoring invalid bounds");
        return;
    }
    const CGRect old = m_bounds;
    m_bounds = CGRect(0, 0, width, height);
    if (m_bounds == old || this != main().get()) {
        return;
    }
    for (const auto& window : UIApplication::shared()->windows()) {
        if (window->frame() == old) {
            window->setFrame(m_bounds);
        }
    }
    NotificationCenter::defaultCenter().post(UIScreenBoundsDidChangeNotification, sharedFromThis<UIScreen>());
}

void UIScreen::setScale(double scale)
{
    if (!std::isfinite(scale) || scale <= 0) {
        debugLog("UIScreen: ignoring invalid scale " + classicNumber(scale));
        return;
    }
    m_scale = scale;
}

} // namespace platform
