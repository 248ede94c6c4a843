#pragma once
// A square grid of up to 177 x 177 modules kept as bit rows and, in parallel, bit columns, so that
// masks are applied and symbols scored a word at a time. Used by the QR encoder.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class QRBitGrid {
public:
    static constexpr int kMaxSize = 177;
    static constexpr int kWords = (kMaxSize + 63) / 64;
    using Line = std::array<std::uint64_t, kWords>;

    explicit QRBitGrid(int size);

    int size() const { return m_size; }
    bool get(int x, int y) const { return (m_rows[at(y)][at(x >> 6)] >> (x & 63)) & 1; }
    void set(int x, int y, bool dark)
    {
        assign(m_rows[at(y)], x, dark);
        assign(m_columns[at(x)], y, dark);
    }
    // this := a XOR b, row and column views alike (all three of one size).
    void assignXor(const QRBitGrid& a, const QRBitGrid& b);

    // The standard's mask penalty (lower is better): runs of five or more in rows and columns, 2 x 2
    // blocks of one colour, finder-like 1:1:3:1:1 patterns with light space, and dark/light imbalance.
    long penalty() const;

private:
    // A coordinate (0 .. size - 1) or word number as an index.
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    static void assign(Line& line, int i, bool dark)
    {
        std::uint64_t bit = std::uint64_t{1} << (i & 63);
        std::uint64_t& word = line[at(i >> 6)];
        word = dark ? (word | bit) : (word & ~bit);
    }
    long linePenalty(const Line& line) const;
    long blockPenalty() const;

    int m_size;
    std::vector<Line> m_rows;
    std::vector<Line> m_columns;
    Line m_valid; // bits 0 .. size - 2: the modules that have a next one
};

} // namespace platform
