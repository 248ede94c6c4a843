#include "TavroMerchantSDK/support/TextReplacing.h"

namespace tavro {

std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement)
{
    if (target.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (auto found = text.find(target); found != std::string_view::npos; found = text.find(target, start)) {
        result.append(text, start, found - start);
        result.append(replacement);
        start = found + target.size();
    }
    result.append(text, start);
    return result;
}

} // namespace tavro
