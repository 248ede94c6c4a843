#include "platform/testing/TestEnvironment.h"

#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ResetForTesting.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/BrokenImageFiles.h"
#include "platform/testing/ScreenSetup.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIView.h"

namespace platform {

TestEnvironment::TestEnvironment()
    : m_clock(std::make_shared<ManualClock>(0.0)), m_previousClock(RunLoop::main().clock())
{
    clearState();
    RunLoop::main().setClock(m_clock);
    configureTestScreen(kScreenWidth, kScreenHeight, kScreenScale);
}

TestEnvironment::~TestEnvironment()
{
    clearState();
    RunLoop::main().setClock(m_previousClock);
    restoreDefaultScreen();
}

void TestEnvironment::clearState()
{
    // Registered nibs go first: the framework's resets put back the nibs it registers once.
    NibRegistry::resetForTesting();
    // The framework's singletons next: putting them back may queue work or stop observing.
    runResetsForTesting();
    UIView::cancelAllAnimations();
    UIView::clearAnimationLog();
    UIResponder::clearFirstResponder();
    // The keyboard observes the text inputs again once the center is empty.
    NotificationCenter::resetForTesting();
    UIKeyboard::shared().reset();
    UIApplication::shared()->reset();
    UIActivityViewController::setHostActivityHandler({});
    UserDefaults::resetForTesting();
    BrokenImageFiles::resetForTesting();
    RunLoop::main().reset();
}

void TestEnvironment::runUntilIdle()
{
    RunLoop::main().runUntilIdle();
}

void TestEnvironment::advanceBy(double seconds)
{
    RunLoop::main().advanceBy(seconds);
}

} // namespace platform
