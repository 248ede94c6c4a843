#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace tavro {

namespace {

using Property = TAVROMerchantTLV::Property;
using PropertyKind = TAVROMerchantTLV::PropertyKind;

constexpr std::string_view kNames[] = {
#define TAVRO_NAME_TAG(id, name, Name, Kind) #name,
#define TAVRO_NAME_EXTRA(name, Name, Kind) #name,
    TAVRO_MODEL_PROPERTY_ROWS(TAVRO_NAME_TAG, TAVRO_NAME_EXTRA)
#undef TAVRO_NAME_TAG
#undef TAVRO_NAME_EXTRA
};
static_assert(std::size(kNames) == TAVROMerchantTLV::propertyCount);
static_assert(TAVROMerchantTLV::propertyCount == 119);

struct NamedProperty {
    std::string_view name;
    Property property;
};

// Names sorted for binary search, built once.
const std::array<NamedProperty, TAVROMerchantTLV::propertyCount>& sortedNames()
{
    static const auto table = [] {
        std::array<NamedProperty, TAVROMerchantTLV::propertyCount> result{};
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = {kNames[i], static_cast<Property>(i)};
        }
        std::sort(result.begin(), result.end(),
                  [](const NamedProperty& a, const NamedProperty& b) { return a.name < b.name; });
        return result;
    }();
    return table;
}

std::string_view kindName(PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::Bool: return "a boolean";
    case PropertyKind::Text: return "text";
    case PropertyKind::Dictionary: return "a dictionary";
    }
    return "?";
}

void logUnknownName(std::string_view name)
{
    platform::debugLog("TAVROMerchantTLV: no property named \"" + std::string(name) + "\"");
}

} // namespace

std::optional<Property> TAVROMerchantTLV::propertyNamed(std::string_view name)
{
    const auto& table = sortedNames();
    const auto it = std::lower_bound(table.begin(), table.end(), name,
                                     [](const NamedProperty& entry, std::string_view key) { return entry.name < key; });
    if (it == table.end() || it->name != name) {
        return std::nullopt;
    }
    return it->property;
}

std::string_view TAVROMerchantTLV::nameOf(Property property)
{
    return kNames[static_cast<std::size_t>(property)];
}

platform::AnyValue TAVROMerchantTLV::value(std::string_view name) const
{
    const auto property = propertyNamed(name);
    if (!property) {
        logUnknownName(name);
        return {};
    }
    return value(*property);
}

platform::AnyValue TAVROMerchantTLV::value(Property property) const
{
    switch (kindOf(property)) {
    case PropertyKind::Bool: return m_isTipAvailable;
    case PropertyKind::Text:
        if (const auto& text = m_texts[slotOf(property)]) {
            return *text;
        }
        return {};
    case PropertyKind::Dictionary:
        if (const auto& dictionary = m_dictionaries[slotOf(property)]) {
            return *dictionary;
        }
        return {};
    }
    return {};
}

bool TAVROMerchantTLV::setValue(std::string_view name, const platform::AnyValue& value)
{
    const auto property = propertyNamed(name);
    if (!property) {
        logUnknownName(name);
        return false;
    }
    return setValue(*property, value);
}

bool TAVROMerchantTLV::setValue(Property property, const platform::AnyValue& value)
{
    const PropertyKind kind = kindOf(property);
    switch (kind) {
    case PropertyKind::Bool:
        if (value.isBool()) {
            m_isTipAvailable = value.asBool().value_or(false);
            return true;
        }
        break;
    case PropertyKind::Text:
        if (value.isNull()) {
            m_texts.reset(slotOf(property));
            return true;
        }
        if (const std::string* text = value.asString()) {
            m_texts.set(slotOf(property), *text);
            return true;
        }
        break;
    case PropertyKind::Dictionary:
        if (value.isNull()) {
            m_dictionaries.reset(slotOf(property));
            return true;
        }
        if (const Dictionary* dictionary = value.asDictionary()) {
            m_dictionaries.set(slotOf(property), *dictionary);
            return true;
        }
        break;
    }
    platform::debugLog("TAVROMerchantTLV: property \"" + std::string(nameOf(property)) + "\" takes " +
                       std::string(kindName(kind)) + "; value not stored");
    return false;
}

void TAVROMerchantTLV::setProperty(std::string_view key, const platform::AnyValue& value)
{
    if (value.isNull()) {
        if (propertyNamed(key)) {
            platform::debugLog("TAVROMerchantTLV: setProperty cannot clear \"" + std::string(key) + "\"");
        } else {
            logUnknownName(key);
        }
        return;
    }
    setValue(key, value);
}

} // namespace tavro
