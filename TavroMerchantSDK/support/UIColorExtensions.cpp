#include "TavroMerchantSDK/support/UIColorExtensions.h"

#include "platform/foundation/Text.h"

#include <cstdint>
#include <string>

namespace tavro {

namespace {

constexpr std::size_t kHexDigitsLength = 6;

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads a piece the way a text scanner reads a hexadecimal integer: leading white space skipped,
// then hex digits up to the first other character; 0 when there is none.
std::uint32_t scanHex(std::string_view piece)
{
    std::size_t position = 0;
    while (position < piece.size() &&
           (piece[position] == ' ' || piece[position] == '\t' || piece[position] == '\n' || piece[position] == '\r'))
        ++position;
    std::uint32_t value = 0;
    for (; position < piece.size(); ++position) {
        int digit = hexDigitValue(piece[position]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

} // namespace

platform::UIColorPtr colorWithRGBA(int r, int g, int b, double a)
{
    return platform::UIColor::create(r / 255.0, g / 255.0, b / 255.0, a);
}

platform::UIColorPtr colorWithHexString(std::string_view text)
{
    std::string hex = platform::text::toUpper(platform::text::trimWhitespace(text));
    if (!hex.empty() && hex.front() == '#')
        hex.erase(0, 1);
    if (platform::text::graphemeCount(hex) != kHexDigitsLength)
        return platform::UIColor::gray();
    auto component = [&](std::size_t index) {
        return scanHex(platform::text::graphemeSlice(hex, index * 2, 2)) / 255.0;
    };
    return platform::UIColor::create(component(0), component(1), component(2), 1.0);
}

platform::UIColorPtr approvalGreenColor()
{
    return colorWithRGBA(51, 164, 122, 1);
}
platform::UIColorPtr infoColor()
{
    return colorWithHexString("#DD9000");
}
platform::UIColorPtr errorRedColor()
{
    return colorWithHexString("#DD3458");
}
platform::UIColorPtr lightActiveElementColor()
{
    return colorWithHexString("#1d2a59");
}
platform::UIColorPtr tableViewCellBackgroundColor()
{
    return colorWithHexString("#f2f4f8");
}
platform::UIColorPtr lightElementAlternateColor()
{
    return colorWithHexString("#6f7099");
}
platform::UIColorPtr defaultSdkBackgroundColor()
{
    return colorWithHexString("#15195A");
}
platform::UIColorPtr defaultSdkfontColor()
{
    return colorWithHexString("#FFFFFF");
}
platform::UIColorPtr defaultSdkActionButtonColor()
{
    return colorWithHexString("#003EA9");
}
platform::UIColorPtr defaultSdkActionButtonActiveColor()
{
    return colorWithHexString("#1869D6");
}
platform::UIColorPtr systemFontColor()
{
    return colorWithHexString("#127EFC");
}
platform::UIColorPtr defaultCellBackgroudColor()
{
    return colorWithHexString("#F2F4F8");
}
platform::UIColorPtr defaultSdkActionButtonFontColor()
{
    return defaultSdkfontColor();
}

} // namespace tavro
