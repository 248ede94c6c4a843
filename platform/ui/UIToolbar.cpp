#include "platform/ui/UIToolbar.h"

#include "platform/ui/UIButton.h"

#include <algorithm>

namespace platform {

namespace {

constexpr CGFloat edgeMargin = 16;
constexpr CGFloat itemSpacing = 8;
constexpr CGFloat itemFontSize = 17;

UIColorPtr defaultBarColor()
{
    return UIColor::colorWithWhite(0.97, 1);
}

// The button a toolbar shows for a title or image item.
class UIToolbarItemButton : public UIButton {
public:
    UIToolbarItemButton() : UIButton(CGRect(), UIButtonType::system) {}
};

} // namespace

UIToolbar::UIToolbar(const CGRect& frame) : UIView(frame) {}

void UIToolbar::setItems(std::vector<std::shared_ptr<UIBarButtonItem>> items, bool)
{
    std::erase(items, nullptr);
    for (const auto& old : m_items) {
        if (old->owningBar().get() == this) {
            old->setOwningBar({});
        }
    }
    m_items = std::move(items);
    for (const auto& item : m_items) {
        item->setOwningBar(sharedFromThis<UIView>());
    }
    syncItemViews();
    invalidateIntrinsicContentSize();
    setNeedsLayout();
    setNeedsDisplay();
}

void UIToolbar::setBarTintColor(UIColorPtr color)
{
    m_barTintColor = std::move(color);
    setNeedsDisplay();
}

void UIToolbar::configureButton(UIView& view, const UIBarButtonItem& item) const
{
    // Only what changed is set again: setting a button's content invalidates its layout.
    auto& button = static_cast<UIButton&>(view);
    if (button.title(UIControlState::normal) != item.title()) {
        button.setTitle(item.title(), UIControlState::normal);
    }
    if (button.image(UIControlState::normal) != item.image()) {
        button.setImage(item.image(), UIControlState::normal);
    }
    if (button.ownTintColor() != item.tintColor()) {
        button.setTintColor(item.tintColor());
    }
    button.setEnabled(item.isEnabled());
    button.setAccessibilityIdentifier(item.accessibilityIdentifier());
    auto font = item.style() == UIBarButtonItemStyle::done ? UIFont::boldSystemFont(itemFontSize)
                                                           : UIFont::systemFont(itemFontSize);
    if (!isEqual(button.titleLabel()->font(), font)) {
        button.titleLabel()->setFont(font);
    }
    CGSize size = button.intrinsicContentSize();
    if (item.width() > 0) {
        size.width = item.width();
    }
    CGRect wanted(CGPoint(), {size.width, std::min(size.height, defaultHeight)});
    if (!(button.bounds().size == wanted.size)) {
        button.setBounds(wanted);
    }
}

void UIToolbar::syncItemViews()
{
    std::vector<ItemView> synced;
    for (const auto& item : m_items) {
        auto existing = std::find_if(m_views.begin(), m_views.end(), [&](const ItemView& entry) {
            return entry.item == item && entry.view &&
                   (entry.madeByBar ? !item->customView() : entry.view == item->customView());
        });
        if (existing != m_views.end()) {
            synced.push_back(*existing);
            m_views.erase(existing);
        } else if (item->isSpace()) {
            synced.push_back({item, nullptr, false});
        } else if (item->customView()) {
            synced.push_back({item, item->customView(), false});
        } else {
            auto button = NSObject::create<UIToolbarItemButton>();
            std::weak_ptr<UIBarButtonItem> weakItem = item;
            button->addAction(
                [weakItem](UIControl&) {
                    if (auto tapped = weakItem.lock()) {
                        tapped->userTap();
                    }
                },
                UIControlEvents::touchUpInside);
            synced.push_back({item, button, true});
        }
    }
    for (const auto& stale : m_views) {
        if (stale.view && stale.view->superview().get() == this) {
            stale.view->removeFromSuperview();
        }
    }
    m_views = std::move(synced);
    for (const auto& entry : m_views) {
        if (!entry.view) {
            continue;
        }
        if (entry.madeByBar) {
            configureButton(*entry.view, *entry.item);
        }
        if (entry.view->superview().get() != this) {
            addSubview(entry.view);
        }
    }
}

UIViewPtr UIToolbar::viewForItem(const UIBarButtonItem& item) const
{
    for (const auto& entry : m_views) {
        if (entry.item.get() == &item) {
            return entry.view;
        }
    }
    return nullptr;
}

std::shared_ptr<UIBarButtonItem> UIToolbar::itemWithTitle(const std::string& title) const
{
    for (const auto& item : m_items) {
        if (item->title() == title) {
            return item;
        }
    }
    return nullptr;
}

CGFloat UIToolbar::naturalWidth(const ItemView& entry) const
{
    if (entry.item->isFixedSpace()) {
        return entry.item->width();
    }
    if (!entry.view) {
        return 0;
    }
    return entry.view->bounds().width();
}

CGFloat UIToolbar::naturalTotalWidth() const
{
    CGFloat total = 2 * edgeMargin;
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        total += naturalWidth(m_views[i]);
        bool spaced = !m_views[i].item->isSpace() && i + 1 < m_views.size() && !m_views[i + 1].item->isSpace();
        if (spaced) {
            total += itemSpacing;
        }
    }
    return total;
}

CGSize UIToolbar::sizeThatFits(CGSize size) const
{
    return {size.width > 0 ? size.width : naturalTotalWidth(), defaultHeight};
}

CGSize UIToolbar::intrinsicContentSize() const
{
    return {UIViewNoIntrinsicMetric, defaultHeight};
}

void UIToolbar::layoutSubviews()
{
    UIView::layoutSubviews();
    syncItemViews();
    CGRect area = bounds();
    std::size_t flexibleCount = static_cast<std::size_t>(std::count_if(
        m_views.begin(), m_views.end(), [](const ItemView& entry) { return entry.item->isFlexibleSpace(); }));
    CGFloat flexibleWidth = 0;
    if (flexibleCount > 0) {
        flexibleWidth =
            std::max<CGFloat>(0, (area.width() - naturalTotalWidth()) / static_cast<CGFloat>(flexibleCount));
    }
    CGFloat x = area.minX() + edgeMargin;
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        const ItemView& entry = m_views[i];
        if (entry.item->isFlexibleSpace()) {
            x += flexibleWidth;
            continue;
        }
        if (entry.item->isFixedSpace()) {
            x += entry.item->width();
            continue;
        }
        CGSize size = entry.view->bounds().size;
        entry.view->setFrame({x, area.minY() + (area.height() - size.height) / 2, size.width, size.height});
        x += size.width;
        if (i + 1 < m_views.size() && !m_views[i + 1].item->isSpace()) {
            x += itemSpacing;
        }
    }
}

void UIToolbar::draw(CGContext& context, const CGRect&)
{
    CGRect rect = bounds();
    context.saveGState();
    context.setFillColor(m_barTintColor ? m_barTintColor : defaultBarColor());
    context.fill(rect);
    // The hairline along the top edge.
    context.setFillColor(UIColor::colorWithWhite(0, 0.3));
    context.fill({rect.minX(), rect.minY(), rect.width(), 0.5});
    context.restoreGState();
}

} // namespace platform
