#include "DriverTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIToolbar.h"

#include <gtest/gtest.h>

using namespace platform;
using driver_test::RecordingDelegate;

namespace {

struct Form {
    UIViewPtr root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    std::shared_ptr<UITextField> field = NSObject::create<UITextField>(CGRect{20, 100, 335, 40});
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();

    Form()
    {
        field->setAccessibilityIdentifier("amount");
        field->setDelegate(delegate);
        root->addSubview(field);
    }
};

} // namespace

TEST(DriverTyping, KeysGoThroughTheDelegateOneByOne)
{
    Form form;
    UIDriver driver(form.root);
    int changedEvents = 0;
    form.field->addAction([&](UIControl&) { ++changedEvents; }, UIControlEvents::editingChanged);
    int notifications = 0;
    auto token = NotificationCenter::defaultCenter().addObserver(UITextFieldTextDidChange, form.delegate,
                                                                 [&](const Notification&) { ++notifications; });

    DebugLogCapture log;
    EXPECT_EQ(driver.type("12"), 0u); // nothing is focused yet
    EXPECT_TRUE(log.contains("focused text field"));

    EXPECT_EQ(driver.typeInto("amount", "1#2"), 2u); // '#' is refused by the delegate
    EXPECT_EQ(form.field->text(), "12");
    EXPECT_EQ(driver.focusedTextField(), form.field);
    EXPECT_EQ(driver.backspace(3), 2u); // the third press has nothing to delete
    EXPECT_TRUE(driver.paste("9.50"));
    EXPECT_EQ(form.field->text(), "9.50");
    EXPECT_TRUE(driver.pressReturn());

    std::vector<std::string> expected{
        "shouldBegin",   "didBegin",      "change 0,0 '1'",    "change 1,0 '#'", "change 1,0 '2'",
        "change 1,1 ''", "change 0,1 ''", "change 0,0 '9.50'", "shouldReturn",
    };
    EXPECT_EQ(form.delegate->calls, expected);
    EXPECT_EQ(changedEvents, 5); // accepted edits only
    EXPECT_EQ(notifications, 5);

    // Setting the text in code asks and tells nobody.
    form.field->setText("100");
    EXPECT_EQ(form.delegate->calls.size(), expected.size());
    EXPECT_EQ(changedEvents, 5);
}

TEST(DriverTyping, DoneOnTheKeyboardToolbarEndsEditing)
{
    Form form;
    UIDriver driver(form.root);
    form.field->setKeyboardType(UIKeyboardType::numberPad);
    auto toolbar = NSObject::create<UIToolbar>();
    auto done = UIBarButtonItem::withSystemItem(UIBarButtonSystemItem::done);
    std::weak_ptr<UITextField> weakField = form.field;
    done->setAction([weakField](const std::shared_ptr<void>&, UIBarButtonItem&) {
        if (auto field = weakField.lock()) {
            field->resignFirstResponder();
        }
    });
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    form.field->setInputAccessoryView(toolbar);

    ASSERT_TRUE(driver.focus(form.field));
    EXPECT_EQ(driver.type("4a2"), 2u); // a number pad has no letters
    EXPECT_EQ(form.field->text(), "42");
    EXPECT_FALSE(driver.pressReturn()); // nor a return key
    EXPECT_TRUE(driver.pressDone());
    EXPECT_FALSE(form.field->isEditing());
    EXPECT_FALSE(driver.focusedTextField());
    EXPECT_EQ(form.delegate->calls.back(), "didEnd");

    DebugLogCapture log;
    EXPECT_FALSE(driver.pressDone()); // nothing focused any more
}

TEST(DriverTyping, RefusedFocusKeepsTheKeyboardAway)
{
    Form form;
    UIDriver driver(form.root);
    form.delegate->allowBegin = false;
    EXPECT_FALSE(driver.focus(form.field));
    EXPECT_EQ(driver.typeInto("amount", "5"), 0u);
    EXPECT_EQ(form.field->text(), "");
    EXPECT_EQ(form.delegate->calls, (std::vector<std::string>{"shouldBegin", "shouldBegin"}));
}
