#pragma once
// TAVROSupportedNetwork: the logos of the card networks the merchant accepts, as a centred strip
// of equal cells. Six cells fit in the first row; with six or more logos the sixth cell becomes a
// "more" button and the rest go to a second row, which the view reveals by growing its height
// constraint from one row to two. The logos come from the configuration's supportedNetworkImage,
// else the framework's own network logo.
//
// Make with NSObject::create<TAVROSupportedNetwork>(frame), then prepareView() once its frame is
// final. Main thread only.

#include "platform/graphics/UIImage.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <vector>

namespace tavro {

class TAVROSupportedNetwork : public platform::UIView {
public:
    // Gap after every cell, in points.
    static constexpr double cellGap = 8;
    // Cells in the first row.
    static constexpr int maxCellInRow = 6;
    // Position of the "more" cell in the first row.
    static constexpr std::size_t moreCellIndex = 5;

    explicit TAVROSupportedNetwork(const platform::CGRect& frame = platform::CGRect());

    // The logos in display order; after a build with six or more logos it also holds the "icon_more"
    // image at position 5. Assigning only stores: nothing is rebuilt until prepareView().
    const std::vector<platform::UIImagePtr>& images() const { return m_images; }
    void setImages(std::vector<platform::UIImagePtr> images) { m_images = std::move(images); }
    // Whether the second row is revealed; changed only by moreClicked().
    bool isExpanded() const { return m_isExpanded; }
    void setIsExpanded(bool expanded) { m_isExpanded = expanded; }
    // Height of one row in points; each build takes it from the frame. 44 at first.
    double rowHeight() const { return m_rowHeight; }
    void setRowHeight(double height) { m_rowHeight = height; }
    // The view's own height constraint, once moreClicked() has found it.
    std::shared_ptr<platform::NSLayoutConstraint> heightCon() const { return m_heightCon.lock(); }

    // Takes the logos from the configuration (or the framework's logo) and styles the view: white,
    // clipping to its bounds.
    virtual void setupView();
    // Replaces the logos with `images`, then builds the rows.
    virtual void prepareView(std::vector<platform::UIImagePtr> images);
    // Builds the rows from images(): removes every subview, shows one row (the frame's height
    // becomes rowHeight()), cells (screen width - 56) / 6 wide, the rows centred in the view. A
    // rebuild of a list that already holds the "more" image inserts no second one.
    virtual void prepareView();
    // Toggles between one and two rows through the view's own height constraint (the first
    // installed on the view whose first attribute is the height): at once when `immediately`,
    // else animated over 0.25 s by laying out the superview. isExpanded() flips at once. Without a
    // height constraint nothing changes.
    virtual void moreClicked(bool immediately);

    // The two row views of the last build (empty before the first).
    const std::vector<platform::UIViewPtr>& rows() const { return m_rows; }

protected:
    void didCreate() override;

private:
    std::vector<platform::UIImagePtr> m_images;
    bool m_isExpanded = false;
    double m_rowHeight = 44;
    std::weak_ptr<platform::NSLayoutConstraint> m_heightCon;
    // The "more" image this view inserted, so a rebuild recognises it.
    platform::UIImagePtr m_moreImage;
    std::vector<platform::UIViewPtr> m_rows;
};

} // namespace tavro
