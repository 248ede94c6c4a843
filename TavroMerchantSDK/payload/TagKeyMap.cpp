#include "TavroMerchantSDK/payload/TagKeyMap.h"

#include <algorithm>
#include <array>

namespace tavro {

namespace {

using Property = TAVROMerchantTLV::Property;

struct TagRow {
    std::string_view id;
    std::string_view name;
    Property property;
};

constexpr TagRow kTagRows[] = {
#define TAVRO_TAG_ROW(id, name, Name, Kind) {id, #name, Property::name},
    TAVRO_TAG_ROWS_BY_ID(TAVRO_TAG_ROW, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_TAG_ROW
};
static_assert(std::size(kTagRows) == 114);

constexpr std::size_t kNoProperty = 0xFF;

// Root IDs "00"-"99" at their value; sub-IDs "6201"-"6214" at 100 + sub-ID.
constexpr std::array<std::uint8_t, 115> kPropertyById = [] {
    std::array<std::uint8_t, 115> table{};
    for (auto& entry : table) {
        entry = kNoProperty;
    }
    for (const TagRow& row : kTagRows) {
        const int index =
            row.id.size() == 2 ? tagtable::twoDigitValue(row.id) : 100 + tagtable::twoDigitValue(row.id.substr(2));
        table[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(row.property);
    }
    return table;
}();

constexpr std::array<std::string_view, TAVROMerchantTLV::propertyCount> kIdByProperty = [] {
    std::array<std::string_view, TAVROMerchantTLV::propertyCount> table{};
    for (const TagRow& row : kTagRows) {
        table[static_cast<std::size_t>(row.property)] = row.id;
    }
    return table;
}();

} // namespace

const TagMap& tagKeyMap()
{
    static const TagMap map = [] {
        TagMap result;
        for (const TagRow& row : kTagRows) {
            result.emplace(row.id, row.name);
        }
        return result;
    }();
    return map;
}

const TagMap& merchantInformationLanguageTemplateSubTagDictionary()
{
    static const TagMap map{
        {"00", "languagePreference"},
        {"01", "merchantNameAlternateLanguage"},
        {"02", "merchantCityAlternateLanguage"},
    };
    return map;
}

namespace tagtable {

std::optional<Property> propertyForId(std::string_view id)
{
    int index = -1;
    if (id.size() == 2) {
        index = twoDigitValue(id);
    } else if (id.size() == 4 && id[0] == '6' && id[1] == '2') {
        const int sub = twoDigitValue(id.substr(2));
        index = (sub >= 1 && sub <= 14) ? 100 + sub : -1;
    }
    if (index < 0 || kPropertyById[static_cast<std::size_t>(index)] == kNoProperty) {
        return std::nullopt;
    }
    return static_cast<Property>(kPropertyById[static_cast<std::size_t>(index)]);
}

std::string_view idForName(std::string_view name)
{
    const auto property = TAVROMerchantTLV::propertyNamed(name);
    return property ? idOf(*property) : std::string_view{};
}

std::string_view idOf(Property property)
{
    return kIdByProperty[static_cast<std::size_t>(property)];
}

} // namespace tagtable
} // namespace tavro
