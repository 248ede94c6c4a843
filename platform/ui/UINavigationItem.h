#pragma once
// UINavigationItem: what a navigation bar shows for one controller: a title (or a title view),
// the items on the left and right, and the back item the next screen's back button takes its look
// from. The bar that shows the item (weak) lays itself out again whenever the item changes.
#include "platform/foundation/NSObject.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UIBarButtonItem;
class UINavigationBar;
class UIView;

using UIBarButtonItemPtr = std::shared_ptr<UIBarButtonItem>;

class UINavigationItem : public NSObject {
public:
    explicit UINavigationItem(std::optional<std::string> title = std::nullopt) : m_title(std::move(title)) {}

    const std::optional<std::string>& title() const { return m_title; }
    void setTitle(std::optional<std::string> title);
    // Shown instead of the title when set.
    const std::shared_ptr<UIView>& titleView() const { return m_titleView; }
    void setTitleView(std::shared_ptr<UIView> view);

    // The item the back button shows while this item is the one below the top (its title or image);
    // none: a back button titled with this item's title.
    const UIBarButtonItemPtr& backBarButtonItem() const { return m_backItem; }
    void setBackBarButtonItem(UIBarButtonItemPtr item);
    bool hidesBackButton() const { return m_hidesBackButton; }
    void setHidesBackButton(bool hides, bool animated = false);

    // Left items, from the screen's edge inwards; they replace the back button when present.
    const std::vector<UIBarButtonItemPtr>& leftBarButtonItems() const { return m_leftItems; }
    void setLeftBarButtonItems(std::vector<UIBarButtonItemPtr> items, bool animated = false);
    // The first left item; setting it replaces all left items (null clears them).
    UIBarButtonItemPtr leftBarButtonItem() const;
    void setLeftBarButtonItem(UIBarButtonItemPtr item, bool animated = false);

    // Right items, from the screen's edge inwards (the first is the rightmost).
    const std::vector<UIBarButtonItemPtr>& rightBarButtonItems() const { return m_rightItems; }
    void setRightBarButtonItems(std::vector<UIBarButtonItemPtr> items, bool animated = false);
    UIBarButtonItemPtr rightBarButtonItem() const;
    void setRightBarButtonItem(UIBarButtonItemPtr item, bool animated = false);

    // The bar showing this item (set by the bar).
    std::shared_ptr<UINavigationBar> navigationBar() const { return m_bar.lock(); }
    void setNavigationBar(std::weak_ptr<UINavigationBar> bar) { m_bar = std::move(bar); }

private:
    void changed();

    std::optional<std::string> m_title;
    std::shared_ptr<UIView> m_titleView;
    UIBarButtonItemPtr m_backItem;
    bool m_hidesBackButton = false;
    std::vector<UIBarButtonItemPtr> m_leftItems;
    std::vector<UIBarButtonItemPtr> m_rightItems;
    std::weak_ptr<UINavigationBar> m_bar;
};

} // namespace platform
