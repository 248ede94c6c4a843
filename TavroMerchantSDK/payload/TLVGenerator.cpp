#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include "TavroMerchantSDK/payload/PayloadFraming.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <memory_resource>
#include <vector>

namespace tavro {

namespace {

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using Property = TAVROMerchantTLV::Property;

constexpr std::string_view kLanguageTemplateId = QRCodeTag::merchantInformationLanguageTemplate;

// Scratch memory for one encoding: the key lists and entry lists of a typical payload fit in it,
// so encoding allocates only its result.
class Scratch {
public:
    std::pmr::memory_resource* resource() { return &m_resource; }

private:
    alignas(std::max_align_t) std::array<std::byte, 4096> m_buffer;
    std::pmr::monotonic_buffer_resource m_resource{m_buffer.data(), m_buffer.size()};
};

// The code points of a piece of text, and whether it is plain ASCII.
struct Measure {
    std::size_t codePoints;
    bool ascii;
};

Measure measure(std::string_view text)
{
    if (platform::text::isAscii(text)) {
        return {text.size(), true};
    }
    return {platform::text::codePointCount(text), false};
}

// measure() for an ID; two ASCII bytes, the usual case, are told at a glance.
Measure measureId(std::string_view id)
{
    if (id.size() == 2 && static_cast<unsigned char>(id[0]) < 0x80 && static_cast<unsigned char>(id[1]) < 0x80) {
        return {2, true};
    }
    return measure(id);
}

// a < b for IDs; two-byte IDs, nearly all of them, compared without a library call.
bool idLess(std::string_view a, std::string_view b)
{
    if (a.size() == 2 && b.size() == 2) {
        const auto byte = [](char c) { return static_cast<unsigned char>(c); };
        return byte(a[0]) != byte(b[0]) ? byte(a[0]) < byte(b[0]) : byte(a[1]) < byte(b[1]);
    }
    return a < b;
}

// Insertion sort: the lists are short and mostly in order already, as dictionary keys come sorted.
template <typename T, typename Less>
void insertionSort(std::pmr::vector<T>& items, Less less)
{
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (!less(items[i], items[i - 1])) {
            continue;
        }
        T item = items[i];
        std::size_t j = i;
        for (; j > 0 && less(item, items[j - 1]); --j) {
            items[j] = items[j - 1];
        }
        items[j] = item;
    }
}

// Payload IDs begin with a digit and the names of the properties holding them with a letter, so
// in a dictionary every ID key comes before every such name.
constexpr bool kIdKeysComeFirst = [] {
    bool first = true;
#define TAVRO_ID_BEFORE_NAME(id, name, Name, Kind) \
    first = first && id[0] >= '0' && id[0] <= '9' && #name[0] >= 'a' && #name[0] <= 'z';
    TAVRO_MODEL_PROPERTY_ROWS(TAVRO_ID_BEFORE_NAME, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_ID_BEFORE_NAME
    return first;
}();
static_assert(kIdKeysComeFirst);

// The property called `key`, when that property has a payload ID. Out of line: nearly every key
// is an ID, found by the inline table lookup before this is asked.
[[gnu::noinline]] std::optional<Property> propertyNamedWithId(std::string_view key)
{
    const auto named = TAVROMerchantTLV::propertyNamed(key);
    return named && !tagtable::idOf(*named).empty() ? named : std::nullopt;
}

// Calls `visit(key, id, property, value)` for each key of `dictionary`, in key order, as if the
// keys in `absent` were not there. A key that is a payload ID stands for the property holding that
// ID; a property's name stands for the property unless the property's ID is also a key (the value
// under the ID wins); `id` is then that property's ID. Every other key (names of the properties
// without an ID included) comes as itself, with no property.
template <typename Visit>
void forEachKey(const Dictionary& dictionary, Visit visit, std::span<const std::string_view> absent = {})
{
    // Complete by the time the names come (kIdKeysComeFirst).
    std::bitset<TAVROMerchantTLV::propertyCount> givenById;
    for (const auto& [key, value] : dictionary) {
        if (!absent.empty() && std::find(absent.begin(), absent.end(), key) != absent.end()) {
            continue;
        }
        std::string_view id = key;
        std::optional<Property> property = tagtable::propertyForId(key);
        if (property) {
            givenById.set(static_cast<std::size_t>(*property));
        } else if (const auto named = propertyNamedWithId(key)) {
            if (givenById.test(static_cast<std::size_t>(*named))) {
                continue;
            }
            id = tagtable::idOf(*named);
            property = named;
        }
        visit(key, id, property, value);
    }
}

// Whether encode() writes `value`, under a top-level key standing for `property`, as a template.
bool isTemplate(std::optional<Property> property, const AnyValue& value)
{
    return property && *property != Property::payloadFormatIndicator && *property != Property::crc &&
           value.isDictionary();
}

// A top-level entry: a text value, or a template whose content is written when its turn comes.
struct Entry {
    std::string_view id;
    const AnyValue* value;
};

class Writer {
public:
    explicit Writer(std::pmr::memory_resource* memory) : m_memory(memory) { m_text.reserve(160); }

    void writeEntry(std::string_view id, std::string_view value)
    {
        const Measure idMeasure = measureId(id);
        const Measure valueMeasure = measure(value);
        if (idMeasure.codePoints != 2 || valueMeasure.codePoints > payloadframing::kMaxValueLength) {
            m_framed = false;
        }
        m_ascii = m_ascii && idMeasure.ascii && valueMeasure.ascii;
        payloadframing::appendEntry(m_text, id, value, valueMeasure.codePoints);
    }

    // Template `id` with its text sub-entries in ascending sub-ID order, written in place: the
    // length is filled in once the content is written.
    void writeTemplate(std::string_view id, const Dictionary& dictionary);

    // Appends the checksum entry and hands over the text, with whether it is a payload.
    EncodedPayload finish()
    {
        payloadframing::appendChecksumEntry(m_text);
        if (!m_ascii && !platform::text::isValidUtf8(m_text)) {
            m_framed = false;
        }
        return {std::move(m_text), m_framed};
    }

private:
    std::pmr::memory_resource* m_memory;
    std::string m_text;
    bool m_framed = true;
    // Whether every byte written is ASCII: known from the pieces, so the text is not scanned again.
    bool m_ascii = true;
};

// The sub-ID a raw template key is written under: the key itself, or in the language template
// the sub-ID of a sub-field name.
std::string_view subIdForKey(std::string_view templateId, std::string_view key)
{
    if (templateId == kLanguageTemplateId) {
        for (const auto& [subId, name] : merchantInformationLanguageTemplateSubTagDictionary()) {
            if (name == key) {
                return subId;
            }
        }
    }
    return key;
}

void Writer::writeTemplate(std::string_view id, const Dictionary& dictionary)
{
    // Sub-entries under the same sub-ID keep the order of their properties' declaration, and
    // come after them in key order when they stand for no property.
    struct SubEntry {
        std::string_view subId;
        std::size_t rank;
        const std::string* value;
    };
    std::pmr::vector<SubEntry> subEntries(m_memory);
    subEntries.reserve(dictionary.size());
    std::size_t rawRank = TAVROMerchantTLV::propertyCount;
    forEachKey(dictionary, [&](std::string_view, std::string_view keyId, std::optional<Property> property,
                               const AnyValue& value) {
        const std::string* text = value.asString();
        if (!text) {
            return;
        }
        if (property) {
            subEntries.push_back({keyId.substr(keyId.size() - 2), static_cast<std::size_t>(*property), text});
        } else {
            subEntries.push_back({subIdForKey(id, keyId), rawRank++, text});
        }
    });
    insertionSort(subEntries, [](const SubEntry& a, const SubEntry& b) {
        return a.subId != b.subId ? idLess(a.subId, b.subId) : a.rank < b.rank;
    });

    const Measure idMeasure = measureId(id);
    m_text.append(id);
    const std::size_t lengthAt = m_text.size();
    m_text.append("00");
    const std::size_t contentAt = m_text.size();
    // m_ascii tells for the content alone while it is written: ASCII content counts its bytes.
    // Other content is counted as a whole, as a piece may end inside a character the next completes.
    const bool asciiBefore = m_ascii;
    m_ascii = true;
    for (const SubEntry& subEntry : subEntries) {
        writeEntry(subEntry.subId, *subEntry.value);
    }
    const std::string_view content = std::string_view(m_text).substr(contentAt);
    const std::size_t length = m_ascii ? content.size() : platform::text::codePointCount(content);
    m_ascii = m_ascii && asciiBefore && idMeasure.ascii;
    if (idMeasure.codePoints != 2 || length > payloadframing::kMaxValueLength) {
        m_framed = false;
    }
    if (length < 100) {
        m_text[lengthAt] = static_cast<char>('0' + length / 10);
        m_text[lengthAt + 1] = static_cast<char>('0' + length % 10);
    } else {
        std::string digits;
        payloadframing::appendLength(digits, length);
        m_text.replace(lengthAt, 2, digits);
    }
}

} // namespace

EncodedPayload TLVGenerator::encode(const Dictionary& qrCodeDictionary, std::span<const std::string_view> keysLeftOut)
{
    Scratch scratch;
    const std::string* indicator = nullptr;
    std::pmr::vector<Entry> entries(scratch.resource());
    entries.reserve(qrCodeDictionary.size());
    const auto collect = [&](std::string_view, std::string_view id, std::optional<Property> property,
                             const AnyValue& value) {
        if (property == Property::payloadFormatIndicator) {
            indicator = value.asString();
        } else if (property == Property::crc) {
            // Always computed.
        } else if (value.isString()) {
            // Sub-field names of template "62" carry four-character IDs: not written at the top.
            if (property ? id.size() == 2 : measureId(id).codePoints == 2) {
                entries.push_back({id, &value});
            }
        } else if (isTemplate(property, value)) {
            entries.push_back({id, &value});
        }
    };
    forEachKey(qrCodeDictionary, collect, keysLeftOut);
    insertionSort(entries, [](const Entry& a, const Entry& b) { return idLess(a.id, b.id); });

    Writer writer(scratch.resource());
    if (indicator) {
        writer.writeEntry(tagtable::idOf(Property::payloadFormatIndicator), *indicator);
    }
    for (const Entry& entry : entries) {
        if (const std::string* text = entry.value->asString()) {
            writer.writeEntry(entry.id, *text);
        } else {
            writer.writeTemplate(entry.id, *entry.value->asDictionary());
        }
    }

    return writer.finish();
}

Dictionary TLVGenerator::placeableCopy(const Dictionary& dictionary)
{
    Dictionary copy;
    for (const auto& [key, value] : dictionary) {
        std::optional<Property> property = tagtable::propertyForId(key);
        if (!property) {
            property = propertyNamedWithId(key);
            // IDs come first (kIdKeysComeFirst): an ID left out must still hide its property's name.
            const auto byId = property ? dictionary.find(tagtable::idOf(*property)) : dictionary.end();
            if (byId != dictionary.end() && !copy.contains(byId->first)) {
                continue;
            }
        }
        if (isTemplate(property, value)) {
            Dictionary texts;
            forEachKey(*value.asDictionary(), [&](std::string_view subKey, std::string_view, std::optional<Property>,
                                                  const AnyValue& subValue) {
                if (subValue.isString()) {
                    texts.emplace_hint(texts.end(), subKey, subValue);
                }
            });
            copy.emplace_hint(copy.end(), key, std::move(texts));
        } else if (!value.isArray() && !value.isDictionary()) {
            copy.emplace_hint(copy.end(), key, value);
        }
    }
    return copy;
}

std::string TLVGenerator::encodeDictToTLV(const Dictionary& qrCodeDictionary)
{
    return encode(qrCodeDictionary).text;
}

} // namespace tavro
