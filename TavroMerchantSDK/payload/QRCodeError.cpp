#include "TavroMerchantSDK/payload/QRCodeError.h"

#include "platform/foundation/Json.h"
#include "platform/foundation/Text.h"

namespace tavro {

std::string QRCodeError::description() const
{
    std::string result;
    for (const std::string& code : m_errorCodes) {
        result += code;
        result += ' ';
    }
    return result;
}

std::string QRCodeError::getJSONOutput() const
{
    platform::AnyValue::Array codes;
    codes.reserve(m_errorCodes.size());
    for (const std::string& code : m_errorCodes) {
        const auto number = platform::text::parseInteger(code, 10);
        if (!number) {
            return {};
        }
        codes.emplace_back(*number);
    }
    const platform::AnyValue output(platform::AnyValue::Dictionary{
        {"qrCodeError", std::move(codes)},
        {"qrCodeData", platform::AnyValue::Dictionary{}},
    });
    std::string json = platform::toJson(output, true);
    if (!platform::text::isAscii(json)) {
        return {};
    }
    return json;
}

} // namespace tavro
