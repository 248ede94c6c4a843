#include "TavroMerchantSDK/core/PlainDecimal.h"

#include "platform/foundation/Text.h"

namespace tavro {

std::optional<double> readPlainDecimal(std::string_view text)
{
    if (!platform::text::isPlainDecimal(text)) {
        return std::nullopt;
    }
    return platform::text::parseDecimal(text);
}

} // namespace tavro
