// Counting, indexing and slicing by extended grapheme cluster.
//
// Between two ASCII characters there is always a cluster boundary except inside CR LF, so the
// leading ASCII run is segmented here without ICU. From the last ASCII character before the first
// non-ASCII byte on, the text goes through ICU's character break iterator; that position is a
// certain boundary and no rule looks back across an ASCII character, so the results agree with
// segmenting the whole text.

#include "platform/foundation/Text.h"
#include "platform/foundation/Utf8Decoding.h"

#include <unicode/ubrk.h>

#include <cassert>
#include <algorithm>
#include <climits>
#include <cstring>

namespace platform::text {

namespace {

// One character break iterator per thread, created on first use; its text is reset per call.
class ThreadBreakIterator {
public:
    ~ThreadBreakIterator()
    {
        if (m_iterator) {
            ubrk_close(m_iterator);
        }
    }
    UBreakIterator* get()
    {
        if (!m_iterator && !m_failed) {
            UErrorCode status = U_ZERO_ERROR;
            m_iterator = ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &status);
            if (U_FAILURE(status)) {
                m_iterator = nullptr;
                m_failed = true;
            }
        }
        return m_iterator;
    }
    std::u16string units;
    std::vector<std::uint32_t> unitOffsets;

private:
    UBreakIterator* m_iterator = nullptr;
    bool m_failed = false;
};

thread_local ThreadBreakIterator t_breakIterator;

// Calls `clusterEnd(byteOffset)` for the end of each cluster in order; stops when it returns false.
template <typename Visitor>
void forEachClusterEnd(std::string_view text, Visitor&& clusterEnd)
{
    const std::size_t size = text.size();
    const std::size_t ascii = detail::asciiPrefixLength(text);
    std::size_t offset = 0;
    // Fast path: a cluster of the ASCII run whose following byte is also ASCII (or the end).
    while (offset < ascii && (offset + 1 >= size || offset + 1 < ascii)) {
        const bool crlf = text[offset] == '\r' && offset + 1 < ascii && text[offset + 1] == '\n';
        offset += crlf ? 2 : 1;
        if (!clusterEnd(offset)) {
            return;
        }
    }
    if (offset >= size) {
        return;
    }

    std::string_view rest = text.substr(offset);
    ThreadBreakIterator& cache = t_breakIterator;
    detail::decodeToUtf16(rest, cache.units, &cache.unitOffsets);
    UBreakIterator* iterator = cache.get();
    UErrorCode status = U_ZERO_ERROR;
    if (iterator && cache.units.size() <= static_cast<std::size_t>(INT32_MAX)) {
        ubrk_setText(iterator, reinterpret_cast<const UChar*>(cache.units.data()),
                     static_cast<int32_t>(cache.units.size()), &status);
    }
    if (!iterator || U_FAILURE(status) || cache.units.size() > static_cast<std::size_t>(INT32_MAX)) {
        // No break data: fall back to one cluster per code point.
        std::size_t at = offset;
        while (at < size) {
            at += detail::decodeUtf8At(text, at).length;
            if (!clusterEnd(at)) {
                return;
            }
        }
        return;
    }
    // The copies stay valid while we iterate: the visitors never re-enter this function.
    ubrk_first(iterator);
    for (int32_t boundary = ubrk_next(iterator); boundary != UBRK_DONE; boundary = ubrk_next(iterator)) {
        assert(static_cast<std::size_t>(boundary) < cache.unitOffsets.size());
        if (!clusterEnd(offset + cache.unitOffsets[static_cast<std::size_t>(boundary)])) {
            return;
        }
    }
}

struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool startFound = false;
};

// ASCII text without CR: every byte is a cluster of its own.
bool isOneByteClusters(std::string_view text)
{
    return text.empty() ||
           (detail::asciiPrefixLength(text) == text.size() && std::memchr(text.data(), '\r', text.size()) == nullptr);
}

// Byte span of up to `count` clusters from cluster `start`.
Span clusterSpan(std::string_view text, std::size_t start, std::size_t count)
{
    Span span;
    if (isOneByteClusters(text)) {
        span.startFound = start <= text.size();
        span.begin = std::min(start, text.size());
        span.end = span.begin + std::min(count, text.size() - span.begin);
        return span;
    }
    span.startFound = start == 0;
    std::size_t clusters = 0;
    if (span.startFound && count == 0) {
        return span;
    }
    forEachClusterEnd(text, [&](std::size_t end) {
        ++clusters;
        if (!span.startFound) {
            if (clusters == start) {
                span.startFound = true;
                span.begin = end;
                span.end = end;
                return count > 0;
            }
            return true;
        }
        span.end = end;
        return clusters - start < count;
    });
    return span;
}

} // namespace

std::size_t graphemeCount(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    if (detail::asciiPrefixLength(text) == text.size()) {
        // One cluster per byte, except that CR LF is one.
        std::size_t clusters = text.size();
        const char* at = text.data();
        const char* end = text.data() + text.size();
        while (const void* cr = std::memchr(at, '\r', static_cast<std::size_t>(end - at))) {
            at = static_cast<const char*>(cr) + 1;
            clusters -= at < end && *at == '\n';
        }
        return clusters;
    }
    std::size_t clusters = 0;
    forEachClusterEnd(text, [&](std::size_t) {
        ++clusters;
        return true;
    });
    return clusters;
}

std::optional<std::size_t> byteOffsetOfGrapheme(std::string_view text, std::size_t index)
{
    const Span span = clusterSpan(text, index, 0);
    if (!span.startFound) {
        return std::nullopt;
    }
    return span.begin;
}

std::string graphemeSlice(std::string_view text, std::size_t start, std::size_t count)
{
    const Span span = clusterSpan(text, start, count);
    std::string out;
    if (span.startFound) {
        detail::appendSanitized(out, text.substr(span.begin, span.end - span.begin));
    }
    return out;
}

std::optional<std::string> graphemeAt(std::string_view text, std::size_t index)
{
    const Span span = clusterSpan(text, index, 1);
    if (!span.startFound || span.end == span.begin) {
        return std::nullopt;
    }
    std::string out;
    detail::appendSanitized(out, text.substr(span.begin, span.end - span.begin));
    return out;
}

std::vector<std::size_t> graphemeBoundariesUtf16(std::string_view text)
{
    std::vector<std::size_t> boundaries{0};
    std::size_t clusterStart = 0;
    forEachClusterEnd(text, [&](std::size_t end) {
        boundaries.push_back(boundaries.back() + utf16Length(text.substr(clusterStart, end - clusterStart)));
        clusterStart = end;
        return true;
    });
    return boundaries;
}

} // namespace platform::text
