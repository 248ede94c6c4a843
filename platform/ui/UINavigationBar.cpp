// The navigation bar's item stack and look.
#include "platform/ui/UINavigationBar.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UINavigationItem.h"

#include <algorithm>

namespace platform {

namespace {

constexpr double translucentAlpha = 0.85;
constexpr double hairlineHeight = 0.5;

UIColorPtr defaultBarColor()
{
    return UIColor::colorWithWhite(0.97, 1);
}

} // namespace

UINavigationBar::UINavigationBar(const CGRect& frame) : UIView(frame) {}

void UINavigationBar::didCreate()
{
    UIView::didCreate();
    m_backgroundView = NSObject::create<UIView>();
    m_backgroundView->setUserInteractionEnabled(false);
    auto imageView = NSObject::create<UIImageView>();
    imageView->setUserInteractionEnabled(false);
    imageView->setHidden(true);
    m_backgroundImageView = imageView;
    m_shadowView = NSObject::create<UIImageView>();
    m_shadowView->setUserInteractionEnabled(false);
    addSubview(m_backgroundView);
    addSubview(m_backgroundImageView);
    addSubview(m_shadowView);
    updateBackground();
}

// --- items ---

void UINavigationBar::setItems(std::vector<UINavigationItemPtr> items, bool)
{
    std::erase(items, nullptr);
    for (const auto& old : m_items) {
        if (old->navigationBar().get() == this) {
            old->setNavigationBar({});
        }
    }
    m_items = std::move(items);
    auto self = sharedFromThis<UINavigationBar>();
    for (const auto& item : m_items) {
        item->setNavigationBar(self);
    }
    rebuildItemViews();
}

void UINavigationBar::pushNavigationItem(const UINavigationItemPtr& item, bool)
{
    if (!item) {
        debugLog("UINavigationBar: ignoring a null navigation item");
        return;
    }
    if (std::find(m_items.begin(), m_items.end(), item) != m_items.end()) {
        debugLog("UINavigationBar: the navigation item is already on the bar");
        return;
    }
    m_items.push_back(item);
    item->setNavigationBar(sharedFromThis<UINavigationBar>());
    rebuildItemViews();
}

UINavigationItemPtr UINavigationBar::popNavigationItem(bool)
{
    if (m_items.empty()) {
        return nullptr;
    }
    auto popped = m_items.back();
    m_items.pop_back();
    if (popped->navigationBar().get() == this) {
        popped->setNavigationBar({});
    }
    rebuildItemViews();
    return popped;
}

UINavigationItemPtr UINavigationBar::topItem() const
{
    return m_items.empty() ? nullptr : m_items.back();
}

UINavigationItemPtr UINavigationBar::backItem() const
{
    return m_items.size() < 2 ? nullptr : m_items[m_items.size() - 2];
}

void UINavigationBar::itemDidChange(const UINavigationItem& item)
{
    auto top = topItem();
    auto below = backItem();
    if (top.get() == &item || below.get() == &item) {
        rebuildItemViews();
    }
}

void UINavigationBar::backButtonTapped()
{
    auto top = topItem();
    if (!top) {
        return;
    }
    auto keepAlive = sharedFromThis<UINavigationBar>();
    bool pops = true;
    if (auto delegate = m_delegate.lock()) {
        pops = delegate->navigationBarShouldPop(*this, *top);
    }
    if (pops) {
        popNavigationItem(true);
    }
}

// --- look ---

void UINavigationBar::setTranslucent(bool translucent)
{
    m_translucent = translucent;
    updateBackground();
}

void UINavigationBar::setBarTintColor(UIColorPtr color)
{
    m_barTintColor = std::move(color);
    updateBackground();
}

UIImagePtr UINavigationBar::backgroundImage(UIBarPosition position, UIBarMetrics metrics) const
{
    auto find = [&](UIBarPosition p, UIBarMetrics m) -> UIImagePtr {
        auto at = m_backgroundImages.find({static_cast<int>(p), static_cast<int>(m)});
        return at == m_backgroundImages.end() ? nullptr : at->second;
    };
    if (auto exact = find(position, metrics)) {
        return exact;
    }
    if (auto anyPosition = find(UIBarPosition::any, metrics)) {
        return anyPosition;
    }
    return find(UIBarPosition::any, UIBarMetrics::default_);
}

void UINavigationBar::setBackgroundImage(UIImagePtr image, UIBarPosition position, UIBarMetrics metrics)
{
    std::pair<int, int> key{static_cast<int>(position), static_cast<int>(metrics)};
    if (image) {
        m_backgroundImages[key] = std::move(image);
    } else {
        m_backgroundImages.erase(key);
    }
    updateBackground();
}

void UINavigationBar::setShadowImage(UIImagePtr image)
{
    m_shadowImage = std::move(image);
    m_shadowImageSet = m_shadowImage != nullptr;
    updateBackground();
}

void UINavigationBar::setTitleTextAttributes(std::optional<TextAttributes> attributes)
{
    m_titleTextAttributes = std::move(attributes);
    rebuildItemViews();
}

bool UINavigationBar::showsShadowLine() const
{
    return !m_shadowView->isHidden() && (!m_shadowImageSet || !m_shadowImage->isEmpty());
}

void UINavigationBar::updateBackground()
{
    if (!m_backgroundView) {
        return;
    }
    CGRect area = bounds();
    // The background also covers what lies above the bar in its superview (the status bar).
    CGFloat above = std::max<CGFloat>(0, frame().minY());
    CGRect backgroundFrame(area.minX(), area.minY() - above, area.width(), area.height() + above);

    UIColorPtr color = m_barTintColor ? m_barTintColor : defaultBarColor();
    if (m_translucent) {
        color = color->withAlphaComponent(color->alphaComponent() * translucentAlpha);
    }
    m_backgroundView->setFrame(backgroundFrame);
    m_backgroundView->setBackgroundColor(color);

    auto imageView = std::static_pointer_cast<UIImageView>(m_backgroundImageView);
    auto image = backgroundImage(UIBarPosition::topAttached);
    bool showsImage = image && !image->isEmpty();
    imageView->setHidden(!showsImage);
    imageView->setImage(showsImage ? image : nullptr);
    imageView->setFrame(backgroundFrame);

    auto shadow = std::static_pointer_cast<UIImageView>(m_shadowView);
    if (m_shadowImageSet) {
        bool empty = m_shadowImage->isEmpty();
        shadow->setHidden(empty);
        shadow->setImage(empty ? nullptr : m_shadowImage);
        shadow->setBackgroundColor(nullptr);
        shadow->setFrame({area.minX(), area.maxY(), area.width(), empty ? 0 : m_shadowImage->size().height});
    } else {
        shadow->setHidden(false);
        shadow->setImage(nullptr);
        shadow->setBackgroundColor(UIColor::colorWithWhite(0, 0.3));
        shadow->setFrame({area.minX(), area.maxY(), area.width(), hairlineHeight});
    }
}

CGSize UINavigationBar::sizeThatFits(CGSize size) const
{
    return {size.width > 0 ? size.width : bounds().width(), defaultHeight};
}

CGSize UINavigationBar::intrinsicContentSize() const
{
    return {UIViewNoIntrinsicMetric, defaultHeight};
}

void UINavigationBar::tintColorDidChange()
{
    setNeedsLayout();
}

} // namespace platform
