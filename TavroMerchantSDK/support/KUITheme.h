#pragma once
// The UI kit's two looks. Values compare and hash by their raw value.

#include <optional>

namespace tavro {

enum class KUITheme : int {
    lightUI = 0,
    darkUI = 1,
};

// lightUI for 0, darkUI for 1, nothing for any other integer.
constexpr std::optional<KUITheme> KUIThemeFromRawValue(long long rawValue)
{
    switch (rawValue) {
    case 0: return KUITheme::lightUI;
    case 1: return KUITheme::darkUI;
    default: return std::nullopt;
    }
}

constexpr int rawValue(KUITheme theme)
{
    return static_cast<int>(theme);
}

} // namespace tavro
