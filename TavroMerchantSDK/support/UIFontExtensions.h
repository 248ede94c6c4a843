#pragma once
// Font sizes of the framework, in points.

namespace tavro {

inline constexpr float bodyFontSize = 16;
inline constexpr float semiMedium = 14;
inline constexpr float smallFontSize = 12;
inline constexpr float mediumFontSize = 20;
inline constexpr float largeFontSize = 28;
inline constexpr float smallSemiboldFontSize = 11;

} // namespace tavro
