#pragma once
// Internal: the glyph a cell draws at its right edge for its accessory type (chevron, check mark,
// info circle).
#include "platform/ui/UITableViewCell.h"

namespace platform {

class UITableViewCellAccessoryView : public UIView {
public:
    explicit UITableViewCellAccessoryView(UITableViewCellAccessoryType type) : m_type(type) {}

    UITableViewCellAccessoryType type() const { return m_type; }
    void draw(CGContext& context, const CGRect& rect) override;

private:
    UITableViewCellAccessoryType m_type;
};

} // namespace platform
