#pragma once
// TavroPayMerchantTLV: the parsed-payload model that the decoder fills. Its store operations
// decide which property each decoded entry lands in.

#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"
#include "TavroMerchantSDK/payload/TLVDecodingProtocol.h"

namespace tavro {

class TavroPayMerchantTLV : public TAVROMerchantTLV, public TLVDecodingProtocol {
public:
    TavroPayMerchantTLV() = default;

    // Legacy tags "0"-"9", "A", "B" (either case on input); see PayMerchantValidTLV00.
    bool assignTLV00(std::string_view tag, int length, std::string_view value) override;

    // EMV IDs "00"-"99"; template "62" sub-IDs "01"-"14" land in their own properties, sub-IDs
    // 15-99 are accepted without a property of their own.
    bool assignTLV01(std::string_view tag, std::optional<std::string_view> subtag, int length, std::string_view value,
                     std::optional<platform::AnyValue::Dictionary> valueDictionary) override;

private:
    bool storeNamed(Property property, std::string_view value,
                    std::optional<platform::AnyValue::Dictionary>& valueDictionary);
    // A value of the wrong kind for its property: not stored, one debug line, false.
    [[gnu::cold]] bool refuseValue(Property property, std::string_view value,
                                   std::optional<platform::AnyValue::Dictionary>& valueDictionary);
    void updateTipAvailability(std::string_view indicator);
};

} // namespace tavro
