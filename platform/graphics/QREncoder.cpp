#include "platform/graphics/QREncoder.h"

#include "platform/graphics/QRBitGrid.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <memory>

namespace platform {

namespace {

using Grid = std::vector<std::uint8_t>;

// The two format-information bits that name the level (the standard's order: M=0, L=1, H=2, Q=3).
int levelFormatBits(QRErrorCorrection level)
{
    switch (level) {
    case QRErrorCorrection::low: return 1;
    case QRErrorCorrection::medium: return 0;
    case QRErrorCorrection::quartile: return 3;
    case QRErrorCorrection::high: return 2;
    }
    return 0;
}

bool maskInverts(int mask, int x, int y)
{
    switch (mask) {
    case 0: return (x + y) % 2 == 0;
    case 1: return y % 2 == 0;
    case 2: return x % 3 == 0;
    case 3: return (x + y) % 3 == 0;
    case 4: return (x / 3 + y / 2) % 2 == 0;
    case 5: return x * y % 2 + x * y % 3 == 0;
    case 6: return (x * y % 2 + x * y % 3) % 2 == 0;
    case 7: return ((x + y) % 2 + x * y % 3) % 2 == 0;
    }
    return false;
}

// Alignment-pattern centres along one axis, in increasing order.
std::vector<int> alignmentPositions(int version, int size)
{
    if (version == 1)
        return {};
    int count = version / 7 + 2;
    int step = (version == 32) ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
    std::vector<int> positions(static_cast<size_t>(count));
    positions[0] = 6;
    for (int i = count - 1, pos = size - 7; i >= 1; --i, pos -= step)
        positions[static_cast<size_t>(i)] = pos;
    return positions;
}

// 1 for modules that masking leaves alone: finders with separators and format areas, timing lines,
// alignment patterns, version information.
Grid functionModules(int version, int size)
{
    Grid function(static_cast<size_t>(size) * size, 0);
    auto mark = [&](int x, int y) { function[static_cast<size_t>(y) * size + x] = 1; };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            bool topLeft = x <= 8 && y <= 8;
            bool topRight = x >= size - 8 && y <= 8;
            bool bottomLeft = x <= 8 && y >= size - 8;
            if (topLeft || topRight || bottomLeft || x == 6 || y == 6)
                mark(x, y);
        }
    }
    std::vector<int> centres = alignmentPositions(version, size);
    int last = static_cast<int>(centres.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        for (int j = 0; j <= last; ++j) {
            if ((i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0))
                continue;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    mark(centres[static_cast<size_t>(i)] + dx, centres[static_cast<size_t>(j)] + dy);
        }
    }
    if (version >= 7) {
        for (int i = 0; i < 18; ++i) {
            int a = size - 11 + i % 3;
            int b = i / 3;
            mark(a, b);
            mark(b, a);
        }
    }
    return function;
}

// Writes the 15 format bits (level and mask, BCH-protected) in both of their places.
void drawFormatBits(QRBitGrid& grid, QRErrorCorrection level, int mask)
{
    int data = levelFormatBits(level) << 3 | mask;
    int remainder = data;
    for (int i = 0; i < 10; ++i)
        remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
    int bits = (data << 10 | remainder) ^ 0x5412;
    const int size = grid.size();
    auto set = [&](int x, int y, int i) { grid.set(x, y, (bits >> i) & 1); };
    for (int i = 0; i <= 5; ++i)
        set(8, i, i);
    set(8, 7, 6);
    set(8, 8, 7);
    set(7, 8, 8);
    for (int i = 9; i < 15; ++i)
        set(14 - i, 8, i);
    for (int i = 0; i < 8; ++i)
        set(size - 1 - i, 8, i);
    for (int i = 8; i < 15; ++i)
        set(8, size - 15 + i, i);
}

struct VersionTables {
    Grid function;
    QRBitGrid patterns;                   // the dark modules of the function patterns, format areas left light
    std::vector<std::uint16_t> placement; // data modules in codeword bit order, as x | y << 8
    std::vector<QRBitGrid> masks;         // per mask: the modules it inverts (data modules only)

    explicit VersionTables(int size) : patterns(size) {}
};

// Finders with separators, timing lines, alignment patterns, the dark module and the version
// information: everything of a symbol that depends on its version alone.
QRBitGrid drawPatterns(int version, int size)
{
    QRBitGrid grid(size);
    for (int i = 0; i < size; ++i) {
        grid.set(6, i, i % 2 == 0);
        grid.set(i, 6, i % 2 == 0);
    }
    const int finders[3][2] = {{3, 3}, {size - 4, 3}, {3, size - 4}};
    for (const auto& centre : finders) {
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                int x = centre[0] + dx;
                int y = centre[1] + dy;
                int distance = std::max(std::abs(dx), std::abs(dy));
                if (x >= 0 && y >= 0 && x < size && y < size)
                    grid.set(x, y, distance != 2 && distance != 4);
            }
        }
    }
    std::vector<int> centres = alignmentPositions(version, size);
    int last = static_cast<int>(centres.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        for (int j = 0; j <= last; ++j) {
            if ((i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0))
                continue;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    grid.set(centres[static_cast<size_t>(i)] + dx, centres[static_cast<size_t>(j)] + dy,
                             std::max(std::abs(dx), std::abs(dy)) != 1);
        }
    }
    if (version >= 7) {
        int remainder = version;
        for (int i = 0; i < 12; ++i)
            remainder = (remainder << 1) ^ ((remainder >> 11) * 0x1f25);
        long bits = static_cast<long>(version) << 12 | remainder;
        for (int i = 0; i < 18; ++i) {
            bool dark = (bits >> i) & 1;
            int a = size - 11 + i % 3;
            int b = i / 3;
            grid.set(a, b, dark);
            grid.set(b, a, dark);
        }
    }
    grid.set(8, size - 8, true);
    return grid;
}

// The data modules in the order codeword bits fill them: two-module columns from the right,
// zigzagging up and down, skipping the vertical timing line.
std::vector<std::uint16_t> placementOrder(const Grid& function, int size)
{
    std::vector<std::uint16_t> order;
    order.reserve(static_cast<size_t>(size) * size);
    for (int right = size - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        bool upward = ((right + 1) & 2) == 0;
        for (int vertical = 0; vertical < size; ++vertical) {
            int y = upward ? size - 1 - vertical : vertical;
            for (int x = right; x >= right - 1; --x) {
                if (!function[static_cast<size_t>(y) * size + x])
                    order.push_back(static_cast<std::uint16_t>(x | y << 8));
            }
        }
    }
    return order;
}

// Function areas, placement and mask patterns depend only on the version; they are worked out once
// per version.
const VersionTables& tablesFor(int version, int size)
{
    static std::array<std::unique_ptr<const VersionTables>, 41> cache;
    std::unique_ptr<const VersionTables>& slot = cache[static_cast<size_t>(version)];
    if (slot)
        return *slot;
    auto tables = std::make_unique<VersionTables>(size);
    tables->function = functionModules(version, size);
    tables->patterns = drawPatterns(version, size);
    tables->placement = placementOrder(tables->function, size);
    for (int mask = 0; mask < 8; ++mask) {
        QRBitGrid pattern(size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                pattern.set(x, y, !tables->function[static_cast<size_t>(y) * size + x] && maskInverts(mask, x, y));
        tables->masks.push_back(std::move(pattern));
    }
    slot = std::move(tables);
    return *slot;
}

} // namespace

std::optional<QRSymbol> encodeQRSymbol(std::string_view message, QRErrorCorrection level)
{
    std::optional<QRCodewords> codewords = makeQRCodewords(message, level);
    if (!codewords)
        return std::nullopt; // empty, or too long for version 40 at this level

    QRSymbol symbol;
    symbol.version = codewords->version;
    symbol.size = 4 * symbol.version + 17;
    const int size = symbol.size;
    const VersionTables& tables = tablesFor(symbol.version, size);

    // The codeword bits on the function patterns, unmasked; remainder bits stay light.
    QRBitGrid unmasked = tables.patterns;
    const std::vector<std::uint8_t>& bytes = codewords->bytes;
    const size_t bitCount = std::min(tables.placement.size(), bytes.size() * 8);
    for (size_t i = 0; i < bitCount; ++i) {
        if ((bytes[i >> 3] >> (7 - (i & 7))) & 1) {
            std::uint16_t at = tables.placement[i];
            unmasked.set(at & 0xff, at >> 8, true);
        }
    }

    long bestPenalty = std::numeric_limits<long>::max();
    QRBitGrid best(size);
    QRBitGrid candidate(size);
    for (int mask = 0; mask < 8; ++mask) {
        candidate.assignXor(unmasked, tables.masks[static_cast<size_t>(mask)]);
        drawFormatBits(candidate, level, mask);
        long penalty = candidate.penalty();
        if (penalty < bestPenalty) {
            bestPenalty = penalty;
            symbol.mask = mask;
            std::swap(best, candidate);
        }
    }
    symbol.modules.resize(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            symbol.modules[static_cast<size_t>(y) * size + x] = best.get(x, y) ? 1 : 0;
    return symbol;
}

} // namespace platform
