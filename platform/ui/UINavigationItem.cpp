#include "platform/ui/UINavigationItem.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UINavigationBar.h"

#include <algorithm>

namespace platform {

namespace {

// Null entries are dropped with one debug line.
std::vector<UIBarButtonItemPtr> withoutNulls(std::vector<UIBarButtonItemPtr> items)
{
    auto end = std::remove(items.begin(), items.end(), nullptr);
    if (end != items.end()) {
        debugLog("UINavigationItem: ignoring null bar button items");
        items.erase(end, items.end());
    }
    return items;
}

} // namespace

void UINavigationItem::changed()
{
    if (auto bar = m_bar.lock()) {
        bar->itemDidChange(*this);
    }
}

void UINavigationItem::setTitle(std::optional<std::string> title)
{
    m_title = std::move(title);
    changed();
}

void UINavigationItem::setTitleView(std::shared_ptr<UIView> view)
{
    m_titleView = std::move(view);
    changed();
}

void UINavigationItem::setBackBarButtonItem(UIBarButtonItemPtr item)
{
    m_backItem = std::move(item);
    changed();
}

void UINavigationItem::setHidesBackButton(bool hides, bool)
{
    m_hidesBackButton = hides;
    changed();
}

void UINavigationItem::setLeftBarButtonItems(std::vector<UIBarButtonItemPtr> items, bool)
{
    m_leftItems = withoutNulls(std::move(items));
    changed();
}

UIBarButtonItemPtr UINavigationItem::leftBarButtonItem() const
{
    return m_leftItems.empty() ? nullptr : m_leftItems.front();
}

void UINavigationItem::setLeftBarButtonItem(UIBarButtonItemPtr item, bool animated)
{
    setLeftBarButtonItems(item ? std::vector<UIBarButtonItemPtr>{std::move(item)} : std::vector<UIBarButtonItemPtr>{},
                          animated);
}

void UINavigationItem::setRightBarButtonItems(std::vector<UIBarButtonItemPtr> items, bool)
{
    m_rightItems = withoutNulls(std::move(items));
    changed();
}

UIBarButtonItemPtr UINavigationItem::rightBarButtonItem() const
{
    return m_rightItems.empty() ? nullptr : m_rightItems.front();
}

void UINavigationItem::setRightBarButtonItem(UIBarButtonItemPtr item, bool animated)
{
    setRightBarButtonItems(item ? std::vector<UIBarButtonItemPtr>{std::move(item)} : std::vector<UIBarButtonItemPtr>{},
                           animated);
}

} // namespace platform
