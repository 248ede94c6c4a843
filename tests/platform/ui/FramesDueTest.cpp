// A host's view of the loop: the UI's layout pass and the host's own pass share the display passes,
// and touches and keys delivered between turns make the next turn report a frame due.
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/testing/TouchInjection.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class CountingView : public UIView {
public:
    using UIView::UIView;
    int layouts = 0;
    void layoutSubviews() override
    {
        ++layouts;
        UIView::layoutSubviews();
    }
};

TEST(FramesDue, TheUIAndAHostShareTheDisplayPassesAndInputMakesAFrameDue)
{
    TestEnvironment environment;
    RunLoop& loop = RunLoop::main();
    int hostPasses = 0;
    loop.addDisplayPass([&] { ++hostPasses; });

    auto content = NSObject::create<CountingView>(CGRect{0, 0, 375, 667});
    auto field = NSObject::create<UITextField>(CGRect{20, 100, 200, 40});
    content->addSubview(field);
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(NSObject::create<UIViewController>());
    window->rootViewController()->view()->addSubview(content);
    window->makeKeyAndVisible();
    auto other = NSObject::create<UIWindow>();
    other->setHidden(false);

    // Showing windows joins the UI's layout pass once, beside the host's.
    EXPECT_EQ(loop.displayPassCount(), 2u);
    content->setNeedsLayout();
    loop.runOnce();
    EXPECT_EQ(content->layouts, 1);
    EXPECT_EQ(hostPasses, 1);
    EXPECT_FALSE(loop.runOnce().frameDue());

    struct Input {
        const char* name;
        std::function<void()> deliver;
        bool frameDue;
    };
    const std::vector<Input> inputs = {
        {"tap through the application", [&] { injectTap(field, {10, 10}, loop.now()); }, true},
        {"key into the focused field", [&] { field->userInsertText("7"); }, true},
        {"backspace", [&] { field->userDeleteBackward(); }, true},
        {"key after the field lost the focus", [&] {
             field->resignFirstResponder();
             loop.runOnce();
             field->userInsertText("8");
         }, false},
    };
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        input.deliver();
        EXPECT_EQ(loop.runOnce().handledEvents, input.frameDue);
    }
    EXPECT_EQ(field->text(), "");
}

} // namespace
} // namespace platform
