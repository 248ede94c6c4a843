#pragma once
// How drawn colours combine with what is already in a context.

#include "platform/graphics/DrawingLibraryTypes.h"

namespace platform {

enum class CGBlendMode {
    normal, // source over
    multiply,
    clear,      // erases
    copy,       // replaces
    sourceAtop, // paints only where the destination is opaque, keeping its alpha
};

// Makes `mode` the way `cr` combines what it draws next.
void setCairoOperator(cairo_t* cr, CGBlendMode mode);

} // namespace platform
