#pragma once
// UITableViewCell: one row of a table view.
//
// A cell shows its content in `contentView` (custom cells and nib-built cells put their views
// there); the built-in styles add a text label, a detail label and an image view, made on first
// use. Touching a row highlights its cell (setHighlighted on touch down and up); selecting it sets
// isSelected. With a selection style other than none, a highlighted or selected cell shows its
// selected background behind the content.
//
// Cells are reused: a table puts cells of rows that scrolled away in a pool by their reuse
// identifier and hands them out again from dequeueReusableCell, calling prepareForReuse first.
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

class UITableView;

// Layout of the built-in labels: default (text label only), value1 (detail right-aligned on the same
// line), value2 (a short right-aligned caption, then the detail), subtitle (detail under the text).
enum class UITableViewCellStyle { default_, value1, value2, subtitle };

enum class UITableViewCellSelectionStyle { none, blue, gray, default_ };

enum class UITableViewCellAccessoryType { none, disclosureIndicator, detailDisclosureButton, checkmark, detailButton };

class UITableViewCell : public UIView {
public:
    // Cells start 320 x 44 points.
    static constexpr double defaultHeight = 44;

    explicit UITableViewCell(UITableViewCellStyle style = UITableViewCellStyle::default_,
                             std::optional<std::string> reuseIdentifier = std::nullopt);

    UITableViewCellStyle style() const { return m_style; }
    const std::optional<std::string>& reuseIdentifier() const { return m_reuseIdentifier; }
    // Tables set it on the cells they make for a registered identifier.
    void setReuseIdentifier(std::optional<std::string> identifier) { m_reuseIdentifier = std::move(identifier); }

    // Holds the cell's content; sized to the cell minus the accessory.
    const UIViewPtr& contentView() const { return m_contentView; }
    // Made on first use, inside the content view.
    std::shared_ptr<UILabel> textLabel();
    // Null for the default style; made on first use for the others.
    std::shared_ptr<UILabel> detailTextLabel();
    std::shared_ptr<UIImageView> imageView();

    UITableViewCellAccessoryType accessoryType() const { return m_accessoryType; }
    void setAccessoryType(UITableViewCellAccessoryType type);
    UITableViewCellSelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(UITableViewCellSelectionStyle style);
    // Shown behind the content while highlighted or selected (unless the selection style is none).
    const UIViewPtr& selectedBackgroundView() const { return m_selectedBackgroundView; }

    bool isHighlighted() const { return m_highlighted; }
    // Overrides call the base first.
    virtual void setHighlighted(bool highlighted, bool animated);
    bool isSelected() const { return m_selected; }
    // Overrides call the base first.
    virtual void setSelected(bool selected, bool animated);

    // Called by the table right before a pooled cell is handed out again. The base clears the
    // highlight and the selection; overrides call it.
    virtual void prepareForReuse();

    // The built-in labels' height plus margins, at least defaultHeight; for cells without text, the
    // current height.
    CGSize sizeThatFits(CGSize size) const override;
    void layoutSubviews() override;

protected:
    void didCreate() override;

private:
    friend class UITableView;

    // The table's separator line along the bottom edge.
    void setSeparator(bool shown, const UIColorPtr& color);
    void updateSelectedBackground();
    double accessoryWidth() const;
    void layoutBuiltInViews(const CGRect& content);

    UITableViewCellStyle m_style;
    std::optional<std::string> m_reuseIdentifier;
    UIViewPtr m_contentView;
    UIViewPtr m_selectedBackgroundView;
    UIViewPtr m_separatorView;
    UIViewPtr m_accessoryView;
    std::shared_ptr<UILabel> m_textLabel;
    std::shared_ptr<UILabel> m_detailTextLabel;
    std::shared_ptr<UIImageView> m_imageView;
    UITableViewCellAccessoryType m_accessoryType = UITableViewCellAccessoryType::none;
    UITableViewCellSelectionStyle m_selectionStyle = UITableViewCellSelectionStyle::default_;
    bool m_highlighted = false;
    bool m_selected = false;
};

} // namespace platform
