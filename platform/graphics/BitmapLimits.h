#pragma once
// The one limit on the size of any bitmap the platform allocates (image contexts, rendering,
// filter output, decoded images), so that a wild size gives no image instead of gigabytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// No side over this many pixels (the drawing library's own limit).
constexpr double kMaxBitmapSide = 32767;
// No bitmap over this many pixels in all (256 MB at four bytes a pixel).
constexpr double kMaxBitmapPixels = 64.0 * 1024 * 1024;
// Largest image file that is read: four bytes for each pixel the bitmap cap allows, more than any
// image it allows needs (256 MB).
constexpr std::size_t kMaxImageFileSize = static_cast<std::size_t>(kMaxBitmapPixels) * 4;

// Why a bitmap of `width` x `height` pixels cannot be made (a side under one pixel, a side over
// kMaxBitmapSide, more than kMaxBitmapPixels, or not a number); nullopt when it can.
std::optional<std::string> bitmapSizeProblem(double width, double height);

// Whether the bitmap can be made; when not, writes one debug line "<who>: <problem>".
bool checkBitmapSize(double width, double height, std::string_view who);

} // namespace platform
