#pragma once
// Finding views in a tree the way a person (or an accessibility tool) finds them on the screen.
//
// Searches visit a view before its subviews, and subviews front to back (the one drawn on top
// first), so a button is found before the label inside it and the topmost of two overlapping views
// first.
#include "platform/ui/UIView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Every view under `root` (root included), in search order. Empty for a null root.
std::vector<UIViewPtr> viewsInSearchOrder(const UIViewPtr& root);

// The first view under `root` (root included) for which `matches` is true; hidden subtrees are
// skipped when `visibleOnly`.
UIViewPtr findView(const UIViewPtr& root, const std::function<bool(const UIView&)>& matches, bool visibleOnly);

// True when neither the view nor an ancestor is hidden or (nearly) transparent (alpha < 0.01).
bool isVisibleOnScreen(const UIView& view);

// The text a person reads on `view`: a label's text, a button's current title, a text field's text
// (its placeholder while the text is empty), a table cell's text label. None for other views.
std::optional<std::string> visibleText(const UIView& view);

// The view whose accessibility identifier is `identifier` (hidden views included).
UIViewPtr findViewByIdentifier(const UIViewPtr& root, std::string_view identifier);
// The first visible view whose visibleText() is `text`, else the first whose accessibility label is.
UIViewPtr findViewByText(const UIViewPtr& root, std::string_view text);

// The view with `identifier` as a T; null when there is none or it is not a T.
template <class T>
std::shared_ptr<T> findViewByIdentifier(const UIViewPtr& root, std::string_view identifier)
{
    return std::dynamic_pointer_cast<T>(findViewByIdentifier(root, identifier));
}

// Every visible view of class T under `root`, in search order.
template <class T>
std::vector<std::shared_ptr<T>> findVisibleViews(const UIViewPtr& root)
{
    std::vector<std::shared_ptr<T>> found;
    for (const auto& view : viewsInSearchOrder(root)) {
        if (auto typed = std::dynamic_pointer_cast<T>(view); typed && isVisibleOnScreen(*view)) {
            found.push_back(typed);
        }
    }
    return found;
}

} // namespace platform
