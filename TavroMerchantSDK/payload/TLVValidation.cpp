#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

namespace tavro {

std::vector<std::string> TLVGenerator::tlvValidation(std::string_view tlvString)
{
    TavroPayMerchantTLV model;
    if (model.decodeTLV(tlvString)) {
        return {TavroErrorConstants::malformedTags};
    }
    return TavroPayMerchantTLVValidator::sharedValidator().validateDecodedPayload(model, tlvString);
}

std::vector<std::string> TLVGenerator::tlvValidation(const EncodedPayload& payload)
{
    if (!payload.framed) {
        return {TavroErrorConstants::malformedTags};
    }
    return tlvValidation(payload.text);
}

} // namespace tavro
