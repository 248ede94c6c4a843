#include "TavroMerchantSDK/payload/TLVDecodingProtocol.h"

#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "TavroMerchantSDK/payload/Utf8Cursor.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <cassert>
#include <array>
#include <bitset>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tavro {

namespace {

using Dictionary = platform::AnyValue::Dictionary;

constexpr std::string_view kChecksumId = QRCodeTag::crc;
constexpr std::string_view kAdditionalDataId = QRCodeTag::additionalDataFieldTemplate;
constexpr std::string_view kLanguageTemplateId = QRCodeTag::merchantInformationLanguageTemplate;

// Two-character IDs compared without a library call: the readers compare one per entry.
constexpr bool sameId(std::string_view a, std::string_view b)
{
    return a.size() == 2 && b.size() == 2 && a[0] == b[0] && a[1] == b[1];
}

// IDs whose value is read as sub-entries (besides the additional data, which has handling of its
// own): the dictionary-kind rows of the tag table.
constexpr std::array<bool, 100> kTemplateIds = [] {
    std::array<bool, 100> table{};
#define TAVRO_TEMPLATE_ROW(id, name, Name, Kind) \
    if (std::string_view(#Kind) == "Dictionary" && std::string_view(id).size() == 2) \
        table[static_cast<std::size_t>(tagtable::twoDigitValue(id))] = true;
    TAVRO_TAG_ROWS_BY_ID(TAVRO_TEMPLATE_ROW, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_TEMPLATE_ROW
    table[static_cast<std::size_t>(tagtable::twoDigitValue(kAdditionalDataId))] = false;
    return table;
}();

bool isTemplateId(int id)
{
    return id >= 0 && kTemplateIds[static_cast<std::size_t>(id)];
}

// The name a sub-entry of template `templateId` is stored under in the template's dictionary: a
// view of a lasting table or of `subId` itself.
std::string_view subEntryName(std::string_view templateId, std::string_view subId)
{
    if (sameId(templateId, kLanguageTemplateId)) {
        const auto& names = merchantInformationLanguageTemplateSubTagDictionary();
        if (const auto it = names.find(subId); it != names.end()) {
            return it->second;
        }
        return subId;
    }
    if (sameId(templateId, kAdditionalDataId) && subId.size() == 2) {
        const char key[] = {'6', '2', subId[0], subId[1]};
        if (const auto property = tagtable::propertyForId(std::string_view(key, sizeof key))) {
            return TAVROMerchantTLV::nameOf(*property);
        }
    }
    return subId;
}

// Reads one payload; `Cursor` steps over its code points (detail::AsciiCursor or Utf8Cursor).
template <typename Cursor>
class Reader {
public:
    Reader(TLVDecodingProtocol& receiver, std::string_view text) : m_receiver(receiver), m_cursor(text) {}

    std::optional<TLVDecodingError> read()
    {
        if (!m_cursor.advance(0, 2, m_cursor.size())) {
            return TLVDecodingError::invalidLength;
        }
        auto error = m_cursor.slice(0, 2) == "00" ? readEmv() : readLegacy();
        if (error == TLVDecodingError::invalidTagLength) {
            return TLVDecodingError::invalidLength;
        }
        return error;
    }

private:
    std::optional<TLVDecodingError> readEmv()
    {
        std::bitset<100> seen;
        std::string_view lastId;
        const std::size_t end = m_cursor.size();
        std::size_t position = 0;
        while (position < end) {
            const auto idEnd = m_cursor.advance(position, 2, end);
            if (!idEnd) {
                return TLVDecodingError::invalidTagLength;
            }
            const std::string_view id = m_cursor.slice(position, *idEnd);
            // A non-numeric ID never reaches a second entry: its store fails first.
            const int idValue = tagtable::twoDigitValue(id);
            if (idValue >= 0) {
                if (seen.test(static_cast<std::size_t>(idValue))) {
                    return TLVDecodingError::repeatedTag;
                }
                seen.set(static_cast<std::size_t>(idValue));
            }
            Field field{};
            if (!readLengthAndValue(*idEnd, end, field)) {
                return TLVDecodingError::invalidTagLength;
            }
            position = field.valueEnd;
            lastId = id;
            if (sameId(id, kAdditionalDataId)) {
                if (!m_receiver.assignTLV01(id, m_noSubtag, field.length, field.value, std::nullopt)) {
                    return TLVDecodingError::invalidTag;
                }
                if (auto error = readSubEntries(id, field)) {
                    return error;
                }
            } else if (isTemplateId(idValue)) {
                if (auto error = readSubEntries(id, field)) {
                    return error;
                }
            } else {
                if (!m_receiver.assignTLV01(id, m_noSubtag, field.length, field.value, std::nullopt)) {
                    return TLVDecodingError::invalidTag;
                }
            }
        }
        if (!sameId(lastId, kChecksumId)) {
            return TLVDecodingError::invalidTag;
        }
        return std::nullopt;
    }

    std::optional<TLVDecodingError> readLegacy()
    {
        bool seen[128] = {};
        const std::size_t end = m_cursor.size();
        std::size_t position = 0;
        while (position < end) {
            const std::size_t tagEnd = *m_cursor.advance(position, 1, end);
            const std::string_view rawTag = m_cursor.slice(position, tagEnd);
            // Only ASCII tags can be known ones; any other tag fails at the store on first sight.
            std::string tag(rawTag);
            const bool asciiTag = tag.size() == 1;
            if (asciiTag) {
                tag[0] = platform::text::toAsciiLower(tag[0]);
                if (seen[static_cast<unsigned char>(tag[0])]) {
                    return TLVDecodingError::repeatedTag;
                }
            }
            const auto lengthEnd = m_cursor.advance(tagEnd, 1, end);
            if (!lengthEnd) {
                return TLVDecodingError::invalidTagLength;
            }
            const std::string_view lengthField = m_cursor.slice(tagEnd, *lengthEnd);
            const int length = lengthField.size() == 1 ? base36Digit(lengthField[0]) : -1;
            if (length < 0) {
                return TLVDecodingError::invalidTagLength;
            }
            const auto valueEnd = m_cursor.advance(*lengthEnd, static_cast<std::size_t>(length), end);
            if (!valueEnd) {
                return TLVDecodingError::invalidTagLength;
            }
            if (asciiTag) {
                seen[static_cast<unsigned char>(tag[0])] = true;
            }
            position = *valueEnd;
            if (!m_receiver.assignTLV00(tag, length, m_cursor.slice(*lengthEnd, *valueEnd))) {
                return TLVDecodingError::invalidTag;
            }
        }
        return std::nullopt;
    }

    struct Field {
        int length;
        std::string_view value;
        std::size_t valueStart;
        std::size_t valueEnd;
    };

    static int base36Digit(char c)
    {
        c = platform::text::toAsciiLower(c);
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'z') {
            return c - 'a' + 10;
        }
        return -1;
    }

    // Reads a two-digit length field (two ASCII digits, at least 01) at `from` and frames the
    // value after it, both within `limit`, into `field`. False when no whole field is there.
    bool readLengthAndValue(std::size_t from, std::size_t limit, Field& field)
    {
        const auto lengthEnd = m_cursor.advance(from, 2, limit);
        if (!lengthEnd) {
            return false;
        }
        const int length = tagtable::twoDigitValue(m_cursor.slice(from, *lengthEnd));
        if (length < 1) {
            return false;
        }
        const auto valueEnd = m_cursor.advance(*lengthEnd, static_cast<std::size_t>(length), limit);
        if (!valueEnd) {
            return false;
        }
        field.length = length;
        field.value = m_cursor.slice(*lengthEnd, *valueEnd);
        field.valueStart = *lengthEnd;
        field.valueEnd = *valueEnd;
        return true;
    }

    // Reads the sub-entries of template `templateId`, whose value `field` frames, then stores the
    // whole template.
    std::optional<TLVDecodingError> readSubEntries(std::string_view templateId, const Field& field)
    {
        const std::size_t templateEnd = field.valueEnd;
        std::size_t position = field.valueStart;
        // A template holds at most 99 characters and every whole sub-entry at least five, so at
        // most 20 sub-IDs are read.
        // Left uninitialised: only the first `seenCount` are ever read.
        struct SeenId {
            const char* data;
            std::size_t size;
            std::string_view view() const { return {data, size}; }
        };
        SeenId seen[20];
        std::size_t seenCount = 0;
        Dictionary entries;
        const bool additionalData = sameId(templateId, kAdditionalDataId);
        while (position < templateEnd) {
            const auto subIdEnd = m_cursor.advance(position, 2, templateEnd);
            if (!subIdEnd) {
                return TLVDecodingError::invalidTagLength;
            }
            const std::string_view subId = m_cursor.slice(position, *subIdEnd);
            const SeenId* seenEnd = seen + seenCount;
            if (std::find_if(static_cast<const SeenId*>(seen), seenEnd, [subId](const SeenId& other) {
                    return subId.size() == 2 ? sameId(subId, other.view()) : subId == other.view();
                }) != seenEnd) {
                return TLVDecodingError::repeatedTag;
            }
            assert(seenCount < std::size(seen));
            seen[seenCount++] = {subId.data(), subId.size()};
            Field subField{};
            if (!readLengthAndValue(*subIdEnd, templateEnd, subField)) {
                return TLVDecodingError::invalidTagLength;
            }
            position = subField.valueEnd;
            // Distinct sub-IDs give distinct names, and sub-IDs repeat only as a failure above.
            // Key and text are built in the node, not built elsewhere and moved in.
            entries.emplace_hint(entries.end(), std::piecewise_construct,
                                 std::forward_as_tuple(subEntryName(templateId, subId)),
                                 std::forward_as_tuple(std::string(subField.value)));
            if (additionalData &&
                !m_receiver.assignTLV01(templateId, subId, subField.length, subField.value, std::nullopt)) {
                return TLVDecodingError::invalidTag;
            }
        }
        if (!m_receiver.assignTLV01(templateId, std::nullopt, field.length, {}, std::move(entries))) {
            return TLVDecodingError::invalidTag;
        }
        return std::nullopt;
    }

    TLVDecodingProtocol& m_receiver;
    // Passed for every top-level entry. Made once, so that the argument is copied from memory
    // written long before instead of being assembled on the stack each time.
    const std::optional<std::string_view> m_noSubtag;
    Cursor m_cursor;
};

} // namespace

std::optional<TLVDecodingError> TLVDecodingProtocol::decodeTLV(std::string_view text)
{
    const bool ascii = platform::text::isAscii(text);
    if (!ascii && !platform::text::isValidUtf8(text)) {
        return TLVDecodingError::invalidLength;
    }
    if (ascii) {
        return Reader<detail::AsciiCursor>(*this, text).read();
    }
    return Reader<detail::Utf8Cursor>(*this, text).read();
}

} // namespace tavro
