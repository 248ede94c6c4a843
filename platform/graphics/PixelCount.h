#pragma once
// The one rule by which a length in points becomes whole pixels, so that a bitmap and the place made
// for it agree.

namespace platform {

// Whole pixels for `points` at `scale` pixels per point: the product rounded up, except that a product
// within 1e-9 of a whole number (0.1 * 3, 375 * (884 / 375)) is that number.
double pixelCount(double points, double scale);

} // namespace platform
