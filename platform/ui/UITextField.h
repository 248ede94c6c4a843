#pragma once
// UITextField: a single-line editable text control.
//
// The text is never absent (empty at first). Changing anything in code (text, attributed text,
// selection) calls no delegate, sends no event and posts nothing. A person's editing goes through
// the user... operations below, which the UI driver calls the way typing would:
//   - focus (becomeFirstResponder, or a tap): asks textFieldShouldBeginEditing, becomes first
//     responder, then textFieldDidBeginEditing, editingDidBegin, UITextFieldTextDidBeginEditing;
//   - each edit asks textField(_:shouldChangeCharactersIn:replacementString:) with the UTF-16 range
//     it replaces (the selection, or for backspace the character before the caret); an accepted edit
//     is applied, the caret moves behind it, then editingChanged and UITextFieldTextDidChange;
//   - return asks textFieldShouldReturn; when it agrees, editingDidEndOnExit is sent and, if anyone
//     listens to that event, the field resigns;
//   - resigning (resignFirstResponder, endEditing, a toolbar's Done) asks textFieldShouldEndEditing,
//     then textFieldDidEndEditing, editingDidEnd, UITextFieldTextDidEndEditing. When a forced
//     endEditing(true) takes the first responder status away after the delegate refused, the
//     session ends (with the same reports) on the next run-loop turn.
// Positions and ranges count UTF-16 code units, as the delegate sees them; no caret, selection or
// edit splits a surrogate pair.
//
// The delegate is held weakly; notifications have the field as their object.
#include "platform/foundation/NSAttributedString.h"
#include "platform/foundation/NSRange.h"
#include "platform/graphics/NSTextAlignment.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UITextFieldDelegate.h"
#include "platform/ui/UITextFieldTypes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// Notification names (object: the field).
inline const std::string UITextFieldTextDidBeginEditing = "UITextFieldTextDidBeginEditingNotification";
inline const std::string UITextFieldTextDidChange = "UITextFieldTextDidChangeNotification";
inline const std::string UITextFieldTextDidEndEditing = "UITextFieldTextDidEndEditingNotification";

class UITextField : public UIControl {
public:
    explicit UITextField(const CGRect& frame = CGRect());

    // --- content ---
    const std::string& text() const { return m_text; }
    // None sets the empty text. The caret moves to the end.
    virtual void setText(std::optional<std::string> text);
    // The text with its attributes (the field's font and colour when it was set as plain text).
    NSAttributedString attributedText() const;
    // None sets the empty text. Runs without a font or colour show in the field's.
    virtual void setAttributedText(std::optional<NSAttributedString> text);
    const std::optional<std::string>& placeholder() const { return m_placeholder; }
    void setPlaceholder(std::optional<std::string> placeholder);
    // Setting it also sets placeholder() to its characters.
    const std::optional<NSAttributedString>& attributedPlaceholder() const { return m_attributedPlaceholder; }
    void setAttributedPlaceholder(std::optional<NSAttributedString> placeholder);

    // --- appearance ---
    // Never null. Default: the system font of 17; setting null restores it.
    const UIFontPtr& font() const { return m_font; }
    void setFont(UIFontPtr font);
    // Never null. Default black; setting null restores it.
    const UIColorPtr& textColor() const { return m_textColor; }
    void setTextColor(UIColorPtr color);
    NSTextAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(NSTextAlignment alignment);
    UITextBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(UITextBorderStyle style);
    UITextFieldViewMode clearButtonMode() const { return m_clearButtonMode; }
    void setClearButtonMode(UITextFieldViewMode mode);
    // Overlay views inside the left and right edges (held strongly, added as subviews while shown).
    const UIViewPtr& leftView() const { return m_leftView; }
    void setLeftView(UIViewPtr view);
    UITextFieldViewMode leftViewMode() const { return m_leftViewMode; }
    void setLeftViewMode(UITextFieldViewMode mode);
    const UIViewPtr& rightView() const { return m_rightView; }
    void setRightView(UIViewPtr view);
    UITextFieldViewMode rightViewMode() const { return m_rightViewMode; }
    void setRightViewMode(UITextFieldViewMode mode);

    // --- text input traits ---
    UIKeyboardType keyboardType() const { return m_keyboardType; }
    void setKeyboardType(UIKeyboardType type) { m_keyboardType = type; }
    UIReturnKeyType returnKeyType() const { return m_returnKeyType; }
    void setReturnKeyType(UIReturnKeyType type) { m_returnKeyType = type; }
    UITextAutocorrectionType autocorrectionType() const { return m_autocorrection; }
    void setAutocorrectionType(UITextAutocorrectionType type) { m_autocorrection = type; }
    UITextAutocapitalizationType autocapitalizationType() const { return m_autocapitalization; }
    void setAutocapitalizationType(UITextAutocapitalizationType type) { m_autocapitalization = type; }
    // Shown above the keyboard while editing (a toolbar with Done, typically); held strongly.
    const UIViewPtr& inputAccessoryView() const { return m_inputAccessoryView; }
    void setInputAccessoryView(UIViewPtr view) { m_inputAccessoryView = std::move(view); }
    // Shown instead of the keyboard while editing; held strongly.
    const UIViewPtr& inputView() const { return m_inputView; }
    void setInputView(UIViewPtr view) { m_inputView = std::move(view); }
    // True for keyboards that have a return key (not the number, decimal and phone pads).
    bool keyboardHasReturnKey() const;
    // Whether the keyboard can type `text` (every character is one of its keys).
    bool keyboardCanType(const std::string& text) const;

    std::shared_ptr<UITextFieldDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UITextFieldDelegate> delegate) { m_delegate = std::move(delegate); }

    // --- editing state ---
    bool isEditing() const { return m_editing; }
    // The selection in UTF-16 units; an empty range is the caret.
    NSRange selectedRange() const { return m_selection; }
    // Clamped to the text; a start inside a surrogate pair moves to the pair's start, an end to its
    // end (a caret to its start). Sends nothing.
    void setSelectedRange(NSRange range);

    bool canBecomeFirstResponder() const override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // Replaces `range` (clamped, grown to whole surrogate pairs) by `replacement` as an accepted edit, without asking the delegate:
    // the caret moves behind it, then editingChanged and UITextFieldTextDidChange. For a delegate
    // that refuses an edit and applies its own version of it.
    void replace(NSRange range, const std::string& replacement) { commitEdit(range, replacement); }

    // --- a person's editing (see the file comment); each returns whether it changed anything ---
    // Focuses the field as a tap would.
    bool userBeginEditing();
    // One key press that types `text` (usually one character). Keys the keyboard does not have do
    // nothing (a number pad types digits only). Needs the field to be editing.
    bool userInsertText(const std::string& text);
    // Types `text` one character (grapheme cluster) per key press; returns how many were accepted.
    std::size_t userTypeText(const std::string& text);
    // Backspace: deletes the selection, or the character before the caret (nothing at the start).
    bool userDeleteBackward();
    // Pastes `text` over the selection as one edit (any characters; the keyboard does not filter).
    bool userPaste(const std::string& text);
    // The return key; false when the keyboard has none or the field is not editing.
    bool userReturn();
    // Selects `range` (clamped) as a person's drag would, on whole characters (grapheme clusters): a
    // caret inside a character stands at its start, a selection takes every character it touches.
    // Calls nothing.
    void userSelect(NSRange range);
    // The clear button: asks textFieldShouldClear, then empties the text as an edit (editingChanged,
    // UITextFieldTextDidChange). False when the button is not shown or the delegate refuses.
    bool userClear();
    // Ends editing as a person leaving the field would (resignFirstResponder).
    bool userEndEditing();
    // True while an alert is presented over the field's window (also while it comes and goes): a
    // modal alert takes the keyboard, so the person's edits above, Return and the keyboard's Done do
    // nothing and report nothing.
    bool isBehindAlert() const;

    // --- geometry ---
    virtual CGRect borderRect(const CGRect& bounds) const { return bounds; }
    // Where the text goes when not editing, and while editing.
    virtual CGRect textRect(const CGRect& bounds) const;
    virtual CGRect editingRect(const CGRect& bounds) const { return textRect(bounds); }
    virtual CGRect placeholderRect(const CGRect& bounds) const { return textRect(bounds); }
    virtual CGRect clearButtonRect(const CGRect& bounds) const;
    virtual CGRect leftViewRect(const CGRect& bounds) const;
    virtual CGRect rightViewRect(const CGRect& bounds) const;
    bool isClearButtonShown() const;

    CGSize intrinsicContentSize() const override;
    CGSize sizeThatFits(CGSize size) const override;
    void layoutSubviews() override;
    void draw(CGContext& context, const CGRect& rect) override;
    void tintColorDidChange() override;
    // A tap focuses the field; a tap on the clear button clears it.
    void endTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event) override;

protected:
    void firstResponderStatusTaken() override;

private:
    // Replaces `range` by `replacement` after asking the delegate; true when applied, or when the
    // delegate refused it but changed the text or selection itself.
    bool applyUserEdit(NSRange range, const std::string& replacement);
    // Applies an edit without asking (range clamped), moves the caret, sends the change events.
    void commitEdit(NSRange range, const std::string& replacement);
    void replaceCharacters(NSRange range, const std::string& replacement);
    // Before a person's edit: true when the field is editing (logs otherwise) and not behind an alert.
    bool checkEditing(const char* operation);
    // Ends the editing session if the field lost first responder status without being told.
    void syncLostFocus();
    void didBeginEditing();
    void didEndEditing();
    void contentDidChange();
    bool isOverlayShown(UITextFieldViewMode mode) const;
    void updateOverlayViews();
    void drawBorder(CGContext& context) const;
    void drawContent(CGContext& context, const CGRect& rect, const NSAttributedString& content,
                     bool isPlaceholder) const;
    void drawClearButton(CGContext& context) const;

    std::string m_text;
    std::optional<NSAttributedString> m_attributedText; // set when the text came with attributes
    std::optional<std::string> m_placeholder;
    std::optional<NSAttributedString> m_attributedPlaceholder;
    UIFontPtr m_font;
    UIColorPtr m_textColor;
    NSTextAlignment m_alignment = NSTextAlignment::natural;
    UITextBorderStyle m_borderStyle = UITextBorderStyle::none;
    UITextFieldViewMode m_clearButtonMode = UITextFieldViewMode::never;
    UIViewPtr m_leftView;
    UITextFieldViewMode m_leftViewMode = UITextFieldViewMode::never;
    UIViewPtr m_rightView;
    UITextFieldViewMode m_rightViewMode = UITextFieldViewMode::never;
    UIKeyboardType m_keyboardType = UIKeyboardType::defaultType;
    UIReturnKeyType m_returnKeyType = UIReturnKeyType::defaultType;
    UITextAutocorrectionType m_autocorrection = UITextAutocorrectionType::defaultType;
    UITextAutocapitalizationType m_autocapitalization = UITextAutocapitalizationType::sentences;
    UIViewPtr m_inputAccessoryView;
    UIViewPtr m_inputView;
    std::weak_ptr<UITextFieldDelegate> m_delegate;
    bool m_editing = false;
    NSRange m_selection;
};

} // namespace platform
