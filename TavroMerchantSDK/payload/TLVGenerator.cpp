#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include "TavroMerchantSDK/payload/AsciiScan.h"
#include "TavroMerchantSDK/payload/PayloadFraming.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <array>
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

// Code points of `text`; a plain byte count for ASCII text.
std::size_t codePointCount(std::string_view text)
{
    return detail::isAsciiText(text) ? text.size() : platform::text::codePointCount(text);
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

// Whether `id` is two code points; two ASCII bytes, the usual case, are told at a glance.
bool isTwoCodePoints(std::string_view id)
{
    if (id.size() == 2 && static_cast<unsigned char>(id[0]) < 0x80 && static_cast<unsigned char>(id[1]) < 0x80) {
        return true;
    }
    return codePointCount(id) == 2;
}

// Stable insertion sort: the lists are short, and this one needs no buffer of its own.
template <typename T, typename Less>
void stableSort(std::pmr::vector<T>& items, Less less)
{
    for (std::size_t i = 1; i < items.size(); ++i) {
        T item = items[i];
        std::size_t j = i;
        for (; j > 0 && less(item, items[j - 1]); --j) {
            items[j] = items[j - 1];
        }
        items[j] = item;
    }
}

// A dictionary with its keys rewritten: keys that are payload IDs become the property holding
// that ID (an ID key wins over the property's own name), property names stay properties, and
// every other key stays as it is.
class NormalizedKeys {
public:
    NormalizedKeys(const Dictionary& dictionary, std::pmr::memory_resource* memory)
        : m_properties(memory), m_rawKeys(memory)
    {
        m_properties.reserve(dictionary.size());
        for (const auto& [key, value] : dictionary) {
            if (const auto property = tagtable::propertyForId(key)) {
                m_properties.push_back({*property, true, &value});
            } else if (const auto named = TAVROMerchantTLV::propertyNamed(key);
                       named && !tagtable::idOf(*named).empty()) {
                m_properties.push_back({*named, false, &value});
            } else {
                m_rawKeys.push_back({key, &value});
            }
        }
        // One value per property; the one given under the ID comes first and stays.
        stableSort(m_properties, [](const PropertyValue& a, const PropertyValue& b) {
            return a.property != b.property ? a.property < b.property : a.fromId > b.fromId;
        });
        m_properties.erase(
            std::unique(m_properties.begin(), m_properties.end(),
                        [](const PropertyValue& a, const PropertyValue& b) { return a.property == b.property; }),
            m_properties.end());
    }

    struct PropertyValue {
        Property property;
        bool fromId;
        const AnyValue* value;
    };
    // Each property given, once, in declaration order.
    const std::pmr::vector<PropertyValue>& properties() const { return m_properties; }

    const AnyValue* valueOf(Property property) const
    {
        for (const PropertyValue& entry : m_properties) {
            if (entry.property == property) {
                return entry.value;
            }
        }
        return nullptr;
    }

    struct RawEntry {
        std::string_view key;
        const AnyValue* value;
    };
    const std::pmr::vector<RawEntry>& rawKeys() const { return m_rawKeys; }

private:
    std::pmr::vector<PropertyValue> m_properties;
    std::pmr::vector<RawEntry> m_rawKeys;
};

// A top-level entry: a text value, or a template whose content is written when its turn comes.
struct Entry {
    std::string_view id;
    std::string_view text;
    const Dictionary* templateDictionary;
};

class Writer {
public:
    explicit Writer(std::pmr::memory_resource* memory) : m_memory(memory) { m_text.reserve(160); }

    void writeEntry(std::string_view id, std::string_view value)
    {
        if (!isTwoCodePoints(id)) {
            m_framed = false;
        }
        const std::size_t length = codePointCount(value);
        if (length > payloadframing::kMaxValueLength) {
            m_framed = false;
        }
        payloadframing::appendEntry(m_text, id, value, length);
    }

    // Template `id` with its text sub-entries in ascending sub-ID order, written in place: the
    // length is filled in once the content is written.
    void writeTemplate(std::string_view id, const Dictionary& dictionary);

    std::string& text() { return m_text; }
    bool framed() const { return m_framed; }
    void markUnframed() { m_framed = false; }

private:
    std::pmr::memory_resource* m_memory;
    std::string m_text;
    bool m_framed = true;
};

// The sub-ID a template sub-key is written under.
std::string_view subIdFor(std::string_view templateId, std::optional<Property> property, std::string_view key)
{
    if (property) {
        const std::string_view id = tagtable::idOf(*property);
        return id.substr(id.size() - 2);
    }
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
    struct SubEntry {
        std::string_view subId;
        std::string_view value;
    };
    std::pmr::vector<SubEntry> subEntries(m_memory);
    subEntries.reserve(dictionary.size());
    const NormalizedKeys keys(dictionary, m_memory);
    for (const auto& [property, fromId, value] : keys.properties()) {
        if (const std::string* text = value->asString()) {
            subEntries.push_back({subIdFor(id, property, {}), *text});
        }
    }
    for (const auto& raw : keys.rawKeys()) {
        if (const std::string* text = raw.value->asString()) {
            subEntries.push_back({subIdFor(id, std::nullopt, raw.key), *text});
        }
    }
    stableSort(subEntries, [](const SubEntry& a, const SubEntry& b) { return idLess(a.subId, b.subId); });

    if (!isTwoCodePoints(id)) {
        m_framed = false;
    }
    m_text.append(id);
    const std::size_t lengthAt = m_text.size();
    m_text.append("00");
    const std::size_t contentAt = m_text.size();
    for (const SubEntry& subEntry : subEntries) {
        writeEntry(subEntry.subId, subEntry.value);
    }
    const std::size_t length = codePointCount(std::string_view(m_text).substr(contentAt));
    if (length > payloadframing::kMaxValueLength) {
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

EncodedPayload TLVGenerator::encode(const Dictionary& qrCodeDictionary)
{
    Scratch scratch;
    const NormalizedKeys keys(qrCodeDictionary, scratch.resource());
    Writer writer(scratch.resource());

    if (const AnyValue* indicator = keys.valueOf(Property::payloadFormatIndicator)) {
        if (const std::string* text = indicator->asString()) {
            writer.writeEntry(tagtable::idOf(Property::payloadFormatIndicator), *text);
        }
    }

    std::pmr::vector<Entry> entries(scratch.resource());
    entries.reserve(qrCodeDictionary.size());
    for (const auto& [property, fromId, value] : keys.properties()) {
        if (property == Property::payloadFormatIndicator || property == Property::crc) {
            continue;
        }
        const std::string_view id = tagtable::idOf(property);
        if (const std::string* text = value->asString()) {
            // Sub-field names of template "62" carry four-character IDs: not written at the top.
            if (id.size() == 2) {
                entries.push_back({id, *text, nullptr});
            }
        } else if (const Dictionary* dictionary = value->asDictionary()) {
            entries.push_back({id, {}, dictionary});
        }
    }
    for (const auto& raw : keys.rawKeys()) {
        if (const std::string* text = raw.value->asString(); text && codePointCount(raw.key) == 2) {
            entries.push_back({raw.key, *text, nullptr});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return idLess(a.id, b.id); });

    for (const Entry& entry : entries) {
        if (entry.templateDictionary) {
            writer.writeTemplate(entry.id, *entry.templateDictionary);
        } else {
            writer.writeEntry(entry.id, entry.text);
        }
    }

    std::string& text = writer.text();
    payloadframing::appendChecksumEntry(text);

    if (!detail::isAsciiText(text) && !platform::text::isValidUtf8(text)) {
        writer.markUnframed();
    }
    return {std::move(text), writer.framed()};
}

std::string TLVGenerator::encodeDictToTLV(const Dictionary& qrCodeDictionary)
{
    return encode(qrCodeDictionary).text;
}

} // namespace tavro
