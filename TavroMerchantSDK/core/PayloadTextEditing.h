#pragma once
// Edits of payload text at the level of its top-level entries (two-character ID, two-digit
// length in code points, value). Internal to the core.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tavro::payloadtext {

// `payload` without its top-level entries whose ID is one of `ids`; nullopt when the text is not
// a run of whole entries (an entry walk that misreads a value would cut data out of it).
std::optional<std::string> removingTopLevelEntries(std::string_view payload, std::initializer_list<std::string_view> ids);

// `payload` without its last `count` code points; empty text when it has fewer than `count`.
std::string droppingLastCodePoints(std::string_view payload, std::size_t count);

} // namespace tavro::payloadtext
