#pragma once
// Colours of the framework: the hexadecimal colour parser, a constructor from 0-255 components
// and the named colours that the configuration defaults, rows and screens use. Every call makes
// a new colour object.

#include "platform/graphics/UIColor.h"

#include <string_view>

namespace tavro {

// The colour of red, green and blue on the 0-255 scale (each divided by 255) and an alpha of
// 0 to 1. Out-of-range values are clamped by the platform colour.
platform::UIColorPtr colorWithRGBA(int r, int g, int b, double a);

// Parses "#RRGGBB" (the hash sign optional, hex digits in either case, white space and line
// breaks at both ends ignored). Never fails: a text that is not six characters once trimmed and
// stripped of one leading "#" gives the platform gray (50 % white); each two-character piece is
// read as leading hexadecimal digits, so a piece that starts with no hex digit gives 0 ("#GG0000"
// is black) and "1G" gives 1. Always opaque.
platform::UIColorPtr colorWithHexString(std::string_view text);

platform::UIColorPtr approvalGreenColor();                // 51, 164, 122
platform::UIColorPtr infoColor();                         // "#DD9000"
platform::UIColorPtr errorRedColor();                     // "#DD3458"
platform::UIColorPtr lightActiveElementColor();           // "#1d2a59"
platform::UIColorPtr tableViewCellBackgroundColor();      // "#f2f4f8"
platform::UIColorPtr lightElementAlternateColor();        // "#6f7099"
platform::UIColorPtr defaultSdkBackgroundColor();         // "#15195A"
platform::UIColorPtr defaultSdkfontColor();               // "#FFFFFF"
platform::UIColorPtr defaultSdkActionButtonColor();       // "#003EA9"
platform::UIColorPtr defaultSdkActionButtonActiveColor(); // "#1869D6"
platform::UIColorPtr systemFontColor();                   // "#127EFC"
platform::UIColorPtr defaultCellBackgroudColor();         // "#F2F4F8"
platform::UIColorPtr defaultSdkActionButtonFontColor();   // defaultSdkfontColor()

} // namespace tavro
