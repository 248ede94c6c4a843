#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include "TavroMerchantSDK/payload/PayloadFraming.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <vector>

namespace tavro {

namespace {

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using Property = TAVROMerchantTLV::Property;

constexpr std::string_view kLanguageTemplateId = QRCodeTag::merchantInformationLanguageTemplate;

// A dictionary with its keys rewritten: keys that are payload IDs become the property holding
// that ID (an ID key wins over the property's own name), property names stay properties, and
// every other key stays as it is.
class NormalizedKeys {
public:
    explicit NormalizedKeys(const Dictionary& dictionary)
    {
        m_properties.reserve(dictionary.size());
        for (const auto& [key, value] : dictionary) {
            if (const auto property = tagtable::propertyForId(key)) {
                m_properties.push_back({*property, true, &value});
            } else if (const auto named = TAVROMerchantTLV::propertyNamed(key); named && !tagtable::idOf(*named).empty()) {
                m_properties.push_back({*named, false, &value});
            } else {
                m_rawKeys.push_back({key, &value});
            }
        }
        // One value per property; the one given under the ID comes first and stays.
        std::sort(m_properties.begin(), m_properties.end(), [](const PropertyValue& a, const PropertyValue& b) {
            return a.property != b.property ? a.property < b.property : a.fromId > b.fromId;
        });
        m_properties.erase(std::unique(m_properties.begin(), m_properties.end(),
                                       [](const PropertyValue& a, const PropertyValue& b) { return a.property == b.property; }),
                           m_properties.end());
    }

    struct PropertyValue {
        Property property;
        bool fromId;
        const AnyValue* value;
    };
    // Each property given, once, in declaration order.
    const std::vector<PropertyValue>& properties() const { return m_properties; }

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
    const std::vector<RawEntry>& rawKeys() const { return m_rawKeys; }

private:
    std::vector<PropertyValue> m_properties;
    std::vector<RawEntry> m_rawKeys;
};

struct Entry {
    std::string_view id;
    bool isTemplate;
    std::string_view text;        // a text entry's value (in the input dictionary)
    std::string templateContent;  // a template's content, built here

    std::string_view value() const { return isTemplate ? std::string_view(templateContent) : text; }
};

class Writer {
public:
    void writeEntry(std::string_view id, std::string_view value)
    {
        if (platform::text::codePointCount(id) != 2) {
            m_framed = false;
        }
        const std::size_t length = platform::text::codePointCount(value);
        if (length > payloadframing::kMaxValueLength) {
            m_framed = false;
        }
        payloadframing::appendEntry(m_text, id, value, length);
    }

    std::string& text() { return m_text; }
    bool framed() const { return m_framed; }
    void markUnframed() { m_framed = false; }

private:

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

// The content of template `templateId`: its text sub-entries in ascending sub-ID order.
std::string buildTemplateContent(std::string_view templateId, const Dictionary& dictionary, Writer& owner)
{
    struct SubEntry {
        std::string_view subId;
        std::string_view value;
    };
    std::vector<SubEntry> subEntries;
    const NormalizedKeys keys(dictionary);
    for (const auto& [property, fromId, value] : keys.properties()) {
        if (const std::string* text = value->asString()) {
            subEntries.push_back({subIdFor(templateId, property, {}), *text});
        }
    }
    for (const auto& raw : keys.rawKeys()) {
        if (const std::string* text = raw.value->asString()) {
            subEntries.push_back({subIdFor(templateId, std::nullopt, raw.key), *text});
        }
    }
    std::stable_sort(subEntries.begin(), subEntries.end(),
                     [](const SubEntry& a, const SubEntry& b) { return a.subId < b.subId; });

    Writer content;
    for (const SubEntry& subEntry : subEntries) {
        content.writeEntry(subEntry.subId, subEntry.value);
    }
    if (!content.framed()) {
        owner.markUnframed();
    }
    return std::move(content.text());
}

} // namespace

EncodedPayload TLVGenerator::encode(const Dictionary& qrCodeDictionary)
{
    const NormalizedKeys keys(qrCodeDictionary);
    Writer writer;
    writer.text().reserve(160);

    if (const AnyValue* indicator = keys.valueOf(Property::payloadFormatIndicator)) {
        if (const std::string* text = indicator->asString()) {
            writer.writeEntry(tagtable::idOf(Property::payloadFormatIndicator), *text);
        }
    }

    std::vector<Entry> entries;
    entries.reserve(qrCodeDictionary.size());
    for (const auto& [property, fromId, value] : keys.properties()) {
        if (property == Property::payloadFormatIndicator || property == Property::crc) {
            continue;
        }
        const std::string_view id = tagtable::idOf(property);
        if (const std::string* text = value->asString()) {
            // Sub-field names of template "62" carry four-character IDs: not written at the top.
            if (id.size() == 2) {
                entries.push_back({id, false, *text, {}});
            }
        } else if (const Dictionary* dictionary = value->asDictionary()) {
            entries.push_back({id, true, {}, buildTemplateContent(id, *dictionary, writer)});
        }
    }
    for (const auto& raw : keys.rawKeys()) {
        if (const std::string* text = raw.value->asString(); text && platform::text::codePointCount(raw.key) == 2) {
            entries.push_back({raw.key, false, *text, {}});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });

    for (const Entry& entry : entries) {
        writer.writeEntry(entry.id, entry.value());
    }

    std::string& text = writer.text();
    payloadframing::appendChecksumEntry(text);

    if (!platform::text::isAscii(text) && !platform::text::isValidUtf8(text)) {
        writer.markUnframed();
    }
    return {std::move(text), writer.framed()};
}

std::string TLVGenerator::encodeDictToTLV(const Dictionary& qrCodeDictionary)
{
    return encode(qrCodeDictionary).text;
}

} // namespace tavro
