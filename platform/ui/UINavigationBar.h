#pragma once
// UINavigationBar: the bar across the top of a navigation controller. It keeps a stack of
// navigation items and shows the top one: its title (or title view) in the middle, its left items
// (or, without them, a back button for the item below) and its right items.
//
// Item layout: 16-point margins at both ends and 8 points between neighbouring items. Left items go
// from the left edge inwards, right items from the right edge inwards (the first right item is the
// rightmost). A fixed space moves the next item by its width (a negative width pulls it towards the
// edge); flexible spaces take no room here. Custom views keep their size; title and image items are
// shown by buttons the bar makes, which run the item's action. Each item's view sits in a slot view
// that carries the item's tint and accessibility identifier, so finding the identifier finds a view
// whose centre is the item's own view.
//
// Look: the background is the bar tint colour (a light gray by default), see-through while
// translucent; a background image that is not empty is drawn instead, and the empty image leaves the
// flat colour. The background reaches up over the status bar. A hairline runs under the bar unless a
// shadow image is set (the empty image: none). The title uses the title text attributes (font and
// foreground colour), else the bold system font of 17 points in black.
#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"

#include <map>
#include <string>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class UIBarButtonItem;
class UIButton;
class UILabel;
class UINavigationBar;
class UINavigationItem;

using UINavigationItemPtr = std::shared_ptr<UINavigationItem>;

enum class UIBarPosition { any = 0, bottom = 1, top = 2, topAttached = 3 };
enum class UIBarMetrics { default_ = 0, compact = 1, defaultPrompt = 101, compactPrompt = 102 };

class UINavigationBarDelegate {
public:
    virtual ~UINavigationBarDelegate() = default;
    // Asked when the back button is tapped; true lets the bar pop its top item itself.
    virtual bool navigationBarShouldPop(UINavigationBar& /*bar*/, UINavigationItem& /*item*/) { return true; }
};

class UINavigationBar : public UIView {
public:
    static constexpr double defaultHeight = 44;

    explicit UINavigationBar(const CGRect& frame = CGRect());

    // --- items ---
    // Bottom to top; held strongly.
    const std::vector<UINavigationItemPtr>& items() const { return m_items; }
    void setItems(std::vector<UINavigationItemPtr> items, bool animated = false);
    // Pushing an item already on the bar, or null, is logged and ignored.
    void pushNavigationItem(const UINavigationItemPtr& item, bool animated = false);
    // Pops and returns the top item (null when there is none).
    UINavigationItemPtr popNavigationItem(bool animated = false);
    UINavigationItemPtr topItem() const;
    // The item below the top one.
    UINavigationItemPtr backItem() const;

    std::shared_ptr<UINavigationBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UINavigationBarDelegate> delegate) { m_delegate = std::move(delegate); }

    // --- look ---
    // Default true.
    bool isTranslucent() const { return m_translucent; }
    void setTranslucent(bool translucent);
    // The background colour (null: the default light gray).
    const UIColorPtr& barTintColor() const { return m_barTintColor; }
    void setBarTintColor(UIColorPtr color);
    // Per bar position and metrics; a lookup falls back to `any` position and default metrics.
    UIImagePtr backgroundImage(UIBarPosition position = UIBarPosition::any,
                               UIBarMetrics metrics = UIBarMetrics::default_) const;
    void setBackgroundImage(UIImagePtr image, UIBarPosition position = UIBarPosition::any,
                            UIBarMetrics metrics = UIBarMetrics::default_);
    const UIImagePtr& shadowImage() const { return m_shadowImage; }
    void setShadowImage(UIImagePtr image);
    const std::optional<TextAttributes>& titleTextAttributes() const { return m_titleTextAttributes; }
    void setTitleTextAttributes(std::optional<TextAttributes> attributes);
    // True while a hairline is shown under the bar.
    bool showsShadowLine() const;

    // --- the views shown for the top item (for drivers and tests) ---
    // The label showing the title; null while a title view is shown instead.
    std::shared_ptr<UILabel> titleLabel() const { return m_titleLabel; }
    // The back button; null when none is shown.
    std::shared_ptr<UIButton> backButton() const { return m_backButton; }
    // The slot view showing a left or right item of the top item; null for spaces and other items.
    UIViewPtr viewForItem(const UIBarButtonItem& item) const;

    // Called by items when they change; lays the bar out again when `item` is shown.
    void itemDidChange(const UINavigationItem& item);

    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override;
    void layoutSubviews() override;
    void tintColorDidChange() override;

protected:
    void didCreate() override;

private:
    // What a slot was made from; a slot whose item no longer matches it is made again.
    struct ItemLook {
        std::optional<std::string> title;
        UIImagePtr image;
        UIViewPtr customView;
        UIColorPtr tintColor;
        bool enabled = true;
        std::optional<std::string> accessibilityIdentifier;
        double width = 0;
        int style = 0;
        bool operator==(const ItemLook&) const = default;
    };
    struct ItemSlot {
        std::shared_ptr<UIBarButtonItem> item;
        UIViewPtr slot; // null for spaces
        ItemLook look;
    };
    static ItemLook lookOf(const UIBarButtonItem& item);
    bool slotsAreStale() const;

    void rebuildItemViews();
    void clearItemViews();
    ItemSlot makeSlot(const std::shared_ptr<UIBarButtonItem>& item);
    void makeBackButton(const UINavigationItem& below);
    void backButtonTapped();
    void updateBackground();
    CGFloat placeLeft(CGFloat x, CGFloat height);
    CGFloat placeRight(CGFloat x, CGFloat height);
    void placeTitle(CGFloat leftEnd, CGFloat rightStart, CGFloat height);

    std::vector<UINavigationItemPtr> m_items;
    std::weak_ptr<UINavigationBarDelegate> m_delegate;

    bool m_translucent = true;
    UIColorPtr m_barTintColor;
    std::map<std::pair<int, int>, UIImagePtr> m_backgroundImages;
    UIImagePtr m_shadowImage;
    bool m_shadowImageSet = false;
    std::optional<TextAttributes> m_titleTextAttributes;

    UIViewPtr m_backgroundView;
    std::shared_ptr<UIView> m_backgroundImageView; // a UIImageView
    UIViewPtr m_shadowView;

    std::shared_ptr<UILabel> m_titleLabel;
    UIViewPtr m_shownTitleView;
    std::shared_ptr<UIButton> m_backButton;
    std::vector<ItemSlot> m_leftSlots;
    std::vector<ItemSlot> m_rightSlots;
};

} // namespace platform
