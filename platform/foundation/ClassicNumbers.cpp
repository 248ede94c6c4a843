#include "platform/foundation/ClassicNumbers.h"

#include <charconv>
#include <locale>

namespace platform {

std::string classicNumber(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::ostringstream classicStream()
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

} // namespace platform
