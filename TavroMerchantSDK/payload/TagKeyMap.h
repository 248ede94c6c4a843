#pragma once
// The payload vocabulary as lookup tables, created once on first use and then only read.
//   tagKeyMap()  payload ID -> model property name: "00"-"99" and "6201"-"6214" (114 rows).
//   merchantInformationLanguageTemplateSubTagDictionary()  sub-ID of template "64" -> name.
// The inverse of tagKeyMap (name -> ID) is TavroQRUtility::keyTagMapping().

#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

using TagMap = std::map<std::string, std::string, std::less<>>;

const TagMap& tagKeyMap();
const TagMap& merchantInformationLanguageTemplateSubTagDictionary();

// Fast lookups over the same table, for the codec's hot paths.
namespace tagtable {


// The payload ID held by the property called `name` ("59" for merchantName); empty when the
// name has no ID (the five properties of their own, or an unknown name).
std::string_view idForName(std::string_view name);

// The payload ID of a property; empty for the five properties without one.
std::string_view idOf(TAVROMerchantTLV::Property property);

// The value of two ASCII decimal digits ("07" -> 7); -1 for anything else.
constexpr int twoDigitValue(std::string_view text)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return -1;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
}

namespace detail {

inline constexpr std::uint8_t kNoProperty = 0xFF;

// The property holding each ID, by index: root IDs "00"-"99" at their value, sub-IDs
// "6201"-"6214" at 100 + sub-ID; kNoProperty where no property holds the ID.
inline constexpr std::array<std::uint8_t, 115> kPropertyById = [] {
    std::array<std::uint8_t, 115> table{};
    table.fill(kNoProperty);
#define TAVRO_PROPERTY_BY_ID_ROW(id, name, Name, Kind) \
    table[static_cast<std::size_t>(std::string_view(id).size() == 2 ? twoDigitValue(id) \
                                                                      : 100 + twoDigitValue(std::string_view(id).substr(2)))] = \
        static_cast<std::uint8_t>(TAVROMerchantTLV::Property::name);
    TAVRO_TAG_ROWS_BY_ID(TAVRO_PROPERTY_BY_ID_ROW, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_PROPERTY_BY_ID_ROW
    return table;
}();

} // namespace detail

// The property that holds payload ID `id` ("00"-"99", "6201"-"6214"); nullopt otherwise.
// Inline: the decoder and encoder ask this of every entry.
inline std::optional<TAVROMerchantTLV::Property> propertyForId(std::string_view id)
{
    int index = -1;
    if (id.size() == 2) {
        index = twoDigitValue(id);
    } else if (id.size() == 4 && id[0] == '6' && id[1] == '2') {
        const int sub = twoDigitValue(id.substr(2));
        index = (sub >= 1 && sub <= 14) ? 100 + sub : -1;
    }
    if (index < 0 || detail::kPropertyById[static_cast<std::size_t>(index)] == detail::kNoProperty) {
        return std::nullopt;
    }
    return static_cast<TAVROMerchantTLV::Property>(detail::kPropertyById[static_cast<std::size_t>(index)]);
}

} // namespace tagtable
} // namespace tavro
