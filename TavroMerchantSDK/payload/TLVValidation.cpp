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
    auto& validator = TavroPayMerchantTLVValidator::sharedValidator();
    if (model.payloadFormatIndicator()) {
        validator.validatePayMerchantTLV01(&model);
        validator.validateCRCOfText(model.crc(), tlvString);
    } else {
        validator.validatePayMerchantTLV00(&model);
    }
    return validator.errorCodes();
}

std::vector<std::string> TLVGenerator::tlvValidation(const EncodedPayload& payload)
{
    if (!payload.framed) {
        return {TavroErrorConstants::malformedTags};
    }
    return tlvValidation(payload.text);
}

} // namespace tavro
