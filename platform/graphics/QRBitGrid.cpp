#include "platform/graphics/QRBitGrid.h"

#include <bit>
#include <cstdlib>

namespace platform {

namespace {

constexpr long kRunPenalty = 3;
constexpr long kBlockPenalty = 3;
constexpr long kFinderPenalty = 40;
constexpr long kBalancePenalty = 10;

using Line = QRBitGrid::Line;

// Set bits in a word. std::popcount becomes a library call on the baseline x86-64 target.
inline int countBits(std::uint64_t word)
{
    word -= (word >> 1) & 0x5555555555555555u;
    word = (word & 0x3333333333333333u) + ((word >> 2) & 0x3333333333333333u);
    word = (word + (word >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((word * 0x0101010101010101u) >> 56);
}

// Bits 0 .. size-1 set.
Line validBits(int size)
{
    Line valid{};
    for (int w = 0; w < QRBitGrid::kWords; ++w) {
        int bits = size - 64 * w;
        if (bits >= 64)
            valid[w] = ~std::uint64_t{0};
        else if (bits > 0)
            valid[w] = (std::uint64_t{1} << bits) - 1;
    }
    return valid;
}

// Bit i of the result compares module i with module i + 1 (set when they differ).
Line differsFromNext(const Line& line)
{
    Line result{};
    for (int w = 0; w < QRBitGrid::kWords; ++w) {
        std::uint64_t next = line[w] >> 1;
        if (w + 1 < QRBitGrid::kWords)
            next |= line[w + 1] << 63;
        result[w] = line[w] ^ next;
    }
    return result;
}

} // namespace

QRBitGrid::QRBitGrid(int size)
    : m_size(size),
      m_rows(static_cast<std::size_t>(size)),
      m_columns(static_cast<std::size_t>(size)),
      m_valid(validBits(size - 1))
{
}

void QRBitGrid::assignXor(const QRBitGrid& a, const QRBitGrid& b)
{
    for (int i = 0; i < m_size; ++i) {
        for (int w = 0; w < kWords; ++w) {
            m_rows[i][w] = a.m_rows[i][w] ^ b.m_rows[i][w];
            m_columns[i][w] = a.m_columns[i][w] ^ b.m_columns[i][w];
        }
    }
}

long QRBitGrid::linePenalty(const Line& line) const
{
    // The line as alternating runs between its light borders: runs[first] is the leading light
    // run (border plus a light first run), then dark, light, ... up to the trailing light run.
    // Six zeros before it stand for the runs before the line, so patterns need no bounds checks.
    constexpr int kBefore = 6;
    int runs[kBefore + kMaxSize + 3] = {};
    int count = kBefore;
    long result = 0;
    auto addRun = [&](int length) {
        if (length >= 5)
            result += kRunPenalty + (length - 5);
    };

    bool firstDark = line[0] & 1;
    runs[count++] = m_size; // the leading border
    if (firstDark)
        runs[count++] = 0; // the first dark run follows the border directly
    --count;               // the next run found extends the border (light) or is the dark run
    const Line boundaries = differsFromNext(line);
    int start = 0;
    for (int w = 0; w < kWords; ++w) {
        std::uint64_t bits = boundaries[w] & m_valid[w];
        while (bits) {
            int end = 64 * w + std::countr_zero(bits) + 1; // the run covers start .. end - 1
            addRun(end - start);
            runs[count++] += end - start;
            start = end;
            bits &= bits - 1;
        }
    }
    addRun(m_size - start);
    runs[count++] += m_size - start;
    // The trailing border: joins a light last run, or follows a dark one.
    bool lastDark = (count - 1 - kBefore) % 2 == 1;
    if (lastDark)
        runs[count++] = m_size;
    else
        runs[count - 1] += m_size;

    // Finder-like patterns: dark:light:dark:light:dark as 1:1:3:1:1 with at least 4 light on one
    // side and 1 on the other, checked at every light run.
    for (int i = kBefore + 2; i < count; i += 2) {
        int n = runs[i - 1];
        if (runs[i - 3] != 3 * n || n == 0 || runs[i - 2] != n || runs[i - 4] != n || runs[i - 5] != n)
            continue;
        result += ((runs[i] >= 4 * n && runs[i - 6] >= n) ? kFinderPenalty : 0) +
                  ((runs[i - 6] >= 4 * n && runs[i] >= n) ? kFinderPenalty : 0);
    }
    return result;
}

long QRBitGrid::blockPenalty() const
{
    long blocks = 0;
    const Line& valid = m_valid;
    for (int y = 0; y + 1 < m_size; ++y) {
        Line vertical{}; // bit x: module (x, y) equals (x, y + 1)
        for (int w = 0; w < kWords; ++w)
            vertical[w] = ~(m_rows[y][w] ^ m_rows[y + 1][w]);
        Line horizontal = differsFromNext(m_rows[y]);
        Line verticalNext = differsFromNext(vertical); // bit x set: vertical[x] != vertical[x + 1]
        for (int w = 0; w < kWords; ++w) {
            // Block at x: both columns agree vertically and the top pair agrees horizontally.
            std::uint64_t block = vertical[w] & ~verticalNext[w] & ~horizontal[w] & valid[w];
            blocks += countBits(block);
        }
    }
    return blocks * kBlockPenalty;
}

long QRBitGrid::penalty() const
{
    long result = 0;
    long dark = 0;
    for (int i = 0; i < m_size; ++i) {
        result += linePenalty(m_rows[i]);
        result += linePenalty(m_columns[i]);
        for (std::uint64_t word : m_rows[i])
            dark += countBits(word);
    }
    result += blockPenalty();
    long total = static_cast<long>(m_size) * m_size;
    long k = (std::labs(dark * 20 - total * 10) + total - 1) / total - 1;
    return result + k * kBalancePenalty;
}

} // namespace platform
