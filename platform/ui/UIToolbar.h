#pragma once
// UIToolbar: a bar of items laid out left to right (a keyboard's Done bar, typically).
//
// Layout: 16-point margins at both ends and 8 points between neighbouring items; a fixed space
// takes its width; flexible spaces share what is left equally (never less than 0). Custom views keep
// their size; title and image items are shown by buttons the toolbar makes, which run the item's
// action when tapped.
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <vector>

namespace platform {

class UIToolbar : public UIView {
public:
    static constexpr CGFloat defaultHeight = 44;

    explicit UIToolbar(const CGRect& frame = CGRect());

    const std::vector<std::shared_ptr<UIBarButtonItem>>& items() const { return m_items; }
    // Items are held strongly. `animated` changes nothing here.
    void setItems(std::vector<std::shared_ptr<UIBarButtonItem>> items, bool animated = false);

    // The bar's background; null: the default light grey.
    const UIColorPtr& barTintColor() const { return m_barTintColor; }
    void setBarTintColor(UIColorPtr color);

    // The view showing `item` (its custom view or the toolbar's button); null for spaces and
    // items that are not on the bar.
    UIViewPtr viewForItem(const UIBarButtonItem& item) const;
    // The first item whose title is `title`.
    std::shared_ptr<UIBarButtonItem> itemWithTitle(const std::string& title) const;

    // Width: `size.width` when positive, else what the items need; height 44.
    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override;
    void layoutSubviews() override;
    void draw(CGContext& context, const CGRect& rect) override;

private:
    struct ItemView {
        std::shared_ptr<UIBarButtonItem> item;
        UIViewPtr view; // null for spaces
        bool madeByBar = false;
    };
    // Makes, keeps or drops the item views so they match the items and their content.
    void syncItemViews();
    void configureButton(UIView& view, const UIBarButtonItem& item) const;
    CGFloat naturalWidth(const ItemView& entry) const;
    CGFloat naturalTotalWidth() const;

    std::vector<std::shared_ptr<UIBarButtonItem>> m_items;
    std::vector<ItemView> m_views;
    UIColorPtr m_barTintColor;
};

} // namespace platform
