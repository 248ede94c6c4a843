#include "platform/graphics/CGBlendMode.h"

#include <cairo.h>

namespace platform {

namespace {

cairo_operator_t toCairoOperator(CGBlendMode mode)
{
    switch (mode) {
    case CGBlendMode::normal: return CAIRO_OPERATOR_OVER;
    case CGBlendMode::multiply: return CAIRO_OPERATOR_MULTIPLY;
    case CGBlendMode::clear: return CAIRO_OPERATOR_CLEAR;
    case CGBlendMode::copy: return CAIRO_OPERATOR_SOURCE;
    case CGBlendMode::sourceAtop: return CAIRO_OPERATOR_ATOP;
    }
    return CAIRO_OPERATOR_OVER;
}

} // namespace

void setCairoOperator(cairo_t* cr, CGBlendMode mode)
{
    cairo_set_operator(cr, toCairoOperator(mode));
}

} // namespace platform
