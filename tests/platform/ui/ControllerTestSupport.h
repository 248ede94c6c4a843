#pragma once
// Shared pieces of the view-controller tests: a fixture on a fresh manual clock, a controller that
// records its callbacks in a shared log, and touches sent the way a finger would.
#include "ViewTestSupport.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace platform::testsupport {

using CallLog = std::vector<std::string>;

// Logs "<name>.<callback>" for every life-cycle callback.
class RecordingController : public UIViewController {
public:
    RecordingController(std::string name, std::shared_ptr<CallLog> log) : m_name(std::move(name)), m_log(std::move(log))
    {
    }

    void loadView() override
    {
        record("loadView");
        UIViewController::loadView();
    }
    void viewDidLoad() override { record("viewDidLoad"); }
    void viewWillAppear(bool) override { record("viewWillAppear"); }
    void viewDidAppear(bool) override
    {
        record("viewDidAppear");
        layoutCountAtDidAppear = layoutCount;
    }
    void viewWillDisappear(bool) override { record("viewWillDisappear"); }
    void viewDidDisappear(bool) override { record("viewDidDisappear"); }
    void viewDidLayoutSubviews() override { ++layoutCount; }

    int layoutCount = 0;
    int layoutCountAtDidAppear = -1;

private:
    void record(const std::string& what) { m_log->push_back(m_name + "." + what); }
    std::string m_name;
    std::shared_ptr<CallLog> m_log;
};

// The view fixture plus a fresh application and main screen.
class ControllerTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        resetApplication();
    }
    void TearDown() override
    {
        resetApplication();
        ViewTest::TearDown();
    }

    static void resetApplication()
    {
        UIApplication::shared()->reset();
        UIScreen::resetMain();
    }

    std::shared_ptr<RecordingController> recorder(const std::string& name)
    {
        return NSObject::create<RecordingController>(name, m_log);
    }

    // A visible key window showing `root`, with its appearance finished.
    std::shared_ptr<UIWindow> showInWindow(const UIViewControllerPtr& root)
    {
        auto window = NSObject::create<UIWindow>();
        window->setRootViewController(root);
        window->makeKeyAndVisible();
        RunLoop::main().runUntilIdle();
        return window;
    }

    // Runs whatever is due now, then moves the clock on.
    void advance(double seconds) { RunLoop::main().advanceBy(seconds); }

    std::vector<std::string> takeLog()
    {
        auto taken = *m_log;
        m_log->clear();
        return taken;
    }

    std::shared_ptr<CallLog> m_log = std::make_shared<CallLog>();
};

// One finger going down and up at `point` (screen coordinates), through the application.
inline void tapAt(CGPoint point)
{
    auto touch = NSObject::create<UITouch>();
    touch->setLocationInWindow(point);
    touch->setPhase(UITouchPhase::began);
    auto down = NSObject::create<UIEvent>();
    down->addTouch(touch);
    UIApplication::shared()->sendEvent(down);
    touch->setPhase(UITouchPhase::ended);
    auto up = NSObject::create<UIEvent>();
    up->addTouch(touch);
    UIApplication::shared()->sendEvent(up);
}

// Taps the centre of `view`.
inline void tapView(const UIViewPtr& view)
{
    if (!view) {
        ADD_FAILURE() << "tapView: no view to tap (a lookup before it failed)";
        return;
    }
    CGRect rect = view->convert(view->bounds(), UIViewPtr());
    tapAt({rect.midX(), rect.midY()});
}

} // namespace platform::testsupport
