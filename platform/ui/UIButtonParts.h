#pragma once
// The subviews a button draws its content with.
#include "platform/graphics/ImageDrawing.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"

namespace platform {

// A button's title label: a word- or character-wrapping line-break mode lets the title take
// several lines even when numberOfLines is 1.
class UIButtonLabel : public UILabel {
public:
    using UILabel::UILabel;

protected:
    int maximumLines() const override;
    // The button's natural size and layout follow its title's size.
    void textMetricsDidChange() override;
};

// A button's image view, which can draw its image darkened (the highlighted look).
class UIButtonImageView : public UIImageView {
public:
    using UIImageView::UIImageView;

    bool isDimmed() const { return m_dimmed; }
    void setDimmed(bool dimmed);
    void draw(CGContext& context, const CGRect& rect) override;

private:
    bool m_dimmed = false;
};

// Draws `image` over `rect` darkened where it is opaque (see ImageDrawing.h for the options).
void drawDimmedImage(CGContext& context, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options);

} // namespace platform
