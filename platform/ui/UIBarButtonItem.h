#pragma once
// UIBarButtonItem: an item of a toolbar or navigation bar: a title, an image, a custom view, or a
// space (flexible, or fixed with a width).
//
// Target-action: the target is held weakly. A tap (userTap) runs the action with the locked target;
// an item whose target has died does nothing; an item given an action without a target runs it
// with a null target.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/TargetAction.h"
#include "platform/ui/UIView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace platform {

enum class UIBarButtonItemStyle { plain = 0, bordered = 1, done = 2 };

enum class UIBarButtonSystemItem { done = 0, cancel = 1, flexibleSpace = 5, fixedSpace = 6 };

class UIBarButtonItem : public NSObject {
public:
    using Action = TargetAction<UIBarButtonItem>::Action;

    UIBarButtonItem() = default;

    // --- makers ---
    static std::shared_ptr<UIBarButtonItem> withTitle(std::optional<std::string> title,
                                                      UIBarButtonItemStyle style = UIBarButtonItemStyle::plain);
    static std::shared_ptr<UIBarButtonItem> withImage(UIImagePtr image,
                                                      UIBarButtonItemStyle style = UIBarButtonItemStyle::plain);
    // The item shows `view` (held strongly) instead of a title or image.
    static std::shared_ptr<UIBarButtonItem> withCustomView(UIViewPtr view);
    // Done ("Done", done style), Cancel ("Cancel"), or a space.
    static std::shared_ptr<UIBarButtonItem> withSystemItem(UIBarButtonSystemItem item);
    static std::shared_ptr<UIBarButtonItem> flexibleSpace();
    // A gap of `width` points (negative pulls neighbours closer).
    static std::shared_ptr<UIBarButtonItem> fixedSpace(CGFloat width);

    // --- content ---
    const std::optional<std::string>& title() const { return m_title; }
    void setTitle(std::optional<std::string> title);
    const UIImagePtr& image() const { return m_image; }
    void setImage(UIImagePtr image);
    const UIViewPtr& customView() const { return m_customView; }
    void setCustomView(UIViewPtr view);
    UIBarButtonItemStyle style() const { return m_style; }
    void setStyle(UIBarButtonItemStyle style);
    // The system item it was made as, if any.
    const std::optional<UIBarButtonSystemItem>& systemItem() const { return m_systemItem; }
    bool isFlexibleSpace() const { return m_systemItem == UIBarButtonSystemItem::flexibleSpace; }
    bool isFixedSpace() const { return m_systemItem == UIBarButtonSystemItem::fixedSpace; }
    bool isSpace() const { return isFlexibleSpace() || isFixedSpace(); }
    // Width of a fixed space, or of any other item when positive (0: its natural width).
    CGFloat width() const { return m_width; }
    void setWidth(CGFloat width);
    // Null: the bar's tint.
    const UIColorPtr& tintColor() const { return m_tintColor; }
    void setTintColor(UIColorPtr color);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    const std::optional<std::string>& accessibilityIdentifier() const { return m_accessibilityIdentifier; }
    void setAccessibilityIdentifier(std::optional<std::string> identifier);

    // --- target-action ---
    std::shared_ptr<void> target() const { return m_targetAction.target(); }
    void setTarget(std::weak_ptr<void> target) { m_targetAction.setTarget(std::move(target)); }
    bool hasAction() const { return m_targetAction.hasAction(); }
    void setAction(Action action) { m_targetAction.setAction(std::move(action)); }
    // Target and member function together: `R T::f()` or `R T::f(UIBarButtonItem&)`.
    template <class T, class Method>
    void setTargetAction(const std::shared_ptr<T>& target, Method method) requires requires
    {
        TargetAction<UIBarButtonItem>::member<T>(method);
    }
    {
        m_targetAction = TargetAction<UIBarButtonItem>(target, TargetAction<UIBarButtonItem>::member<T>(method));
    }

    // A person's tap on the item: runs the action when the item is enabled and has one (and its
    // target, if it was given one, lives). True when the action ran.
    bool userTap();

    // The bar showing the item (weak); it is asked to lay out again when the item's look changes.
    void setOwningBar(std::weak_ptr<UIView> bar) { m_bar = std::move(bar); }
    UIViewPtr owningBar() const { return m_bar.lock(); }

private:
    void appearanceDidChange();

    std::optional<std::string> m_title;
    UIImagePtr m_image;
    UIViewPtr m_customView;
    UIBarButtonItemStyle m_style = UIBarButtonItemStyle::plain;
    std::optional<UIBarButtonSystemItem> m_systemItem;
    CGFloat m_width = 0;
    UIColorPtr m_tintColor;
    bool m_enabled = true;
    int m_tag = 0;
    std::optional<std::string> m_accessibilityIdentifier;
    TargetAction<UIBarButtonItem> m_targetAction;
    std::weak_ptr<UIView> m_bar;
};

} // namespace platform
