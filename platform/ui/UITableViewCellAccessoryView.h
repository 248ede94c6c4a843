#pragma once
// Internal: the glyph a cell draws at its right edge for its accessory type (chevron, check mark,
// info circle, info circle and chevron).
#include "platform/ui/UITableViewCell.h"

namespace platform {

class UITableViewCellAccessoryView : public UIView {
public:
    explicit UITableViewCellAccessoryView(UITableViewCellAccessoryType type) : m_type(type) {}

    // The width a cell gives the accessory: one glyph's, or two for the detail disclosure button.
    static CGFloat widthFor(UITableViewCellAccessoryType type);

    UITableViewCellAccessoryType type() const { return m_type; }
    void draw(CGContext& context, const CGRect& rect) override;

private:
    static constexpr CGFloat singleGlyphWidth = 38;
    UITableViewCellAccessoryType m_type;
};

} // namespace platform
