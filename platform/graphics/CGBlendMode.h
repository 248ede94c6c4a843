#pragma once
// How drawn colours combine with what is already in a context.

#include <cairo.h>

namespace platform {

enum class CGBlendMode {
    normal,    // source over
    multiply,
    clear,     // erases
    copy,      // replaces
    sourceAtop,  // paints only where the destination is opaque, keeping its alpha
};

cairo_operator_t toCairoOperator(CGBlendMode mode);

} // namespace platform
