#pragma once
// What a text field asks and tells its delegate while a person edits it. Every method has a
// default (allow, or do nothing), so a delegate overrides only what it needs.
#include "platform/foundation/NSRange.h"

#include <string>

namespace platform {

class UITextField;

class UITextFieldDelegate {
public:
    virtual ~UITextFieldDelegate() = default;

    // Asked before the field becomes first responder; false keeps it from editing.
    virtual bool textFieldShouldBeginEditing(UITextField&) { return true; }
    virtual void textFieldDidBeginEditing(UITextField&) {}
    // Asked before the field resigns; false keeps it editing.
    virtual bool textFieldShouldEndEditing(UITextField&) { return true; }
    virtual void textFieldDidEndEditing(UITextField&) {}
    // Asked before an edit of the person's replaces the characters in `range` (UTF-16 units of the
    // current text) by `replacement` (empty for a deletion); false leaves the text unchanged.
    virtual bool textField(UITextField&, NSRange /*range*/, const std::string& /*replacement*/) { return true; }
    // Asked when the clear button is tapped; false keeps the text.
    virtual bool textFieldShouldClear(UITextField&) { return true; }
    // Asked when the return key is pressed.
    virtual bool textFieldShouldReturn(UITextField&) { return true; }
};

} // namespace platform
