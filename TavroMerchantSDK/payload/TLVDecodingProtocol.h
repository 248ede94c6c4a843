#pragma once
// TLVDecodingProtocol: reads payload text and hands every entry, in text order, to the adopter's
// two store operations. Two dialects:
//   EMV    (text beginning with "00"): two-character ID, two-digit length, value; templates
//          hold sub-entries of the same shape; the "63" entry must come last.
//   legacy (any other text): one-character tag, one base-36 length character, value; no tail.
// Every position and length counts Unicode scalar values (code points), never bytes.
// A length field is accepted only as the writer writes it: exactly two ASCII digits (EMV) or
// one base-36 digit (legacy).

#include "TavroMerchantSDK/payload/TLVDecodingError.h"
#include "platform/foundation/AnyValue.h"

#include <optional>
#include <string_view>

namespace tavro {

class TLVDecodingProtocol {
public:
    virtual ~TLVDecodingProtocol() = default;

    // Stores one legacy entry; `tag` is lower-cased. False when the tag is not known.
    virtual bool assignTLV00(std::string_view tag, int length, std::string_view value) = 0;

    // Stores one EMV entry (no subtag, no dictionary), one sub-entry of template "62" (subtag
    // given), or one whole template (dictionary given, value empty). False refuses the entry.
    virtual bool assignTLV01(std::string_view tag, std::optional<std::string_view> subtag, int length,
                             std::string_view value, std::optional<platform::AnyValue::Dictionary> valueDictionary) = 0;

    // Fills the receiver from `text`. nullopt on success; otherwise the first failure
    // (invalidLength, repeatedTag or invalidTag), with whatever was stored before it left in
    // place. Never throws; never reads outside `text`.
    std::optional<TLVDecodingError> decodeTLV(std::string_view text);
};

} // namespace tavro
