// Arbitrary bytes (invalid UTF-8 included) through the decoder and the validators: no crash, no
// read outside the input, and a decoding failure or a control character is always the single code
// "0".

#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "platform/foundation/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    tavro::TavroPayMerchantTLV model;
    const bool decodes = !model.decodeTLV(text).has_value();
    const bool refused = !decodes || platform::text::containsControlCharacter(text);

    const auto codes = tavro::TLVGenerator::tlvValidation(text);
    if (refused && codes != std::vector<std::string>{"0"}) {
        std::abort();
    }
    if (!refused) {
        for (const auto& code : codes) {
            if (code == "0") {
                std::abort();
            }
        }
    }
    return 0;
}
