// Finding control characters in UTF-8 text from its bytes alone, eight at a time.
//
// Each helper below sets, in every byte of a word, the high bit exactly when that byte is of the
// kind named: no sum carries out of its byte.

#include "platform/foundation/Text.h"

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

// Bytes below 0x20, DEL, and bytes from 0x80 up: every byte a control character can start with.
std::uint64_t possibleControlBytes(std::uint64_t word)
{
    const std::uint64_t low = word & kLowSevenBits;
    return ((low + kOnes) | ~(low + kSixties) | word) & kHighBits;
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

// Whether a control character starts in the word at `bytes[at]`. A C1 control is C2 followed by
// 80 to 9F (the second byte may lie past the word); C2 never continues another sequence, so no
// decoding from the start of the text is needed.
bool controlCharacterInWord(const unsigned char* bytes, std::size_t size, std::size_t at)
{
    const std::uint64_t word = wordAt(bytes + at);
    if (singleByteControls(word) != 0) {
        return true;
    }
    if (zeroBytes(word ^ (kOnes * 0xC2)) == 0) {
        return false;
    }
    for (std::size_t i = at; i < at + kWord; ++i) {
        if (bytes[i] == 0xC2 && i + 1 < size && bytes[i + 1] >= 0x80 && bytes[i + 1] <= 0x9F) {
            return true;
        }
    }
    return false;
}

} // namespace

bool containsControlCharacter(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    if (size < kWord) {
        // Copied into a word padded with spaces, which no test below takes for a control.
        unsigned char padded[kWord];
        std::memset(padded, ' ', kWord);
        std::memcpy(padded, bytes, size);
        return controlCharacterInWord(padded, size, 0);
    }
    // Two words at a time while both fit; a pair that may hold a control character is looked at
    // word by word.
    std::size_t at = 0;
    for (; at + 2 * kWord <= size; at += 2 * kWord) {
        if ((possibleControlBytes(wordAt(bytes + at)) | possibleControlBytes(wordAt(bytes + at + kWord))) != 0 &&
            (controlCharacterInWord(bytes, size, at) || controlCharacterInWord(bytes, size, at + kWord))) {
            return true;
        }
    }
    // The rest as words ending at the text's end; the last may overlap bytes already seen.
    for (; at < size; at += kWord) {
        const std::size_t from = std::min(at, size - kWord);
        if (possibleControlBytes(wordAt(bytes + from)) != 0 && controlCharacterInWord(bytes, size, from)) {
            return true;
        }
    }
    return false;
}

} // namespace platform::text
