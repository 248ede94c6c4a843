// Finding control and supplementary characters in UTF-8 text from its bytes, eight at a time.
//
// Each byte-class helper below, but the first, sets in every byte of a word the high bit exactly
// when that byte is of the class named: no sum carries out of its byte.

#include "platform/foundation/Text.h"
#include "platform/foundation/Utf8Decoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform::text {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7FULL;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kSixties = 0x6060606060606060ULL;

constexpr std::size_t kWord = sizeof(std::uint64_t);

std::uint64_t wordAt(const unsigned char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Non-zero exactly when the word holds a byte below 0x20, DEL, or a byte from 0x80 up: every byte
// either kind of character starts with. Asked of every word, so it does not say which bytes: a
// borrow or carry may cross into the next byte, but only out of a byte of those kinds.
std::uint64_t anyPossibleStartByte(std::uint64_t word)
{
    return ((word - kOnes * 0x20) | (word + kOnes) | word) & kHighBits;
}

// Bytes below 0x20 and DEL: C0 controls and DEL, each a character of its own.
std::uint64_t singleByteControls(std::uint64_t word)
{
    const std::uint64_t low = word & kLowSevenBits;
    return ((low + kOnes) | ~(low + kSixties)) & ~word & kHighBits;
}

std::uint64_t zeroBytes(std::uint64_t word)
{
    return ~(((word & kLowSevenBits) + kLowSevenBits) | word) & kHighBits;
}

// Bytes from 0xF0 up: bits 7 to 4 all set.
std::uint64_t bytesFromF0(std::uint64_t word)
{
    return word & (word << 1) & (word << 2) & (word << 3) & kHighBits;
}

// What the scan has found so far, in `text`.
class Scan {
public:
    explicit Scan(std::string_view text) : m_text(text), m_bytes(reinterpret_cast<const unsigned char*>(text.data())) {}

    // Looks at the characters that start in the eight bytes from `at` (one may end past them); true
    // once both kinds are found.
    bool lookAtWord(std::size_t at)
    {
        const std::uint64_t word = wordAt(m_bytes + at);
        // A C1 control starts with C2 and a supplementary character with F0 to F4: neither byte ever
        // continues another sequence, so no decoding from the start is needed.
        if ((singleByteControls(word) | zeroBytes(word ^ (kOnes * 0xC2)) | bytesFromF0(word)) != 0) {
            lookAtBytes(at, at + kWord);
        }
        return m_found.control && m_found.supplementary;
    }

    // Looks at the characters that start in bytes `from` to `to - 1`, one byte at a time.
    void lookAtBytes(std::size_t from, std::size_t to)
    {
        for (std::size_t at = from; at < to; ++at) {
            const unsigned byte = m_bytes[at];
            if (byte < 0x20 || byte == 0x7F) {
                m_found.control = true;
            } else if (byte == 0xC2) {
                // C2 followed by 80 to 9F.
                m_found.control = m_found.control || (at + 1 < m_text.size() && (m_bytes[at + 1] & 0xE0) == 0x80);
            } else if (byte >= 0xF0 && byte <= 0xF4 && !m_found.supplementary) {
                m_found.supplementary = detail::decodeUtf8At(m_text, at).wellFormed;
            }
        }
    }

    ControlAndSupplementary found() const { return m_found; }

private:
    std::string_view m_text;
    const unsigned char* m_bytes;
    ControlAndSupplementary m_found;
};

} // namespace

ControlAndSupplementary findControlAndSupplementary(std::string_view text)
{
    Scan scan(text);
    const std::size_t size = text.size();
    if (size < kWord) {
        scan.lookAtBytes(0, size);
        return scan.found();
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    // Two words at a time while both fit; a pair that may hold either kind is looked at word by word.
    std::size_t at = 0;
    for (; at + 2 * kWord <= size; at += 2 * kWord) {
        if ((anyPossibleStartByte(wordAt(bytes + at)) | anyPossibleStartByte(wordAt(bytes + at + kWord))) != 0 &&
            (scan.lookAtWord(at) || scan.lookAtWord(at + kWord))) {
            return scan.found();
        }
    }
    // The rest as words ending at the text's end; the last may overlap bytes already seen.
    for (; at < size; at += kWord) {
        const std::size_t from = std::min(at, size - kWord);
        if (anyPossibleStartByte(wordAt(bytes + from)) != 0 && scan.lookAtWord(from)) {
            break;
        }
    }
    return scan.found();
}

} // namespace platform::text
