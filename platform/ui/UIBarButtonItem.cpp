#include "platform/ui/UIBarButtonItem.h"

#include <cmath>

namespace platform {

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::withTitle(std::optional<std::string> title,
                                                            UIBarButtonItemStyle style)
{
    auto item = create<UIBarButtonItem>();
    item->m_title = std::move(title);
    item->m_style = style;
    return item;
}

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::withImage(UIImagePtr image, UIBarButtonItemStyle style)
{
    auto item = create<UIBarButtonItem>();
    item->m_image = std::move(image);
    item->m_style = style;
    return item;
}

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::withCustomView(UIViewPtr view)
{
    auto item = create<UIBarButtonItem>();
    item->m_customView = std::move(view);
    return item;
}

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::withSystemItem(UIBarButtonSystemItem systemItem)
{
    auto item = create<UIBarButtonItem>();
    item->m_systemItem = systemItem;
    switch (systemItem) {
    case UIBarButtonSystemItem::done:
        item->m_title = "Done";
        item->m_style = UIBarButtonItemStyle::done;
        break;
    case UIBarButtonSystemItem::cancel: item->m_title = "Cancel"; break;
    default: break;
    }
    return item;
}

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::flexibleSpace()
{
    return withSystemItem(UIBarButtonSystemItem::flexibleSpace);
}

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::fixedSpace(CGFloat width)
{
    auto item = withSystemItem(UIBarButtonSystemItem::fixedSpace);
    item->setWidth(width);
    return item;
}

void UIBarButtonItem::setTitle(std::optional<std::string> title)
{
    m_title = std::move(title);
    appearanceDidChange();
}

void UIBarButtonItem::setImage(UIImagePtr image)
{
    m_image = std::move(image);
    appearanceDidChange();
}

void UIBarButtonItem::setCustomView(UIViewPtr view)
{
    m_customView = std::move(view);
    appearanceDidChange();
}

void UIBarButtonItem::setStyle(UIBarButtonItemStyle style)
{
    m_style = style;
    appearanceDidChange();
}

void UIBarButtonItem::setWidth(CGFloat width)
{
    m_width = std::isfinite(width) ? width : 0;
    appearanceDidChange();
}

void UIBarButtonItem::setTintColor(UIColorPtr color)
{
    m_tintColor = std::move(color);
    appearanceDidChange();
}

void UIBarButtonItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    appearanceDidChange();
}

void UIBarButtonItem::setAccessibilityIdentifier(std::optional<std::string> identifier)
{
    m_accessibilityIdentifier = std::move(identifier);
    appearanceDidChange();
}

bool UIBarButtonItem::userTap()
{
    if (!m_enabled) {
        return false;
    }
    auto keepAlive = sharedFromThis<UIBarButtonItem>();
    const auto pair = m_targetAction; // the action may replace itself
    return pair.send(*this);
}

void UIBarButtonItem::appearanceDidChange()
{
    if (auto bar = m_bar.lock()) {
        bar->setNeedsLayout();
        bar->setNeedsDisplay();
    }
}

} // namespace platform
