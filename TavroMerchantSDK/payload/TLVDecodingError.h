#pragma once
// Why payload text could not be decoded. The decoder reports these as values; callers turn any
// of them into the single validation code "0".

#include <cstdint>

namespace tavro {

enum class TLVDecodingError : std::uint8_t {
    // The text is shorter than 2 characters, is not valid UTF-8, or an ID, length field or value
    // does not fit (reported for every framing fault).
    invalidLength,
    // Framing fault inside a reader; decodeTLV reports it as invalidLength.
    invalidTagLength,
    // An ID, a sub-ID within one template, or a legacy tag (either case) occurs twice.
    repeatedTag,
    // The store refused an entry, or EMV text does not end with the "63" entry.
    invalidTag,
};

} // namespace tavro
