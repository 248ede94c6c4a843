#pragma once
// UIImageView: a view that shows an image placed by its content mode.
//
// An image whose rendering mode is alwaysTemplate is drawn as a silhouette in the view's tint
// colour; other images keep their colours. While highlighted, the highlighted image is shown when
// there is one. The intrinsic size is the shown image's size (none without an image).
#include "platform/graphics/UIImage.h"
#include "platform/ui/ContentPlacement.h"
#include "platform/ui/UIView.h"

namespace platform {

class UIImageView : public UIView {
public:
    explicit UIImageView(const CGRect& frame = CGRect());
    // A view framed to the image's size at the origin.
    explicit UIImageView(UIImagePtr image);

    const UIImagePtr& image() const { return m_image; }
    virtual void setImage(UIImagePtr image);
    const UIImagePtr& highlightedImage() const { return m_highlightedImage; }
    void setHighlightedImage(UIImagePtr image);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);
    // What is drawn now: the highlighted image while highlighted (when there is one), else the image.
    UIImagePtr displayedImage() const;

    CGSize intrinsicContentSize() const override;
    CGSize sizeThatFits(CGSize size) const override;
    void setContentMode(UIViewContentMode mode) override;
    void tintColorDidChange() override;

    // Where the image lands inside `bounds` for the current content mode.
    CGRect imageRect(const CGRect& bounds) const;
    void draw(CGContext& context, const CGRect& rect) override;

private:
    void imageDidChange(const UIImagePtr& previous);

    UIImagePtr m_image;
    UIImagePtr m_highlightedImage;
    bool m_highlighted = false;
};

} // namespace platform
