// Arbitrary bytes (invalid UTF-8 included) through the decoder and the validators: no crash, no
// read outside the input, and a decoding failure, a control character or a character above U+FFFF
// is always the single code "0". The characters are told here by decoding, independently of the
// validator's byte scan.

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
    bool refused = !decodes;
    for (const char32_t c : platform::text::toUtf32(text)) {
        refused = refused || platform::text::isControlCharacter(c) || c > 0xFFFF;
    }

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
