#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"

#include "TavroMerchantSDK/payload/PayMerchantValidTLV00.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"

namespace tavro {

namespace {

using Property = TAVROMerchantTLV::Property;

constexpr int kAdditionalDataValue = tagtable::twoDigitValue(QRCodeTag::additionalDataFieldTemplate);

constexpr Property legacyProperty(PayMerchantValidTLV00 tag)
{
    switch (tag) {
    case PayMerchantValidTLV00::MerchantID: return Property::tavroMerchantID;
    case PayMerchantValidTLV00::MerchantName: return Property::merchantName;
    case PayMerchantValidTLV00::MerchantCategoryCode: return Property::merchantCategoryCode;
    case PayMerchantValidTLV00::CityName: return Property::cityName;
    case PayMerchantValidTLV00::CountryCode: return Property::countryCode;
    case PayMerchantValidTLV00::CurrencyCode: return Property::currencyCode;
    case PayMerchantValidTLV00::TransactionAmount: return Property::transactionAmount;
    case PayMerchantValidTLV00::PrimaryID: return Property::primaryID;
    case PayMerchantValidTLV00::SecondaryID: return Property::secondaryID;
    case PayMerchantValidTLV00::TipAndFeeIndicator: return Property::tipAndFeeIndicator;
    case PayMerchantValidTLV00::ConvenienceFeeAmount: return Property::convenienceFeeAmount;
    case PayMerchantValidTLV00::ConvenienceFeePercentage: return Property::convenienceFeePercentage;
    }
    return Property::merchantName;
}

bool indicatesTip(std::string_view indicator)
{
    return indicator == "01" || indicator == "02" || indicator == "03";
}

} // namespace

bool TavroPayMerchantTLV::assignTLV00(std::string_view tag, int /*length*/, std::string_view value)
{
    std::string upper(tag);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    const auto legacyTag = payMerchantValidTLV00(upper);
    if (!legacyTag) {
        return false;
    }
    storeText(legacyProperty(*legacyTag), value);
    if (*legacyTag == PayMerchantValidTLV00::TipAndFeeIndicator) {
        updateTipAvailability(value);
    }
    return true;
}

bool TavroPayMerchantTLV::assignTLV01(std::string_view tag, std::optional<std::string_view> subtag, int /*length*/,
                                      std::string_view value,
                                      std::optional<platform::AnyValue::Dictionary> valueDictionary)
{
    std::optional<Property> property;
    if (tag.size() == 2 && tagtable::twoDigitValue(tag) == kAdditionalDataValue) {
        if (!subtag) {
            if (valueDictionary) {
                storeDictionary(Property::additionalDataFieldTemplate, std::move(*valueDictionary));
                return true;
            }
            if (value.empty()) {
                return false;
            }
            storeText(Property::additionalDataField, value);
            return true;
        }
        if (subtag->size() == 2) {
            const char key[] = {'6', '2', (*subtag)[0], (*subtag)[1]};
            property = tagtable::propertyForId(std::string_view(key, sizeof key));
        }
        if (!property) {
            // Sub-IDs 15 to 99 are accepted; they stay only in the template's dictionary.
            const int subId = tagtable::twoDigitValue(*subtag);
            return subId >= 15 && subId <= 99;
        }
    } else {
        property = tagtable::propertyForId(tag);
        if (!property) {
            return false;
        }
    }
    if (!storeNamed(*property, value, valueDictionary)) {
        return false;
    }
    if (*property == Property::tipAndFeeIndicator) {
        updateTipAvailability(value);
    }
    if (*property == Property::tavroMerchantID) {
        storeText(Property::tavroMerchantPAN, value);
    }
    return true;
}

bool TavroPayMerchantTLV::storeNamed(Property property, std::string_view value,
                                     std::optional<platform::AnyValue::Dictionary>& valueDictionary)
{
    const PropertyKind kind = kindOf(property);
    if (valueDictionary && kind == PropertyKind::Dictionary) {
        storeDictionary(property, std::move(*valueDictionary));
        return true;
    }
    if (!valueDictionary && kind == PropertyKind::Text) {
        storeText(property, value);
        return true;
    }
    return refuseValue(property, value, valueDictionary);
}

bool TavroPayMerchantTLV::refuseValue(Property property, std::string_view value,
                                      std::optional<platform::AnyValue::Dictionary>& valueDictionary)
{
    // setValue refuses a value of the wrong kind and logs why.
    if (valueDictionary) {
        return setValue(property, platform::AnyValue(std::move(*valueDictionary)));
    }
    return setValue(property, platform::AnyValue(std::string(value)));
}

void TavroPayMerchantTLV::updateTipAvailability(std::string_view indicator)
{
    setIsTipAvailable(indicatesTip(indicator));
}

} // namespace tavro
