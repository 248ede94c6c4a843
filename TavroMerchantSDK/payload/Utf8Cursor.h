#pragma once
// Steps over code points of text already known to be valid UTF-8, in byte offsets. Internal to
// the codec's readers; every step is bounded by a byte limit, so nothing past it is read.
// Payloads are nearly always ASCII, where a step is a plain addition: the readers are compiled
// once for each kind of text, so the ASCII one carries no per-step test.

#include <cassert>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tavro::detail {

template <bool kAsciiOnly>
class CodePointCursor {
public:
    // Precondition: `text` is valid UTF-8 (platform::text::isValidUtf8), and every byte is below
    // 0x80 when `kAsciiOnly`.
    explicit CodePointCursor(std::string_view text) : m_text(text) {}

    // The byte offset `count` code points after `from`, when that is at most `limit`; nullopt
    // when fewer than `count` code points lie between `from` and `limit`.
    std::optional<std::size_t> advance(std::size_t from, std::size_t count, std::size_t limit) const
    {
        if constexpr (kAsciiOnly) {
            if (count > limit - from) {
                return std::nullopt;
            }
            return from + count;
        } else {
            std::size_t offset = from;
            for (std::size_t i = 0; i < count; ++i) {
                if (offset >= limit) {
                    return std::nullopt;
                }
                offset += sequenceLength(static_cast<unsigned char>(m_text[offset]));
            }
            // A sequence never straddles `limit` when `limit` is a code-point boundary, which every
            // limit the readers use is; the check keeps a wrong limit from reading past it.
            if (offset > limit) {
                return std::nullopt;
            }
            return offset;
        }
    }

    // Precondition: from <= to <= size(), as every offset `advance` gives is. Framed directly: the
    // readers slice every ID, length and value, so substr's own range check would be paid for each.
    std::string_view slice(std::size_t from, std::size_t to) const
    {
        assert(from <= to && to <= m_text.size());
        return {m_text.data() + from, to - from};
    }
    std::size_t size() const { return m_text.size(); }

private:
    static std::size_t sequenceLength(unsigned char lead)
    {
        if (lead < 0x80) {
            return 1;
        }
        if (lead < 0xE0) {
            return 2;
        }
        if (lead < 0xF0) {
            return 3;
        }
        return 4;
    }

    std::string_view m_text;
};

using AsciiCursor = CodePointCursor<true>;
using Utf8Cursor = CodePointCursor<false>;

} // namespace tavro::detail
