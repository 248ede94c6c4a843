#pragma once
// QR code symbols for byte messages: the smallest version at exactly the level asked (never raised),
// with the mask chosen by the standard's penalty rules. Codewords come from QRCodewords; placing
// them and scoring the eight masks works a word of modules at a time on bit grids.

#include "platform/graphics/QRCodewords.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

struct QRSymbol {
    int version = 0;                   // 1 to 40
    int size = 0;                      // modules a side: 4 * version + 17
    int mask = 0;                      // 0 to 7
    std::vector<std::uint8_t> modules; // size * size, row by row; 1 = dark

    bool isDark(int x, int y) const { return modules[static_cast<size_t>(y * size + x)] != 0; }
};

// The symbol for `message` in byte mode; none for an empty message or one too long for version 40
// at that level.
std::optional<QRSymbol> encodeQRSymbol(std::string_view message, QRErrorCorrection level);

} // namespace platform
