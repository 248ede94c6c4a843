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
