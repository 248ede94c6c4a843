#pragma once
// Small screens the driver tests use: a counter of control actions and a text-field delegate that
// writes down every question it is asked.
#include "platform/foundation/NSRange.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UITextFieldDelegate.h"

#include <memory>
#include <string>
#include <vector>

namespace driver_test {

// Counts touch-up-inside actions of the buttons it is attached to.
class TapCounter {
public:
    void attach(platform::UIControl& control,
                platform::UIControlEvents events = platform::UIControlEvents::touchUpInside)
    {
        control.addAction([this](platform::UIControl&) { ++count; }, events);
    }
    int count = 0;
};

class RecordingDelegate : public platform::UITextFieldDelegate {
public:
    bool textFieldShouldBeginEditing(platform::UITextField&) override
    {
        calls.push_back("shouldBegin");
        return allowBegin;
    }
    void textFieldDidBeginEditing(platform::UITextField&) override { calls.push_back("didBegin"); }
    bool textFieldShouldEndEditing(platform::UITextField&) override
    {
        calls.push_back("shouldEnd");
        return true;
    }
    void textFieldDidEndEditing(platform::UITextField&) override { calls.push_back("didEnd"); }
    bool textField(platform::UITextField&, platform::NSRange range, const std::string& replacement) override
    {
        calls.push_back("change " + std::to_string(range.location) + "," + std::to_string(range.length) + " '" +
                        replacement + "'");
        return replacement != refused;
    }
    bool textFieldShouldReturn(platform::UITextField&) override
    {
        calls.push_back("shouldReturn");
        return true;
    }

    std::vector<std::string> calls;
    bool allowBegin = true;
    std::string refused = "#";
};

inline std::shared_ptr<platform::UIButton> makeButton(const platform::CGRect& frame, const std::string& title)
{
    auto button = platform::NSObject::create<platform::UIButton>(frame);
    button->setTitle(title, platform::UIControlState::normal);
    button->setAccessibilityIdentifier(title);
    return button;
}

} // namespace driver_test
