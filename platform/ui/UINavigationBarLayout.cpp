// The navigation bar's item views: making them for the top item and placing them.
#include "platform/ui/UINavigationBar.h"

#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationItem.h"

#include <algorithm>

namespace platform {

namespace {

constexpr CGFloat edgeMargin = 16;
constexpr CGFloat itemSpacing = 8;
constexpr CGFloat itemFontSize = 17;
constexpr CGFloat titleFontSize = 17;

// The view a bar item sits in; it carries the item's tint and accessibility identifier.
class UINavigationBarItemSlot : public UIView {
public:
    using UIView::UIView;
};

CGSize naturalSize(const UIView& view)
{
    CGSize size = view.bounds().size;
    if (size.width > 0 && size.height > 0) {
        return size;
    }
    return view.sizeThatFits({0, 0});
}

void setFontIfDifferent(UILabel& label, const UIFontPtr& font)
{
    if (!isEqual(label.font(), font)) {
        label.setFont(font);
    }
}

} // namespace

UINavigationBar::ItemLook UINavigationBar::lookOf(const UIBarButtonItem& item)
{
    return {item.title(),      item.image(),
            item.customView(), item.tintColor(),
            item.isEnabled(),  item.accessibilityIdentifier(),
            item.width(),      static_cast<int>(item.style())};
}

bool UINavigationBar::slotsAreStale() const
{
    auto top = topItem();
    if (!top) {
        return !m_leftSlots.empty() || !m_rightSlots.empty();
    }
    auto differs = [](const std::vector<ItemSlot>& slots, const std::vector<std::shared_ptr<UIBarButtonItem>>& items) {
        if (slots.size() != items.size()) {
            return true;
        }
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].item != items[i] || !(slots[i].look == lookOf(*items[i]))) {
                return true;
            }
        }
        return false;
    };
    return differs(m_leftSlots, top->leftBarButtonItems()) || differs(m_rightSlots, top->rightBarButtonItems());
}

void UINavigationBar::clearItemViews()
{
    auto detach = [](const UIViewPtr& view) {
        if (view && view->superview()) {
            view->removeFromSuperview();
        }
    };
    for (const auto& entry : m_leftSlots) {
        detach(entry.slot);
    }
    for (const auto& entry : m_rightSlots) {
        detach(entry.slot);
    }
    m_leftSlots.clear();
    m_rightSlots.clear();
    detach(m_backButton);
    m_backButton = nullptr;
    if (m_shownTitleView && m_shownTitleView->superview().get() == this) {
        m_shownTitleView->removeFromSuperview();
    }
    m_shownTitleView = nullptr;
}

UINavigationBar::ItemSlot UINavigationBar::makeSlot(const std::shared_ptr<UIBarButtonItem>& item)
{
    ItemSlot entry{item, nullptr, lookOf(*item)};
    item->setOwningBar(sharedFromThis<UIView>());
    if (item->isSpace()) {
        return entry;
    }
    auto slot = NSObject::create<UINavigationBarItemSlot>();
    slot->setTintColor(item->tintColor());
    slot->setAccessibilityIdentifier(item->accessibilityIdentifier());
    UIViewPtr content = item->customView();
    if (!content) {
        auto button = NSObject::create<UIButton>(CGRect(), UIButtonType::system);
        button->setTitle(item->title(), UIControlState::normal);
        button->setImage(item->image(), UIControlState::normal);
        button->setEnabled(item->isEnabled());
        button->setAccessibilityLabel(item->title());
        auto font = item->style() == UIBarButtonItemStyle::done ? UIFont::boldSystemFont(itemFontSize)
                                                                : UIFont::systemFont(itemFontSize);
        setFontIfDifferent(*button->titleLabel(), font);
        std::weak_ptr<UIBarButtonItem> weakItem = item;
        button->addAction(
            [weakItem](UIControl&) {
                if (auto tapped = weakItem.lock()) {
                    tapped->userTap();
                }
            },
            UIControlEvents::touchUpInside);
        CGSize size = button->sizeThatFits({0, 0});
        if (item->width() > 0) {
            size.width = item->width();
        }
        button->setFrame({0, 0, size.width, std::min<CGFloat>(size.height, defaultHeight)});
        content = button;
    }
    CGSize size = naturalSize(*content);
    content->setFrame({0, 0, size.width, size.height});
    slot->setFrame({0, 0, size.width, size.height});
    slot->addSubview(content);
    addSubview(slot);
    entry.slot = slot;
    return entry;
}

void UINavigationBar::makeBackButton(const UINavigationItem& below)
{
    auto button = NSObject::create<UIButton>(CGRect(), UIButtonType::system);
    const auto& backItem = below.backBarButtonItem();
    std::optional<std::string> title = below.title() ? below.title() : std::optional<std::string>("Back");
    if (backItem) {
        title = backItem->title();
        button->setImage(backItem->image(), UIControlState::normal);
        button->setTintColor(backItem->tintColor());
        button->setAccessibilityIdentifier(backItem->accessibilityIdentifier());
        if (!title && !backItem->image()) {
            title = below.title() ? below.title() : std::optional<std::string>("Back");
        }
    }
    button->setTitle(title, UIControlState::normal);
    button->setAccessibilityLabel(std::optional<std::string>("Back"));
    setFontIfDifferent(*button->titleLabel(), UIFont::systemFont(itemFontSize));
    std::weak_ptr<UINavigationBar> weakBar = sharedFromThis<UINavigationBar>();
    button->addAction(
        [weakBar](UIControl&) {
            if (auto bar = weakBar.lock()) {
                bar->backButtonTapped();
            }
        },
        UIControlEvents::touchUpInside);
    CGSize size = button->sizeThatFits({0, 0});
    button->setFrame({0, 0, size.width, std::min<CGFloat>(size.height, defaultHeight)});
    addSubview(button);
    m_backButton = button;
}

void UINavigationBar::rebuildItemViews()
{
    auto keepAlive = sharedFromThis<UINavigationBar>();
    clearItemViews();
    auto top = topItem();
    if (!m_titleLabel) {
        m_titleLabel = NSObject::create<UILabel>();
        m_titleLabel->setTextAlignment(NSTextAlignment::center);
        addSubview(m_titleLabel);
    }
    if (!top) {
        m_titleLabel->setText(std::nullopt);
        m_titleLabel->setHidden(true);
        setNeedsLayout();
        return;
    }
    for (const auto& item : top->leftBarButtonItems()) {
        m_leftSlots.push_back(makeSlot(item));
    }
    auto below = backItem();
    if (top->leftBarButtonItems().empty() && below && !top->hidesBackButton()) {
        makeBackButton(*below);
    }
    for (const auto& item : top->rightBarButtonItems()) {
        m_rightSlots.push_back(makeSlot(item));
    }
    if (auto titleView = top->titleView()) {
        m_shownTitleView = titleView;
        m_titleLabel->setHidden(true);
        addSubview(titleView);
    } else {
        m_titleLabel->setHidden(false);
        m_titleLabel->setText(top->title());
        UIFontPtr font = UIFont::boldSystemFont(titleFontSize);
        UIColorPtr color = UIColor::black();
        if (m_titleTextAttributes) {
            if (auto at = m_titleTextAttributes->find(NSAttributedStringKey::font);
                at != m_titleTextAttributes->end()) {
                if (auto chosen = at->second.asFont()) {
                    font = std::const_pointer_cast<UIFont>(chosen);
                }
            }
            if (auto at = m_titleTextAttributes->find(NSAttributedStringKey::foregroundColor);
                at != m_titleTextAttributes->end()) {
                if (auto chosen = at->second.asColor()) {
                    color = std::const_pointer_cast<UIColor>(chosen);
                }
            }
        }
        setFontIfDifferent(*m_titleLabel, font);
        m_titleLabel->setTextColor(color);
        m_titleLabel->setAccessibilityLabel(top->title());
    }
    setNeedsLayout();
}

UIViewPtr UINavigationBar::viewForItem(const UIBarButtonItem& item) const
{
    for (const auto* slots : {&m_leftSlots, &m_rightSlots}) {
        for (const auto& entry : *slots) {
            if (entry.item.get() == &item) {
                return entry.slot;
            }
        }
    }
    return nullptr;
}

// --- placement ---

CGFloat UINavigationBar::placeLeft(CGFloat x, CGFloat height)
{
    if (m_backButton) {
        CGSize size = m_backButton->bounds().size;
        m_backButton->setFrame({x, (height - size.height) / 2, size.width, size.height});
        return x + size.width;
    }
    CGFloat end = x;
    for (std::size_t i = 0; i < m_leftSlots.size(); ++i) {
        const auto& entry = m_leftSlots[i];
        if (entry.item->isFixedSpace()) {
            x += entry.item->width();
            continue;
        }
        if (!entry.slot) {
            continue;
        }
        CGSize size = entry.slot->bounds().size;
        entry.slot->setFrame({x, (height - size.height) / 2, size.width, size.height});
        x += size.width;
        end = x;
        if (i + 1 < m_leftSlots.size() && !m_leftSlots[i + 1].item->isSpace()) {
            x += itemSpacing;
        }
    }
    return end;
}

CGFloat UINavigationBar::placeRight(CGFloat x, CGFloat height)
{
    CGFloat start = x;
    for (std::size_t i = 0; i < m_rightSlots.size(); ++i) {
        const auto& entry = m_rightSlots[i];
        if (entry.item->isFixedSpace()) {
            x -= entry.item->width();
            continue;
        }
        if (!entry.slot) {
            continue;
        }
        CGSize size = entry.slot->bounds().size;
        x -= size.width;
        entry.slot->setFrame({x, (height - size.height) / 2, size.width, size.height});
        start = x;
        if (i + 1 < m_rightSlots.size() && !m_rightSlots[i + 1].item->isSpace()) {
            x -= itemSpacing;
        }
    }
    return start;
}

void UINavigationBar::placeTitle(CGFloat leftEnd, CGFloat rightStart, CGFloat height)
{
    UIViewPtr title = m_shownTitleView ? m_shownTitleView : std::static_pointer_cast<UIView>(m_titleLabel);
    if (!title || title->isHidden()) {
        return;
    }
    CGFloat width = bounds().width();
    CGFloat low = leftEnd + itemSpacing;
    CGFloat high = rightStart - itemSpacing;
    CGSize size =
        m_shownTitleView ? naturalSize(*title) : title->sizeThatFits({std::max<CGFloat>(0, high - low), height});
    size.width = std::min(size.width, std::max<CGFloat>(0, high - low));
    size.height = std::min(size.height, height);
    // Centred on the bar when there is room, else in the free space between the items.
    CGFloat x = (width - size.width) / 2;
    x = std::max(x, low);
    x = std::min(x, high - size.width);
    title->setFrame({x, (height - size.height) / 2, size.width, size.height});
}

void UINavigationBar::layoutSubviews()
{
    UIView::layoutSubviews();
    if (slotsAreStale()) {
        rebuildItemViews();
    }
    updateBackground();
    CGRect area = bounds();
    CGFloat leftEnd = placeLeft(area.minX() + edgeMargin, area.height());
    CGFloat rightStart = placeRight(area.maxX() - edgeMargin, area.height());
    placeTitle(leftEnd, rightStart, area.height());
}

} // namespace platform
