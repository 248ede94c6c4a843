#pragma once
// TLVGenerator: writes payload text from a tag dictionary, and validates payload text.

#include "platform/foundation/AnyValue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

// Payload text and whether every entry could be framed.
struct EncodedPayload {
    std::string text;
    // False when a value or a template's content has more than 99 characters, or an ID or sub-ID
    // is not exactly two characters: the text is written all the same but is not a payload.
    bool framed = true;
};

class TLVGenerator {
public:
    TLVGenerator() = delete;

    // Payload text for `qrCodeDictionary`. Keys are payload IDs ("59", "6201"), model property
    // names ("merchantName") or any other two-character ID; values are text (an entry) or a
    // dictionary (a template). Anything else is left out, and so is a given checksum: the "6304"
    // tail is always computed. The payload format indicator comes first, then the entries in
    // ascending ID order (sub-entries in ascending sub-ID order), then the checksum entry.
    // Lengths count code points. Never fails; the result has at least 8 characters.
    static std::string encodeDictToTLV(const platform::AnyValue::Dictionary& qrCodeDictionary);

    // The same text, together with whether it could be framed; the keys in `keysLeftOut` are
    // read as if they were not in the dictionary.
    static EncodedPayload encode(const platform::AnyValue::Dictionary& qrCodeDictionary,
                                 std::span<const std::string_view> keysLeftOut = {});

    // What encode() reads of `dictionary`, copied: its top-level values, a template with only the
    // text sub-entries it is written from; an array or a dictionary that is no template is left
    // out, and so is a property's name whose ID held one. encode() writes the same text for the
    // copy, which looks no deeper than a template's entries: a dictionary nested to any depth is
    // safe to copy.
    static platform::AnyValue::Dictionary placeableCopy(const platform::AnyValue::Dictionary& dictionary);

    // Decodes `tlvString` and validates it: the validator's error codes in the order found, empty
    // when the payload is valid, or the single code "0" when the text does not decode or holds a
    // control character (general category Cc) anywhere.
    static std::vector<std::string> tlvValidation(std::string_view tlvString);

    // Validation of encoder output: the single code "0" when it could not be framed, else
    // tlvValidation of its text.
    static std::vector<std::string> tlvValidation(const EncodedPayload& payload);
};

} // namespace tavro
