#pragma once
// Lengths and coordinates of the drawing model, in points.

namespace platform {

using CGFloat = double;

} // namespace platform
