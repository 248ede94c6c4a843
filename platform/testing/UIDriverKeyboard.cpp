// The driver's keyboard: typing into the focused text field, return and Done.
#include "platform/testing/UIDriver.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TouchInjection.h"
#include "platform/testing/ViewQuery.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIToolbar.h"

namespace platform {

namespace {

bool isDoneItem(const UIBarButtonItem& item)
{
    return item.systemItem() == UIBarButtonSystemItem::done || item.title() == "Done";
}

// The keyboard toolbar's Done item and its view, laid out across the screen as the keyboard shows it.
UIViewPtr doneButtonOf(const UIViewPtr& accessory, std::shared_ptr<UIBarButtonItem>& item)
{
    if (!accessory) {
        return nullptr;
    }
    if (accessory->bounds().isEmpty()) {
        CGFloat width = UIScreen::main()->bounds().width();
        CGFloat height = accessory->sizeThatFits({width, 0}).height;
        accessory->setFrame({0, 0, width, height > 0 ? height : UIToolbar::defaultHeight});
    }
    accessory->layoutIfNeeded();
    for (const auto& view : viewsInSearchOrder(accessory)) {
        auto toolbar = std::dynamic_pointer_cast<UIToolbar>(view);
        if (!toolbar) {
            continue;
        }
        for (const auto& candidate : toolbar->items()) {
            if (candidate && isDoneItem(*candidate)) {
                item = candidate;
                return toolbar->viewForItem(*candidate);
            }
        }
    }
    return nullptr;
}

} // namespace

std::shared_ptr<UITextField> UIDriver::focusedTextField() const
{
    return std::dynamic_pointer_cast<UITextField>(UIResponder::currentFirstResponder());
}

std::shared_ptr<UITextField> UIDriver::requireFocusedField(const char* operation) const
{
    auto field = focusedTextField();
    if (!field) {
        debugLog(std::string("UIDriver: ") + operation + " needs a focused text field");
    }
    return field;
}

bool UIDriver::focus(const UIViewPtr& field)
{
    auto textField = std::dynamic_pointer_cast<UITextField>(field);
    if (!textField) {
        debugLog("UIDriver: focus needs a text field");
        return false;
    }
    if (!textField->isEditing()) {
        tap(textField);
    }
    return textField->isEditing();
}

std::size_t UIDriver::type(std::string_view text)
{
    auto field = requireFocusedField("type");
    if (!field) {
        return 0;
    }
    std::size_t accepted = field->userTypeText(std::string(text));
    runUntilIdle();
    return accepted;
}

std::size_t UIDriver::typeInto(std::string_view identifier, std::string_view text)
{
    auto view = find(identifier);
    if (!view) {
        debugLog("UIDriver: no text field with identifier \"" + std::string(identifier) + "\"");
        return 0;
    }
    if (!focus(view)) {
        debugLog("UIDriver: the text field \"" + std::string(identifier) + "\" did not take the focus");
        return 0;
    }
    return type(text);
}

std::size_t UIDriver::backspace(std::size_t count)
{
    auto field = requireFocusedField("backspace");
    if (!field) {
        return 0;
    }
    std::size_t changed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (field->userDeleteBackward()) {
            ++changed;
        }
    }
    runUntilIdle();
    return changed;
}

bool UIDriver::paste(std::string_view text)
{
    auto field = requireFocusedField("paste");
    if (!field) {
        return false;
    }
    bool changed = field->userPaste(std::string(text));
    runUntilIdle();
    return changed;
}

bool UIDriver::pressReturn()
{
    auto field = requireFocusedField("pressReturn");
    if (!field) {
        return false;
    }
    bool taken = field->userReturn();
    runUntilIdle();
    return taken;
}

bool UIDriver::pressDone()
{
    auto field = requireFocusedField("pressDone");
    // Behind an alert the keyboard, and the Done on it, is out of reach.
    if (!field || field->isBehindAlert()) {
        return false;
    }
    std::shared_ptr<UIBarButtonItem> item;
    UIViewPtr accessory = field->inputAccessoryView();
    if (UIViewPtr button = doneButtonOf(accessory, item)) {
        // The accessory sits on the keyboard, outside every window: it hit-tests the touch itself.
        auto visible = visibleRectOnScreen(*button);
        if (visible) {
            UIViewPtr hit =
                injectTap(accessory, accessory->convertFrom(CGPoint{visible->midX(), visible->midY()}, nullptr),
                          RunLoop::main().now());
            runUntilIdle();
            return hit && hit->isDescendant(*button);
        }
    }
    if (item) {
        bool ran = item->userTap();
        runUntilIdle();
        return ran;
    }
    if (field->returnKeyType() == UIReturnKeyType::done && field->keyboardHasReturnKey()) {
        return pressReturn();
    }
    debugLog("UIDriver: the keyboard has no Done to press");
    return false;
}

} // namespace platform
