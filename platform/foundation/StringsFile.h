#pragma once
// Reader of the ".strings" text format of localisation tables:
//
//     /* comment */  // comment
//     "KEY" = "value";
//     "KEY_ONLY";              (the value is the key itself)
//     bare_word = "value";     (unquoted words of letters, digits and _$+/:.- are allowed)
//
// Quoted texts take the escapes \" \' \\ \/ \n \t \r \a \b \f \v, octal \ooo and \UXXXX / \uXXXX
// (one to four hex digits; a surrogate pair joins into one character). Files are UTF-8, with or
// without a byte order mark, or UTF-16 with a byte order mark. Later entries replace earlier
// ones with the same key.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

using StringsTable = std::unordered_map<std::string, std::string>;

// Parses the contents of a strings file. Malformed input writes one debug line naming
// `sourceName` and the line number, and gives the entries read before the fault; a UTF-16 text
// with an odd trailing byte writes one line too.
StringsTable parseStringsFile(std::string_view contents, std::string_view sourceName = "strings");

// Largest strings file that is read; a larger one is not read at all.
constexpr std::size_t kMaxStringsFileSize = 16 * 1024 * 1024;

// Reads and parses the file at `path`; nullopt when it cannot be read (it is over
// kMaxStringsFileSize, not a regular file, may not be read, or a read fails), with one debug line
// naming the reason unless it is missing.
std::optional<StringsTable> loadStringsFile(const std::string& path);

} // namespace platform
