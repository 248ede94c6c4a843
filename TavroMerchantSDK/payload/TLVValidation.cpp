#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "platform/foundation/Text.h"

namespace tavro {

std::vector<std::string> TLVGenerator::tlvValidation(std::string_view tlvString)
{
    TavroPayMerchantTLV model;
    // The decoder reads text with a control character, or a character above U+FFFF (whose length
    // UTF-16 readers count twice), but no wallet should be handed either. Asked only of text that
    // decodes, so text refused at a glance is not scanned whole.
    if (model.decodeTLV(tlvString) || platform::text::findControlAndSupplementary(tlvString).any()) {
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
