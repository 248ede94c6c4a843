#include "TavroMerchantSDK/Common/CellView/MessageTemplate.h"

namespace tavro {

std::string fillMessageTemplate(std::string_view messageTemplate, std::string_view boldPart)
{
    std::string message;
    message.reserve(messageTemplate.size() + boldPart.size());
    bool filled = false;
    for (std::size_t i = 0; i < messageTemplate.size(); ++i) {
        const char c = messageTemplate[i];
        const char next = i + 1 < messageTemplate.size() ? messageTemplate[i + 1] : '\0';
        if (c == '%' && next == '%') {
            message.push_back('%');
            ++i;
        } else if (c == '%' && next == '@' && !filled) {
            message.append(boldPart);
            filled = true;
            ++i;
        } else {
            message.push_back(c);
        }
    }
    return message;
}

} // namespace tavro
