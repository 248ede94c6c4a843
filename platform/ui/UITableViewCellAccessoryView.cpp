#include "platform/ui/UITableViewCellAccessoryView.h"

#include "platform/graphics/CGPath.h"

namespace platform {

void UITableViewCellAccessoryView::draw(CGContext& context, const CGRect&)
{
    CGRect box = bounds();
    CGPoint centre{box.midX(), box.midY()};
    CGPath path;
    switch (m_type) {
    case UITableViewCellAccessoryType::none:
        return;
    case UITableViewCellAccessoryType::disclosureIndicator:
        path.move({centre.x - 3, centre.y - 7});
        path.addLine({centre.x + 4, centre.y});
        path.addLine({centre.x - 3, centre.y + 7});
        context.setStrokeColor(UIColor::colorWithWhite(0.78));
        break;
    case UITableViewCellAccessoryType::checkmark:
        path.move({centre.x - 7, centre.y});
        path.addLine({centre.x - 2, centre.y + 5});
        path.addLine({centre.x + 7, centre.y - 6});
        context.setStrokeColor(tintColor());
        break;
    case UITableViewCellAccessoryType::detailButton:
    case UITableViewCellAccessoryType::detailDisclosureButton:
        path.addArc(centre, 10, 0, 6.283185307179586, false);
        path.move({centre.x, centre.y - 2});
        path.addLine({centre.x, centre.y + 6});
        context.setStrokeColor(tintColor());
        context.setFillColor(tintColor());
        context.fillEllipse({centre.x - 1, centre.y - 6, 2, 2});
        break;
    }
    context.setLineWidth(2);
    context.beginPath();
    context.addPath(path);
    context.strokePath();
}

} // namespace platform
