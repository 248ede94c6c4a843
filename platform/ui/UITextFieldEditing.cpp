// A person's editing of a text field: focus, keys, paste, return, clear, leaving the field.
#include "platform/ui/UITextField.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UITextFieldTextRange.h"
#include "platform/ui/UIWindow.h"

#include <string>

namespace platform {

// --- first responder ---

bool UITextField::canBecomeFirstResponder() const
{
    return isEnabled();
}

bool UITextField::becomeFirstResponder()
{
    syncLostFocus();
    if (isFirstResponder()) {
        return true;
    }
    auto self = sharedFromThis<UITextField>();
    if (!self || !canBecomeFirstResponder()) {
        return false;
    }
    if (auto owner = delegate(); owner && !owner->textFieldShouldBeginEditing(*this)) {
        return false;
    }
    // Resigns the current first responder first (which may refuse).
    if (!UIControl::becomeFirstResponder()) {
        return false;
    }
    didBeginEditing();
    return true;
}

bool UITextField::resignFirstResponder()
{
    if (!isFirstResponder()) {
        syncLostFocus();
        return true;
    }
    auto keepAlive = sharedFromThis<UITextField>();
    if (auto owner = delegate(); owner && !owner->textFieldShouldEndEditing(*this)) {
        return false;
    }
    if (!UIControl::resignFirstResponder()) {
        return false;
    }
    didEndEditing();
    return true;
}

void UITextField::firstResponderStatusTaken()
{
    // Taken without asking (the delegate refused to end editing): the session closes on the next
    // turn, so the code that forced it finishes first.
    DispatchQueue::main().async([weak = weakFromThis<UITextField>()] {
        if (auto field = weak.lock()) {
            field->syncLostFocus();
        }
    });
}

void UITextField::syncLostFocus()
{
    // First responder status can be taken away without asking (a forced end of editing); the
    // session still ends properly.
    if (m_editing && !isFirstResponder()) {
        didEndEditing();
    }
}

bool UITextField::checkEditing(const char* operation)
{
    syncLostFocus();
    if (!m_editing) {
        debugLog(std::string("UITextField: ") + operation + " while the field is not editing; ignored");
        return false;
    }
    if (isBehindAlert()) {
        return false;
    }
    // A key reached the field: the host's next turn is due a frame.
    RunLoop::main().noteEventHandled();
    return true;
}

// --- edits ---

void UITextField::replaceCharacters(NSRange range, const std::string& replacement)
{
    if (m_attributedText) {
        NSMutableAttributedString edited(*m_attributedText);
        edited.replaceCharacters(range, replacement);
        m_text = edited.string();
        if (edited.length() > 0) {
            m_attributedText = NSAttributedString(edited);
        } else {
            m_attributedText.reset();
        }
    } else {
        m_text = replaceUtf16Range(m_text, range, replacement);
    }
}

void UITextField::commitEdit(NSRange range, const std::string& replacement)
{
    auto keepAlive = sharedFromThis<UITextField>();
    range = wholeSurrogatePairRange(m_text, range);
    replaceCharacters(range, replacement);
    m_selection = {range.location + text::utf16Length(replacement), 0};
    contentDidChange();
    sendActions(UIControlEvents::editingChanged);
    NotificationCenter::defaultCenter().post(UITextFieldTextDidChange, keepAlive);
}

bool UITextField::applyUserEdit(NSRange range, const std::string& replacement)
{
    auto keepAlive = sharedFromThis<UITextField>();
    if (auto owner = delegate()) {
        const std::string textBefore = m_text;
        const NSRange selectionBefore = m_selection;
        if (!owner->textField(*this, range, replacement)) {
            // A delegate that refuses may have applied its own version of the edit (a formatted
            // amount): the person's edit changed the field all the same.
            return m_text != textBefore || m_selection != selectionBefore;
        }
    }
    // The delegate may have changed the text meanwhile; the edit applies to what is there now.
    commitEdit(range, replacement);
    return true;
}

// --- a person's operations ---

bool UITextField::userBeginEditing()
{
    return becomeFirstResponder();
}

bool UITextField::userInsertText(const std::string& typed)
{
    if (!checkEditing("typing")) {
        return false;
    }
    if (typed.empty() || !keyboardCanType(typed)) {
        return false;
    }
    return applyUserEdit(clampRange(m_selection, text::utf16Length(m_text)), typed);
}

std::size_t UITextField::userTypeText(const std::string& typed)
{
    std::size_t accepted = 0;
    std::size_t clusters = text::graphemeCount(typed);
    for (std::size_t index = 0; index < clusters; ++index) {
        auto character = text::graphemeAt(typed, index);
        if (character && userInsertText(*character)) {
            ++accepted;
        }
    }
    return accepted;
}

bool UITextField::userDeleteBackward()
{
    if (!checkEditing("backspace")) {
        return false;
    }
    NSRange range = clampRange(m_selection, text::utf16Length(m_text));
    if (range.length == 0) {
        range = characterRangeBefore(m_text, range.location);
        if (range.length == 0) {
            return false;
        }
    }
    return applyUserEdit(range, "");
}

bool UITextField::userPaste(const std::string& pasted)
{
    if (!checkEditing("paste")) {
        return false;
    }
    if (pasted.empty()) {
        return false;
    }
    return applyUserEdit(clampRange(m_selection, text::utf16Length(m_text)), pasted);
}

bool UITextField::userReturn()
{
    if (!checkEditing("return") || !keyboardHasReturnKey()) {
        return false;
    }
    auto keepAlive = sharedFromThis<UITextField>();
    bool shouldReturn = true;
    if (auto owner = delegate()) {
        shouldReturn = owner->textFieldShouldReturn(*this);
    }
    if (shouldReturn) {
        bool someoneListens = actionCount(UIControlEvents::editingDidEndOnExit) > 0;
        sendActions(UIControlEvents::editingDidEndOnExit);
        if (someoneListens && isFirstResponder()) {
            resignFirstResponder();
        }
    }
    return true;
}

void UITextField::userSelect(NSRange range)
{
    if (checkEditing("selecting")) {
        setSelectedRange(wholeCharacterRange(m_text, range));
    }
}

bool UITextField::userClear()
{
    if (!isClearButtonShown() || isBehindAlert()) {
        return false;
    }
    auto keepAlive = sharedFromThis<UITextField>();
    if (!m_editing && !becomeFirstResponder()) {
        return false;
    }
    if (auto owner = delegate(); owner && !owner->textFieldShouldClear(*this)) {
        return false;
    }
    commitEdit({0, text::utf16Length(m_text)}, "");
    return true;
}

bool UITextField::userEndEditing()
{
    return resignFirstResponder();
}

bool UITextField::isBehindAlert() const
{
    // Presentations hang off the window's root, one above the other.
    auto shownWindow = window();
    for (auto shown = shownWindow ? shownWindow->rootViewController() : nullptr; shown;
         shown = shown->presentedViewController()) {
        if (dynamic_cast<const UIAlertController*>(shown.get())) {
            return true;
        }
    }
    return false;
}

} // namespace platform
