#include "platform/ui/UITableViewCellAccessoryView.h"

#include "platform/graphics/CGPath.h"

#include <numbers>

namespace platform {

namespace {

constexpr CGFloat glyphLineWidth = 2;

void strokeGlyph(CGContext& context, const CGPath& path, const UIColorPtr& color)
{
    context.setStrokeColor(color);
    context.setLineWidth(glyphLineWidth);
    context.beginPath();
    context.addPath(path);
    context.strokePath();
}

// The grey chevron pointing right, centred on `centre`.
void drawChevron(CGContext& context, CGPoint centre)
{
    CGPath path;
    path.move({centre.x - 3, centre.y - 7});
    path.addLine({centre.x + 4, centre.y});
    path.addLine({centre.x - 3, centre.y + 7});
    strokeGlyph(context, path, UIColor::colorWithWhite(0.78));
}

// The tinted circle with an "i", centred on `centre`.
void drawInfoCircle(CGContext& context, CGPoint centre, const UIColorPtr& tint)
{
    CGPath path;
    path.addArc(centre, 10, 0, 2 * std::numbers::pi, false);
    path.move({centre.x, centre.y - 2});
    path.addLine({centre.x, centre.y + 6});
    context.setFillColor(tint);
    context.fillEllipse({centre.x - 1, centre.y - 6, 2, 2});
    strokeGlyph(context, path, tint);
}

} // namespace

CGFloat UITableViewCellAccessoryView::widthFor(UITableViewCellAccessoryType type)
{
    switch (type) {
    case UITableViewCellAccessoryType::none: return 0;
    case UITableViewCellAccessoryType::detailDisclosureButton: return 2 * singleGlyphWidth;
    default: return singleGlyphWidth;
    }
}

void UITableViewCellAccessoryView::draw(CGContext& context, const CGRect&)
{
    CGRect box = bounds();
    CGPoint centre{box.midX(), box.midY()};
    switch (m_type) {
    case UITableViewCellAccessoryType::none: return;
    case UITableViewCellAccessoryType::disclosureIndicator: drawChevron(context, centre); return;
    case UITableViewCellAccessoryType::checkmark: {
        CGPath path;
        path.move({centre.x - 7, centre.y});
        path.addLine({centre.x - 2, centre.y + 5});
        path.addLine({centre.x + 7, centre.y - 6});
        strokeGlyph(context, path, tintColor());
        return;
    }
    case UITableViewCellAccessoryType::detailButton: drawInfoCircle(context, centre, tintColor()); return;
    case UITableViewCellAccessoryType::detailDisclosureButton: {
        // The info circle in the left half, the chevron in the right half.
        CGFloat half = box.width() / 2;
        drawInfoCircle(context, {box.minX() + half / 2, centre.y}, tintColor());
        drawChevron(context, {box.maxX() - half / 2, centre.y});
        return;
    }
    }
}

} // namespace platform
