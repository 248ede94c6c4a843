#include "platform/graphics/LongClusters.h"

#include <unicode/ubrk.h>
#include <unicode/utext.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace platform {

namespace {

struct BreakIteratorClose {
    void operator()(UBreakIterator* iterator) const { ubrk_close(iterator); }
};

struct TextClose {
    void operator()(UText* text) const { utext_close(text); }
};

bool isLeadByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The byte ranges past the first kLongestCluster code points of each longer cluster.
std::vector<std::pair<std::size_t, std::size_t>> droppedTails(const std::string& text)
{
    std::vector<std::pair<std::size_t, std::size_t>> dropped;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UText, TextClose> utf8(
        utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status));
    std::unique_ptr<UBreakIterator, BreakIteratorClose> iterator(ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &status));
    if (U_SUCCESS(status)) {
        ubrk_setUText(iterator.get(), utf8.get(), &status);
    }
    if (U_FAILURE(status)) {
        return dropped;
    }
    // Native indices of a UTF-8 text are its byte offsets.
    std::size_t start = 0;
    for (int32_t end = ubrk_next(iterator.get()); end != UBRK_DONE; end = ubrk_next(iterator.get())) {
        const auto clusterEnd = static_cast<std::size_t>(end);
        std::size_t codePoints = 0;
        for (std::size_t at = start; at < clusterEnd; ++at) {
            if (isLeadByte(text[at]) && ++codePoints > kLongestCluster) {
                dropped.emplace_back(at, clusterEnd);
                break;
            }
        }
        start = clusterEnd;
    }
    return dropped;
}

} // namespace

void shortenLongClusters(std::string& text, std::vector<std::size_t>& offsets)
{
    // Clusters of ASCII characters hold at most two (CR LF).
    if (text.size() <= kLongestCluster ||
        std::all_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; })) {
        return;
    }
    const auto dropped = droppedTails(text);
    if (dropped.empty()) {
        return;
    }
    std::string kept;
    kept.reserve(text.size());
    std::size_t from = 0;
    for (const auto& [first, last] : dropped) {
        kept.append(text, from, first - from);
        from = last;
    }
    kept.append(text, from);
    text = std::move(kept);

    std::size_t passed = 0;       // dropped ranges wholly before the offset
    std::size_t droppedBytes = 0; // their bytes
    for (std::size_t& offset : offsets) {
        while (passed < dropped.size() && dropped[passed].second <= offset) {
            droppedBytes += dropped[passed].second - dropped[passed].first;
            ++passed;
        }
        const bool inside = passed < dropped.size() && dropped[passed].first < offset;
        offset = (inside ? dropped[passed].first : offset) - droppedBytes;
    }
}

} // namespace platform
