#include "platform/ui/CAShapeLayer.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

// Adds the part of the flattened current path between fractions `start` and `end` of its length.
void addTrimmedPath(cairo_t* cr, const CGPath& path, double start, double end)
{
    cairo_new_path(cr);
    path.addToCairo(cr);
    cairo_path_t* flat = cairo_copy_path_flat(cr);
    cairo_new_path(cr);
    if (!flat || flat->status != CAIRO_STATUS_SUCCESS) {
        cairo_path_destroy(flat);
        return;
    }
    struct Segment {
        double x0, y0, x1, y1, length;
        bool startsSubpath;
    };
    std::vector<Segment> segments;
    double total = 0;
    double cx = 0, cy = 0, sx = 0, sy = 0;
    bool fresh = true;
    for (int i = 0; i < flat->num_data; i += flat->data[i].header.length) {
        const cairo_path_data_t& d = flat->data[i];
        switch (d.header.type) {
        case CAIRO_PATH_MOVE_TO:
            cx = sx = flat->data[i + 1].point.x;
            cy = sy = flat->data[i + 1].point.y;
            fresh = true;
            break;
        case CAIRO_PATH_LINE_TO:
        case CAIRO_PATH_CLOSE_PATH: {
            double nx = d.header.type == CAIRO_PATH_LINE_TO ? flat->data[i + 1].point.x : sx;
            double ny = d.header.type == CAIRO_PATH_LINE_TO ? flat->data[i + 1].point.y : sy;
            double length = std::hypot(nx - cx, ny - cy);
            segments.push_back({cx, cy, nx, ny, length, fresh});
            total += length;
            fresh = false;
            cx = nx;
            cy = ny;
            break;
        }
        default:
            break;
        }
    }
    cairo_path_destroy(flat);
    if (total <= 0) {
        return;
    }
    double from = start * total;
    double to = end * total;
    double walked = 0;
    bool connected = false;  // the previous piece was drawn up to its end point
    for (const auto& s : segments) {
        double a = walked;
        double b = walked + s.length;
        walked = b;
        if (s.startsSubpath) {
            connected = false;
        }
        if (s.length <= 0) {
            continue;
        }
        if (b < from || a > to) {
            connected = false;
            continue;
        }
        double t0 = std::clamp((from - a) / s.length, 0.0, 1.0);
        double t1 = std::clamp((to - a) / s.length, 0.0, 1.0);
        if (!connected || t0 > 0) {
            cairo_move_to(cr, s.x0 + (s.x1 - s.x0) * t0, s.y0 + (s.y1 - s.y0) * t0);
        }
        cairo_line_to(cr, s.x0 + (s.x1 - s.x0) * t1, s.y0 + (s.y1 - s.y0) * t1);
        connected = t1 >= 1;
    }
}

} // namespace

void CAShapeLayer::setLineWidth(double width)
{
    if (!(width >= 0)) {
        debugLog("CAShapeLayer: ignoring a negative or NaN line width");
        return;
    }
    m_lineWidth = width;
}

void CAShapeLayer::setStrokeStart(double value)
{
    if (std::isnan(value)) {
        return;
    }
    m_strokeStart = std::clamp(value, 0.0, 1.0);
}

void CAShapeLayer::setStrokeEnd(double value)
{
    if (std::isnan(value)) {
        return;
    }
    m_strokeEnd = std::clamp(value, 0.0, 1.0);
}

void CAShapeLayer::draw(CGContext& context)
{
    CALayer::draw(context);
    if (!m_path || m_path->isEmpty()) {
        return;
    }
    cairo_t* cr = context.cairo();
    cairo_save(cr);
    if (m_fillColor && m_fillColor->alphaComponent() > 0) {
        cairo_new_path(cr);
        m_path->addToCairo(cr);
        cairo_set_fill_rule(cr, m_fillRule == CAShapeLayerFillRule::evenOdd ? CAIRO_FILL_RULE_EVEN_ODD
                                                                           : CAIRO_FILL_RULE_WINDING);
        m_fillColor->setAsSource(cr);
        cairo_fill(cr);
    }
    if (m_strokeColor && m_strokeColor->alphaComponent() > 0 && m_lineWidth > 0 && m_strokeEnd > m_strokeStart) {
        if (m_strokeStart <= 0 && m_strokeEnd >= 1) {
            cairo_new_path(cr);
            m_path->addToCairo(cr);
        } else {
            addTrimmedPath(cr, *m_path, m_strokeStart, m_strokeEnd);
        }
        cairo_set_line_width(cr, m_lineWidth);
        cairo_set_line_cap(cr, toCairoLineCap(m_lineCap));
        cairo_set_line_join(cr, toCairoLineJoin(m_lineJoin));
        cairo_set_miter_limit(cr, m_miterLimit);
        m_strokeColor->setAsSource(cr);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

} // namespace platform
