#pragma once
// The payload vocabulary as lookup tables, created once on first use and then only read.
//   tagKeyMap()  payload ID -> model property name: "00"-"99" and "6201"-"6214" (114 rows).
//   merchantInformationLanguageTemplateSubTagDictionary()  sub-ID of template "64" -> name.
// The inverse of tagKeyMap (name -> ID) is TavroQRUtility::keyTagMapping().

#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"

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

// The property that holds payload ID `id` ("00"-"99", "6201"-"6214"); nullopt otherwise.
std::optional<TAVROMerchantTLV::Property> propertyForId(std::string_view id);

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

} // namespace tagtable
} // namespace tavro
