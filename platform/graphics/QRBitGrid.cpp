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

// The lengths of the last seven runs, newest first; the light border counts in the first and last.
class RunHistory {
public:
    explicit RunHistory(int size) : m_size(size) {}

    void add(int runLength)
    {
        if (m_runs[0] == 0)
            runLength += m_size;  // the light border before the line
        for (size_t i = m_runs.size() - 1; i > 0; --i)
            m_runs[i] = m_runs[i - 1];
        m_runs[0] = runLength;
    }

    // Finder-like patterns ending at the newest light run: dark:light:dark:light:dark as 1:1:3:1:1
    // with at least 4 light on one side and 1 on the other.
    int countFinderPatterns() const
    {
        const auto& h = m_runs;
        int n = h[1];
        bool core = n > 0 && h[2] == n && h[3] == n * 3 && h[4] == n && h[5] == n;
        return (core && h[0] >= n * 4 && h[6] >= n ? 1 : 0) + (core && h[6] >= n * 4 && h[0] >= n ? 1 : 0);
    }

private:
    int m_size;
    std::array<int, 7> m_runs{};
};

} // namespace

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
    long result = 0;
    RunHistory history(m_size);
    bool runDark = false;  // the line starts after the light border
    int runLength = 0;
    auto finishRun = [&](bool dark, int length) {
        if (length >= 5)
            result += kRunPenalty + (length - 5);
        if (dark == runDark) {  // only a light first run joins the (empty) border run
            runLength += length;
            return;
        }
        history.add(runLength);
        if (!runDark)
            result += history.countFinderPatterns() * kFinderPenalty;
        runDark = dark;
        runLength = length;
    };

    // Run boundaries are where a module differs from the next one.
    Line boundaries = differsFromNext(line);
    Line valid = validBits(m_size - 1);
    int start = 0;
    for (int w = 0; w < kWords; ++w) {
        std::uint64_t bits = boundaries[w] & valid[w];
        while (bits) {
            int end = 64 * w + std::countr_zero(bits) + 1;  // the run covers start .. end - 1
            finishRun((line[start >> 6] >> (start & 63)) & 1, end - start);
            start = end;
            bits &= bits - 1;
        }
    }
    finishRun((line[start >> 6] >> (start & 63)) & 1, m_size - start);

    // The line ends in the light border: close a dark run, then count the border run.
    if (runDark) {
        history.add(runLength);
        runLength = 0;
    }
    history.add(runLength + m_size);
    result += history.countFinderPatterns() * kFinderPenalty;
    return result;
}

long QRBitGrid::blockPenalty() const
{
    long blocks = 0;
    Line valid = validBits(m_size - 1);
    for (int y = 0; y + 1 < m_size; ++y) {
        Line vertical{};  // bit x: module (x, y) equals (x, y + 1)
        for (int w = 0; w < kWords; ++w)
            vertical[w] = ~(m_rows[y][w] ^ m_rows[y + 1][w]);
        Line horizontal = differsFromNext(m_rows[y]);
        Line verticalNext = differsFromNext(vertical);  // bit x set: vertical[x] != vertical[x + 1]
        for (int w = 0; w < kWords; ++w) {
            // Block at x: both columns agree vertically and the top pair agrees horizontally.
            std::uint64_t block = vertical[w] & ~verticalNext[w] & ~horizontal[w] & valid[w];
            blocks += std::popcount(block);
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
            dark += std::popcount(word);
    }
    result += blockPenalty();
    long total = static_cast<long>(m_size) * m_size;
    long k = (std::labs(dark * 20 - total * 10) + total - 1) / total - 1;
    return result + k * kBalancePenalty;
}

} // namespace platform
