#pragma once
// Fills the message of a message row from the host's text without reading it as a format: the
// first "%@" becomes the bold part and "%%" becomes "%"; every other "%" sequence (a second "%@",
// "%d", "%s", a lone "%") stays as it is written.

#include <string>
#include <string_view>

namespace tavro {

std::string fillMessageTemplate(std::string_view messageTemplate, std::string_view boldPart);

} // namespace tavro
