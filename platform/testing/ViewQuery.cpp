#include "platform/testing/ViewQuery.h"

#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"

namespace platform {

namespace {

void collect(const UIViewPtr& view, bool visibleOnly, std::vector<UIViewPtr>& out)
{
    if (visibleOnly && (view->isHidden() || view->alpha() < 0.01)) {
        return;
    }
    out.push_back(view);
    auto subviews = view->subviews(); // snapshot
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        collect(*it, visibleOnly, out);
    }
}

std::vector<UIViewPtr> searchOrder(const UIViewPtr& root, bool visibleOnly)
{
    std::vector<UIViewPtr> views;
    if (root) {
        collect(root, visibleOnly, views);
    }
    return views;
}

} // namespace

std::vector<UIViewPtr> viewsInSearchOrder(const UIViewPtr& root)
{
    return searchOrder(root, false);
}

UIViewPtr findView(const UIViewPtr& root, const std::function<bool(const UIView&)>& matches, bool visibleOnly)
{
    if (!root || (visibleOnly && !isVisibleOnScreen(*root))) {
        return nullptr;
    }
    for (const auto& view : searchOrder(root, visibleOnly)) {
        if (matches(*view)) {
            return view;
        }
    }
    return nullptr;
}

bool isVisibleOnScreen(const UIView& view)
{
    for (const UIView* current = &view; current;) {
        if (current->isHidden() || current->alpha() < 0.01) {
            return false;
        }
        auto parent = current->superview();
        current = parent.get();
    }
    return true;
}

std::optional<std::string> visibleText(const UIView& view)
{
    if (auto label = dynamic_cast<const UILabel*>(&view)) {
        return label->text();
    }
    if (auto button = dynamic_cast<const UIButton*>(&view)) {
        return button->currentTitle();
    }
    if (auto field = dynamic_cast<const UITextField*>(&view)) {
        if (!field->text().empty()) {
            return field->text();
        }
        return field->placeholder();
    }
    return std::nullopt;
}

UIViewPtr findViewByIdentifier(const UIViewPtr& root, std::string_view identifier)
{
    return findView(
        root, [identifier](const UIView& view) { return view.accessibilityIdentifier() == identifier; }, false);
}

UIViewPtr findViewByText(const UIViewPtr& root, std::string_view text)
{
    if (auto shown = findView(
            root, [text](const UIView& view) { return visibleText(view) == text; }, true)) {
        return shown;
    }
    return findView(
        root, [text](const UIView& view) { return view.accessibilityLabel() == text; }, true);
}

} // namespace platform
