#include "platform/testing/ScreenSetup.h"

#include "platform/ui/UIScreen.h"

namespace platform {

void configureTestScreen(double width, double height, double scale)
{
    auto screen = UIScreen::main();
    screen->setBounds({0, 0, width, height});
    screen->setScale(scale);
}

void restoreDefaultScreen()
{
    UIScreen::resetMain();
}

} // namespace platform
