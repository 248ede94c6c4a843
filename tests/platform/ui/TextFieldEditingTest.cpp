#include "ControlTestSupport.h"

#include "platform/foundation/ManualClock.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIKeyboardNotifications.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIToolbar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace platform {
namespace {

using Log = std::vector<std::string>;

std::string describe(NSRange range)
{
    return "{" + std::to_string(range.location) + "," + std::to_string(range.length) + "}";
}

// Records every delegate call; answers as told.
class RecordingDelegate : public NSObject, public UITextFieldDelegate {
public:
    explicit RecordingDelegate(Log& log) : m_log(log) {}

    bool allowBegin = true;
    bool allowEnd = true;
    bool allowChange = true;
    bool allowReturn = true;
    bool allowClear = true;
    std::function<void(UITextField&)> onReturn;

    bool textFieldShouldBeginEditing(UITextField&) override { return note("shouldBegin", allowBegin); }
    void textFieldDidBeginEditing(UITextField&) override { m_log.push_back("didBegin"); }
    bool textFieldShouldEndEditing(UITextField&) override { return note("shouldEnd", allowEnd); }
    void textFieldDidEndEditing(UITextField&) override { m_log.push_back("didEnd"); }
    bool textField(UITextField&, NSRange range, const std::string& replacement) override
    {
        return note("change " + describe(range) + " '" + replacement + "'", allowChange);
    }
    bool textFieldShouldClear(UITextField&) override { return note("shouldClear", allowClear); }
    bool textFieldShouldReturn(UITextField& field) override
    {
        note("shouldReturn", true);
        if (onReturn)
            onReturn(field);
        return allowReturn;
    }

private:
    bool note(const std::string& what, bool answer)
    {
        m_log.push_back(what);
        return answer;
    }
    Log& m_log;
};

class TextFieldEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIResponder::clearFirstResponder();
        RunLoop::main().reset();
        RunLoop::main().setClock(std::make_shared<ManualClock>(0.0));
        field = NSObject::create<UITextField>(CGRect(0, 0, 200, 30));
        delegate = NSObject::create<RecordingDelegate>(log);
        field->setDelegate(delegate);
        record(field, "");
    }

    // Logs the field's editing events and notifications into `log`, prefixed.
    void record(const std::shared_ptr<UITextField>& which, const std::string& prefix)
    {
        auto note = [this, prefix](const std::string& what) {
            return [this, prefix, what](UIControl&) { log.push_back(prefix + what); };
        };
        which->addAction(note("editingDidBegin"), UIControlEvents::editingDidBegin);
        which->addAction(note("editingChanged"), UIControlEvents::editingChanged);
        which->addAction(note("editingDidEnd"), UIControlEvents::editingDidEnd);
        auto& center = NotificationCenter::defaultCenter();
        for (const auto& name :
             {UITextFieldTextDidBeginEditing, UITextFieldTextDidChange, UITextFieldTextDidEndEditing}) {
            std::string shortName = name.substr(std::string("UITextFieldText").size());
            shortName = shortName.substr(0, shortName.size() - std::string("Notification").size());
            tokens.push_back(center.addObserver(
                name, [this, prefix, shortName](const Notification&) { log.push_back(prefix + "posted " + shortName); },
                which));
        }
    }

    void TearDown() override
    {
        UIResponder::clearFirstResponder();
        RunLoop::main().reset();
        RunLoop::main().setClock(nullptr);
    }

    Log take()
    {
        Log taken;
        taken.swap(log);
        return taken;
    }

    Log log;
    std::shared_ptr<UITextField> field;
    std::shared_ptr<RecordingDelegate> delegate;
    std::vector<std::shared_ptr<NotificationObserverToken>> tokens;
};

TEST_F(TextFieldEditingTest, TypingAsksTheDelegateAndReportsEachAcceptedKey)
{
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(field->font()->pointSize(), 17);
    EXPECT_FALSE(field->userInsertText("a")); // no keyboard before focus
    EXPECT_TRUE(take().empty());

    ASSERT_TRUE(field->userBeginEditing());
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_EQ(take(), (Log{"shouldBegin", "didBegin", "editingDidBegin", "posted DidBeginEditing"}));

    EXPECT_EQ(field->userTypeText("ab"), 2u);
    EXPECT_EQ(field->text(), "ab");
    EXPECT_EQ(field->selectedRange(), (NSRange{2, 0}));
    EXPECT_EQ(take(), (Log{"change {0,0} 'a'", "editingChanged", "posted DidChange", "change {1,0} 'b'",
                           "editingChanged", "posted DidChange"}));

    // Typing replaces the selection; backspace removes the selection, else the character before.
    field->userSelect({0, 1});
    EXPECT_TRUE(field->userInsertText("X"));
    EXPECT_EQ(field->text(), "Xb");
    EXPECT_EQ(field->selectedRange(), (NSRange{1, 0}));
    EXPECT_TRUE(field->userDeleteBackward());
    EXPECT_EQ(field->text(), "b");
    EXPECT_EQ(take(), (Log{"change {0,1} 'X'", "editingChanged", "posted DidChange", "change {0,1} ''",
                           "editingChanged", "posted DidChange"}));
    // At the start of the text backspace does nothing at all.
    EXPECT_EQ(field->selectedRange(), (NSRange{0, 0}));
    EXPECT_FALSE(field->userDeleteBackward());
    EXPECT_TRUE(take().empty());

    // Paste is one edit, whatever its length.
    field->userSelect({1, 0});
    EXPECT_TRUE(field->userPaste("cd e"));
    EXPECT_EQ(field->text(), "bcd e");
    EXPECT_EQ(take(), (Log{"change {1,0} 'cd e'", "editingChanged", "posted DidChange"}));
}

TEST_F(TextFieldEditingTest, RangesCountUtf16UnitsAndBackspaceTakesWholeCharacters)
{
    field->userBeginEditing();
    take();
    const std::string emoji = "\xF0\x9F\x98\x80";                // U+1F600: two UTF-16 units
    const std::string combined = "e\xCC\x81";                    // e + combining acute: two units, one character
    const std::string flag = "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"; // a regional-indicator pair: four units
    field->userInsertText("a");
    field->userInsertText(emoji);
    field->userInsertText(combined);
    field->userInsertText(flag);
    EXPECT_EQ(field->text(), "a" + emoji + combined + flag);
    EXPECT_EQ(field->selectedRange(), (NSRange{9, 0}));
    Log typed = take();
    EXPECT_EQ(typed[0], "change {0,0} 'a'");
    EXPECT_EQ(typed[3], "change {1,0} '" + emoji + "'");
    EXPECT_EQ(typed[6], "change {3,0} '" + combined + "'");
    EXPECT_EQ(typed[9], "change {5,0} '" + flag + "'");

    // Each backspace removes one whole character, with the range of all its units.
    std::vector<std::string> ranges;
    while (field->userDeleteBackward()) {
        for (const auto& entry : take()) {
            if (entry.rfind("change", 0) == 0)
                ranges.push_back(entry);
        }
    }
    EXPECT_EQ(ranges,
              (std::vector<std::string>{"change {5,4} ''", "change {3,2} ''", "change {1,2} ''", "change {0,1} ''"}));
    EXPECT_EQ(field->text(), "");

    // Typing characters by key splits text into characters, not code points.
    EXPECT_EQ(field->userTypeText(combined + emoji), 2u);
    EXPECT_EQ(field->text(), combined + emoji);

    // A person's caret inside a character stands at its start; a selection takes whole characters.
    // {text, range selected, the key typed (0: backspace), text after}
    const std::tuple<std::string, NSRange, char, std::string> cases[] = {
        {"a" + emoji + "b", {2, 0}, 'x', "ax" + emoji + "b"},
        {"a" + emoji + "b", {2, 0}, 0, emoji + "b"},
        {"a" + emoji + "b", {0, 2}, 'Z', "Zb"},
        {"a" + combined, {2, 0}, 0, combined}, // never the mark on the "a"
        {"a" + combined, {2, 1}, 'Z', "aZ"},
    };
    for (const auto& [text, range, key, expected] : cases) {
        field->setText(text);
        field->userSelect(range);
        EXPECT_TRUE(key ? field->userInsertText(std::string(1, key)) : field->userDeleteBackward());
        EXPECT_EQ(field->text(), expected) << describe(range);
    }
    // In code only surrogate pairs stay whole: a start moves to its pair's start, an end to its end.
    field->setText("a" + emoji + "b");
    field->setSelectedRange({2, 2});
    EXPECT_EQ(field->selectedRange(), (NSRange{1, 3}));
    field->replace({2, 1}, "");
    EXPECT_EQ(field->text(), "ab");
}

TEST_F(TextFieldEditingTest, RefusedEditsChangeNothingAndReportNothing)
{
    field->setText("12");
    field->userBeginEditing();
    take();
    delegate->allowChange = false;
    EXPECT_FALSE(field->userInsertText("3"));
    EXPECT_FALSE(field->userDeleteBackward());
    EXPECT_FALSE(field->userPaste("xyz"));
    EXPECT_EQ(field->text(), "12");
    EXPECT_EQ(field->selectedRange(), (NSRange{2, 0}));
    EXPECT_EQ(take(), (Log{"change {2,0} '3'", "change {1,1} ''", "change {2,0} 'xyz'"}));

    // A delegate that rewrites the text itself and refuses the key: only its own text stays, and
    // setting text in code sends no event, but the key did change the field.
    struct Rewriter : RecordingDelegate {
        using RecordingDelegate::RecordingDelegate;
        bool textField(UITextField& f, NSRange, const std::string& replacement) override
        {
            f.setText("[" + replacement + "]");
            return false;
        }
    };
    auto rewriter = NSObject::create<Rewriter>(log);
    field->setDelegate(rewriter);
    EXPECT_TRUE(field->userInsertText("7"));
    EXPECT_EQ(field->text(), "[7]");
    EXPECT_EQ(field->selectedRange(), (NSRange{3, 0}));
    EXPECT_TRUE(take().empty());

    // Refused focus: no editing and nothing posted.
    field->userEndEditing();
    take();
    delegate->allowBegin = false;
    field->setDelegate(delegate);
    EXPECT_FALSE(field->userBeginEditing());
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(take(), (Log{"shouldBegin"}));
}

TEST_F(TextFieldEditingTest, ChangesInCodeCallNothing)
{
    field->userBeginEditing();
    take();
    field->setText("hello");
    field->setText(std::nullopt);
    EXPECT_EQ(field->text(), "");
    field->setAttributedText(NSAttributedString("styled"));
    field->setSelectedRange({1, 2});
    field->setPlaceholder("Amount");
    EXPECT_EQ(field->text(), "styled");
    EXPECT_EQ(field->selectedRange(), (NSRange{1, 2}));
    field->setSelectedRange({4, 10});
    EXPECT_EQ(field->selectedRange(), (NSRange{4, 2})); // clamped to the text
    EXPECT_TRUE(take().empty());

    // An edit of attributed text keeps the attributes around it.
    NSAttributedString bold("ab", {{NSAttributedStringKey::font, AttributeValue(UIFont::boldSystemFont(20))}});
    field->setAttributedText(bold);
    field->userInsertText("c");
    EXPECT_EQ(field->attributedText().string(), "abc");
    EXPECT_TRUE(field->attributedText().attribute(NSAttributedStringKey::font, 2).has_value());
}

TEST_F(TextFieldEditingTest, NumberPadTypesDigitsOnlyAndHasNoReturnKey)
{
    field->setKeyboardType(UIKeyboardType::numberPad);
    field->userBeginEditing();
    take();
    EXPECT_EQ(field->userTypeText("1a2.3"), 3u);
    EXPECT_EQ(field->text(), "123");
    EXPECT_FALSE(field->userInsertText("4x"));
    // Letters are simply not on the keyboard: the delegate never hears of them.
    for (const auto& entry : take()) {
        EXPECT_EQ(entry.find("a'"), std::string::npos) << entry;
        EXPECT_EQ(entry.find("x'"), std::string::npos) << entry;
    }
    // Pasting is not filtered by the keyboard.
    EXPECT_TRUE(field->userPaste("4a"));
    EXPECT_EQ(field->text(), "1234a");
    take();
    EXPECT_FALSE(field->userReturn());
    EXPECT_TRUE(take().empty());

    field->setKeyboardType(UIKeyboardType::decimalPad);
    EXPECT_TRUE(field->userInsertText("."));
    field->setKeyboardType(UIKeyboardType::defaultType);
    EXPECT_TRUE(field->userInsertText("z"));
}

TEST_F(TextFieldEditingTest, ReturnAsksTheDelegateAndEndsOnExitWhenSomeoneListens)
{
    field->userBeginEditing();
    take();
    EXPECT_TRUE(field->userReturn());
    EXPECT_EQ(take(), (Log{"shouldReturn"}));
    EXPECT_TRUE(field->isEditing());

    int exits = 0;
    field->addAction([&](UIControl&) { ++exits; }, UIControlEvents::editingDidEndOnExit);
    delegate->allowReturn = false;
    field->userReturn();
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(field->isEditing());
    take();

    delegate->allowReturn = true;
    field->userReturn();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(take(), (Log{"shouldReturn", "shouldEnd", "didEnd", "editingDidEnd", "posted DidEndEditing"}));

    // A delegate that ends editing itself on return (and answers false).
    auto row = NSObject::create<UIView>(CGRect(0, 0, 300, 100));
    row->addSubview(field);
    field->userBeginEditing();
    delegate->allowReturn = false;
    delegate->onReturn = [&](UITextField&) { row->endEditing(true); };
    take();
    field->userReturn();
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(take(), (Log{"shouldReturn", "shouldEnd", "didEnd", "editingDidEnd", "posted DidEndEditing"}));
}

TEST_F(TextFieldEditingTest, EndingEditingDirectlyByAncestorOrByDone)
{
    auto row = NSObject::create<UIView>(CGRect(0, 0, 300, 100));
    row->addSubview(field);
    const Log ended{"shouldEnd", "didEnd", "editingDidEnd", "posted DidEndEditing"};

    field->userBeginEditing();
    take();
    EXPECT_TRUE(field->resignFirstResponder());
    EXPECT_EQ(take(), ended);
    EXPECT_TRUE(field->resignFirstResponder()); // not editing: nothing to end
    EXPECT_TRUE(take().empty());

    field->userBeginEditing();
    take();
    EXPECT_TRUE(row->endEditing(false));
    EXPECT_EQ(take(), ended);

    // The Done button of a keyboard toolbar: target the field, action its resignFirstResponder.
    auto toolbar = NSObject::create<UIToolbar>();
    auto done = UIBarButtonItem::withTitle("Done", UIBarButtonItemStyle::done);
    done->setTargetAction(field, &UIResponder::resignFirstResponder);
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    field->setInputAccessoryView(toolbar);
    field->userBeginEditing();
    take();
    EXPECT_TRUE(done->userTap());
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(take(), ended);

    // A delegate may keep the field editing.
    field->userBeginEditing();
    delegate->allowEnd = false;
    take();
    EXPECT_FALSE(field->resignFirstResponder());
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(take(), (Log{"shouldEnd"}));

    // Forced, the editing session still ends with its reports (on the next run-loop turn).
    row->endEditing(true);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(take(), (Log{"shouldEnd"}));
    RunLoop::main().runUntilIdle();
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(take(), (Log{"didEnd", "editingDidEnd", "posted DidEndEditing"}));
    EXPECT_FALSE(field->userInsertText("x"));
    EXPECT_EQ(field->text(), "");
}

TEST_F(TextFieldEditingTest, MovingFocusEndsTheOtherFieldFirst)
{
    auto other = NSObject::create<UITextField>(CGRect(0, 40, 200, 30));
    auto otherDelegate = NSObject::create<RecordingDelegate>(log);
    other->setDelegate(otherDelegate);
    record(other, "other ");
    // What the keyboard hears: focus changes, through the default center.
    std::vector<std::pair<void*, bool>> keyboard;
    auto& center = NotificationCenter::defaultCenter();
    auto became = center.addObserver(UITextInputDidBecomeFirstResponderNotification,
                                     [&](const Notification& n) { keyboard.emplace_back(n.object().get(), true); });
    auto resigned = center.addObserver(UITextInputDidResignFirstResponderNotification,
                                       [&](const Notification& n) { keyboard.emplace_back(n.object().get(), false); });

    field->userBeginEditing();
    take();
    EXPECT_TRUE(other->userBeginEditing());
    Log order = take();
    // The newcomer is asked, then the old field ends, then the newcomer begins.
    EXPECT_EQ(order, (Log{"shouldBegin", "shouldEnd", "didEnd", "editingDidEnd", "posted DidEndEditing", "didBegin",
                          "other editingDidBegin", "other posted DidBeginEditing"}));
    EXPECT_EQ(keyboard,
              (std::vector<std::pair<void*, bool>>{{field.get(), true}, {field.get(), false}, {other.get(), true}}));

    // Typing goes to the field that edits, and only its observers hear of it.
    other->userInsertText("q");
    EXPECT_EQ(take(), (Log{"change {0,0} 'q'", "other editingChanged", "other posted DidChange"}));

    other->resignFirstResponder();
    EXPECT_EQ(keyboard.back(), (std::pair<void*, bool>{other.get(), false}));
}

TEST_F(TextFieldEditingTest, DelegateIsWeakAndDisabledFieldsDoNotFocus)
{
    std::weak_ptr<RecordingDelegate> watch = delegate;
    delegate.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(field->userBeginEditing()); // defaults: allowed
    EXPECT_TRUE(field->userInsertText("z"));
    EXPECT_EQ(field->text(), "z");
    field->resignFirstResponder();

    field->setEnabled(false);
    EXPECT_FALSE(field->userBeginEditing());
    EXPECT_FALSE(field->isEditing());
}

TEST_F(TextFieldEditingTest, TapsFocusAndTheClearButtonClears)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 300, 100));
    root->addSubview(field);
    field->setText("abc");
    field->setClearButtonMode(UITextFieldViewMode::whileEditing);
    EXPECT_FALSE(field->isClearButtonShown());

    testsupport::tap(root, {20, 15});
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(field->isClearButtonShown());
    take();

    delegate->allowClear = false;
    CGRect clear = field->clearButtonRect(field->bounds());
    testsupport::tap(root, {clear.midX(), clear.midY()});
    EXPECT_EQ(field->text(), "abc");
    EXPECT_EQ(take(), (Log{"shouldClear"}));

    delegate->allowClear = true;
    testsupport::tap(root, {clear.midX(), clear.midY()});
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(take(), (Log{"shouldClear", "editingChanged", "posted DidChange"}));
    EXPECT_FALSE(field->userClear()); // nothing left to clear: the button is gone
}

} // namespace
} // namespace platform
