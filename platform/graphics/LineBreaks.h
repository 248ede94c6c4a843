#pragma once
// Where the lines of a UTF-16 text end whatever its width: at a line feed, a carriage return (with
// the line feed after it, one break), a line separator or a paragraph separator. Internal to
// platform/graphics.
#include <cstddef>
#include <string>

namespace platform {

// The position of the first line break at or after `from`; text.size() when there is none.
std::size_t nextLineBreak(const std::u16string& text, std::size_t from);

// The position just past the line break at `at` (two units for CR LF).
std::size_t pastLineBreak(const std::u16string& text, std::size_t at);

} // namespace platform
