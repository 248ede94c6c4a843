#pragma once
// Payload text at the level of its entries: two-character ID, two-digit length in code points,
// value. The one place that writes an entry's frame and the checksum tail, and that walks the
// top-level entries of existing text.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tavro::payloadframing {

// The two-digit length has no form for more.
inline constexpr std::size_t kMaxValueLength = 99;
// The checksum entry: its ID, its length "04" and four CRC characters.
inline constexpr std::size_t kChecksumEntryLength = 8;

// Appends `length` as "%02d" does: two digits below 100, every digit above (text that is then no
// payload; the callers say so).
inline void appendLength(std::string& out, std::size_t length)
{
    if (length < 100) {
        const char digits[2] = {static_cast<char>('0' + length / 10), static_cast<char>('0' + length % 10)};
        out.append(digits, 2);
    } else {
        out.append(std::to_string(length));
    }
}

// Appends `id`, the length and `value`; `length` is the value's code-point count.
inline void appendEntry(std::string& out, std::string_view id, std::string_view value, std::size_t length)
{
    if (id.size() == 2 && length < 100) {
        // The usual frame: ID and length go in as one four-character piece.
        const char frame[4] = {id[0], id[1], static_cast<char>('0' + length / 10), static_cast<char>('0' + length % 10)};
        out.append(frame, 4);
    } else {
        out.append(id);
        appendLength(out, length);
    }
    out.append(value);
}

// Appends the checksum entry: "6304" and the CRC of the text up to and including it.
void appendChecksumEntry(std::string& payload);

// `payload` without its top-level entries whose ID is one of `ids`; nullopt when the text is not
// a run of whole entries (an entry walk that misreads a value would cut data out of it).
std::optional<std::string> removingTopLevelEntries(std::string_view payload,
                                                   std::initializer_list<std::string_view> ids);

// The entries of `payload` before its closing checksum entry (ID "63", length "04"); nullopt when
// the text is not a run of whole entries ending with that entry (empty text included).
std::optional<std::string_view> entriesBeforeChecksumEntry(std::string_view payload);

} // namespace tavro::payloadframing
