#include "platform/graphics/CGBlendMode.h"

namespace platform {

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

} // namespace platform
