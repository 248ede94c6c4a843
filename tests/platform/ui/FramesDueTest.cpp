// The UI's layout pass and a host's own pass share the display passes; touches and keys delivered
// between turns make the next turn report a frame due.
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/testing/TouchInjection.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FramesDue, TheUIAndAHostShareTheDisplayPassesAndInputMakesAFrameDue)
{
    TestEnvironment environment;
    RunLoop& loop = RunLoop::main();
    int hostPasses = 0;
    loop.addDisplayPass([&] { ++hostPasses; });
    auto field = NSObject::create<UITextField>(CGRect{20, 100, 200, 40});
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(NSObject::create<UIViewController>());
    window->rootViewController()->view()->addSubview(field);
    window->makeKeyAndVisible();
    NSObject::create<UIWindow>()->setHidden(false);

    loop.runOnce();
    EXPECT_EQ(window->rootViewController()->view()->frame(), window->bounds()); // the UI's pass ran
    EXPECT_EQ(hostPasses, 1);
    EXPECT_EQ(loop.displayPassCount(), 2u); // joined once for both windows

    const std::vector<std::tuple<const char*, std::function<void()>, bool>> inputs = {
        {"tap through the application", [&] { injectTap(field, {10, 10}, loop.now()); }, true},
        {"key into the focused field", [&] { field->userInsertText("7"); }, true},
        {"key after the field lost the focus",
         [&] {
             field->resignFirstResponder();
             loop.runOnce();
             field->userInsertText("8");
         },
         false},
    };
    for (const auto& [name, deliver, frameDue] : inputs) {
        SCOPED_TRACE(name);
        deliver();
        EXPECT_EQ(loop.runOnce().handledEvents, frameDue);
    }
    EXPECT_EQ(field->text(), "7");
}

} // namespace
} // namespace platform
