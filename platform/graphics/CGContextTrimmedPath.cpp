// Part of a path by length: the path is flattened by cairo at the context's resolution, so the
// fractions are of the length as drawn.
#include "platform/graphics/CGContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

struct Segment {
    double x0, y0, x1, y1, length;
    bool startsSubpath;
};

// The straight segments of cairo's flattened copy of `path`; `total` receives their summed length.
std::vector<Segment> flattenedSegments(cairo_t* cr, const CGPath& path, double& total)
{
    std::vector<Segment> segments;
    total = 0;
    cairo_new_path(cr);
    path.addToCairo(cr);
    cairo_path_t* flat = cairo_copy_path_flat(cr);
    cairo_new_path(cr);
    if (!flat || flat->status != CAIRO_STATUS_SUCCESS) {
        cairo_path_destroy(flat);
        return segments;
    }
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
        default: break;
        }
    }
    cairo_path_destroy(flat);
    return segments;
}

} // namespace

void CGContext::addTrimmedPath(const CGPath& path, CGFloat start, CGFloat end)
{
    double total = 0;
    std::vector<Segment> segments = flattenedSegments(m_cr, path, total);
    if (total <= 0) {
        return;
    }
    double from = start * total;
    double to = end * total;
    double walked = 0;
    bool connected = false; // the previous piece was drawn up to its end point
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
            cairo_move_to(m_cr, s.x0 + (s.x1 - s.x0) * t0, s.y0 + (s.y1 - s.y0) * t0);
        }
        cairo_line_to(m_cr, s.x0 + (s.x1 - s.x0) * t1, s.y0 + (s.y1 - s.y0) * t1);
        connected = t1 >= 1;
    }
}

} // namespace platform
