#include "platform/ui/UITextField.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIKeyboardNotifications.h"
#include "platform/ui/UITextFieldTextRange.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr CGFloat defaultFontSize = 17;

bool isPhonePadKey(char32_t c)
{
    return text::isDecimalDigit(c) || c == U'+' || c == U'*' || c == U'#' || c == U',' || c == U';';
}

} // namespace

UITextField::UITextField(const CGRect& frame)
    : UIControl(frame), m_font(UIFont::systemFont(defaultFontSize)), m_textColor(UIColor::black())
{
}

// --- content ---

void UITextField::setText(std::optional<std::string> text)
{
    m_text = std::move(text).value_or("");
    m_attributedText.reset();
    m_selection = {text::utf16Length(m_text), 0};
    contentDidChange();
}

NSAttributedString UITextField::attributedText() const
{
    if (m_attributedText) {
        return *m_attributedText;
    }
    TextAttributes attributes;
    attributes.emplace(NSAttributedStringKey::font, AttributeValue(m_font));
    attributes.emplace(NSAttributedStringKey::foregroundColor, AttributeValue(m_textColor));
    return NSAttributedString(m_text, std::move(attributes));
}

void UITextField::setAttributedText(std::optional<NSAttributedString> text)
{
    if (text && text->length() > 0) {
        m_text = text->string();
        m_attributedText = std::move(text);
    } else {
        m_text.clear();
        m_attributedText.reset();
    }
    m_selection = {text::utf16Length(m_text), 0};
    contentDidChange();
}

void UITextField::setPlaceholder(std::optional<std::string> placeholder)
{
    m_placeholder = std::move(placeholder);
    m_attributedPlaceholder.reset();
    contentDidChange();
}

void UITextField::setAttributedPlaceholder(std::optional<NSAttributedString> placeholder)
{
    m_placeholder = placeholder ? std::optional<std::string>(placeholder->string()) : std::nullopt;
    m_attributedPlaceholder = std::move(placeholder);
    contentDidChange();
}

void UITextField::contentDidChange()
{
    invalidateIntrinsicContentSize();
    updateOverlayViews();
    setNeedsDisplay();
}

// --- appearance ---

void UITextField::setFont(UIFontPtr font)
{
    m_font = font ? std::move(font) : UIFont::systemFont(defaultFontSize);
    contentDidChange();
}

void UITextField::setTextColor(UIColorPtr color)
{
    m_textColor = color ? std::move(color) : UIColor::black();
    setNeedsDisplay();
}

void UITextField::setTextAlignment(NSTextAlignment alignment)
{
    m_alignment = alignment;
    setNeedsDisplay();
}

void UITextField::setBorderStyle(UITextBorderStyle style)
{
    m_borderStyle = style;
    invalidateIntrinsicContentSize();
    setNeedsLayout();
    setNeedsDisplay();
}

void UITextField::setClearButtonMode(UITextFieldViewMode mode)
{
    m_clearButtonMode = mode;
    setNeedsDisplay();
}

void UITextField::setLeftView(UIViewPtr view)
{
    if (m_leftView && m_leftView != view && m_leftView->superview().get() == this) {
        m_leftView->removeFromSuperview();
    }
    m_leftView = std::move(view);
    updateOverlayViews();
    // The left view's width counts in the field's natural size.
    invalidateIntrinsicContentSize();
}

void UITextField::setLeftViewMode(UITextFieldViewMode mode)
{
    m_leftViewMode = mode;
    updateOverlayViews();
    invalidateIntrinsicContentSize();
}

void UITextField::setRightView(UIViewPtr view)
{
    if (m_rightView && m_rightView != view && m_rightView->superview().get() == this) {
        m_rightView->removeFromSuperview();
    }
    m_rightView = std::move(view);
    updateOverlayViews();
}

void UITextField::setRightViewMode(UITextFieldViewMode mode)
{
    m_rightViewMode = mode;
    updateOverlayViews();
}

// --- keyboard ---

bool UITextField::keyboardHasReturnKey() const
{
    switch (m_keyboardType) {
    case UIKeyboardType::numberPad:
    case UIKeyboardType::asciiCapableNumberPad:
    case UIKeyboardType::decimalPad:
    case UIKeyboardType::phonePad: return false;
    default: return true;
    }
}

bool UITextField::keyboardCanType(const std::string& typed) const
{
    std::u32string characters = text::toUtf32(typed);
    auto all = [&](auto predicate) { return std::all_of(characters.begin(), characters.end(), predicate); };
    switch (m_keyboardType) {
    case UIKeyboardType::numberPad: return all([](char32_t c) { return text::isDecimalDigit(c); });
    case UIKeyboardType::asciiCapableNumberPad: return all([](char32_t c) { return text::isAsciiDigit(c); });
    case UIKeyboardType::decimalPad:
        return all([](char32_t c) { return text::isDecimalDigit(c) || c == U'.' || c == U','; });
    case UIKeyboardType::phonePad: return all(isPhonePadKey);
    default: return true;
    }
}

// --- selection ---

void UITextField::setSelectedRange(NSRange range)
{
    m_selection = wholeSurrogatePairRange(m_text, range);
    setNeedsDisplay();
}

void UITextField::didBeginEditing()
{
    auto keepAlive = sharedFromThis<UITextField>();
    m_editing = true;
    m_selection = {text::utf16Length(m_text), 0};
    updateOverlayViews();
    setNeedsDisplay();
    if (auto owner = delegate()) {
        owner->textFieldDidBeginEditing(*this);
    }
    sendActions(UIControlEvents::editingDidBegin);
    NotificationCenter::defaultCenter().post(UITextFieldTextDidBeginEditing, keepAlive);
    NotificationCenter::defaultCenter().post(UITextInputDidBecomeFirstResponderNotification, keepAlive);
}

void UITextField::didEndEditing()
{
    auto keepAlive = sharedFromThis<UITextField>();
    m_editing = false;
    updateOverlayViews();
    setNeedsDisplay();
    if (auto owner = delegate()) {
        owner->textFieldDidEndEditing(*this);
    }
    sendActions(UIControlEvents::editingDidEnd);
    NotificationCenter::defaultCenter().post(UITextFieldTextDidEndEditing, keepAlive);
    NotificationCenter::defaultCenter().post(UITextInputDidResignFirstResponderNotification, keepAlive);
}

} // namespace platform
