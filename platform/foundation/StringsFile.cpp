#include "platform/foundation/StringsFile.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Text.h"
#include "platform/foundation/Utf8Decoding.h"

#include <algorithm>
#include <sstream>

namespace platform {

namespace {

// Any encoding the format allows, as valid UTF-8 (ill-formed sequences become U+FFFD). A UTF-16
// text with an odd number of bytes sets `oddTrailingByte` and loses its last byte.
std::string decodeToUtf8(std::string_view raw, bool& oddTrailingByte)
{
    auto startsWith = [&](std::string_view prefix) { return raw.substr(0, prefix.size()) == prefix; };
    if (startsWith("\xEF\xBB\xBF"))
        raw.remove_prefix(3);
    else if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        bool littleEndian = raw[0] == '\xFF';
        raw.remove_prefix(2);
        oddTrailingByte = raw.size() % 2 != 0;
        std::u16string units;
        units.reserve(raw.size() / 2);
        for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
            auto lo = static_cast<unsigned char>(raw[littleEndian ? i : i + 1]);
            auto hi = static_cast<unsigned char>(raw[littleEndian ? i + 1 : i]);
            units.push_back(static_cast<char16_t>((hi << 8) | lo));
        }
        return text::fromUtf16(units);
    }
    std::string out;
    text::detail::appendSanitized(out, raw);
    return out;
}

bool isBareWordCharacter(char c)
{
    return text::isAsciiAlphanumeric(c) || c == '_' || c == '$' || c == '+' || c == '/' || c == ':' || c == '.' ||
           c == '-';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendCodePoint(std::string& out, char32_t c)
{
    text::detail::appendUtf8(out, c);
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    // Fills `table` until the end or the first fault; returns the fault, empty when none.
    std::string run(StringsTable& table)
    {
        for (;;) {
            if (!skipSpaceAndComments())
                return m_error;
            if (atEnd())
                return {};
            auto key = readString();
            if (!key)
                return m_error;
            if (!skipSpaceAndComments())
                return m_error;
            std::string value;
            if (peek() == '=') {
                ++m_pos;
                if (!skipSpaceAndComments())
                    return m_error;
                auto read = readString();
                if (!read)
                    return m_error;
                value = std::move(*read);
                if (!skipSpaceAndComments())
                    return m_error;
            } else {
                value = *key;
            }
            if (peek() != ';')
                return fail("expected ';'");
            ++m_pos;
            table[std::move(*key)] = std::move(value);
        }
    }

    std::size_t lineOfPosition() const
    {
        auto end = std::min(m_pos, m_text.size());
        return 1 + static_cast<std::size_t>(std::count(m_text.begin(), m_text.begin() + end, '\n'));
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    std::string fail(std::string message)
    {
        m_error = std::move(message);
        return m_error;
    }

    // False (with m_error set) for an unterminated block comment.
    bool skipSpaceAndComments()
    {
        while (!atEnd()) {
            char c = m_text[m_pos];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
                ++m_pos;
            } else if (m_text.substr(m_pos, 2) == "//") {
                auto eol = m_text.find('\n', m_pos);
                m_pos = eol == std::string_view::npos ? m_text.size() : eol + 1;
            } else if (m_text.substr(m_pos, 2) == "/*") {
                auto close = m_text.find("*/", m_pos + 2);
                if (close == std::string_view::npos) {
                    fail("unterminated comment");
                    return false;
                }
                m_pos = close + 2;
            } else {
                break;
            }
        }
        return true;
    }

    std::optional<std::string> readString()
    {
        if (peek() == '"')
            return readQuoted();
        std::size_t start = m_pos;
        while (!atEnd() && isBareWordCharacter(m_text[m_pos]))
            ++m_pos;
        if (m_pos == start) {
            fail(atEnd() ? "unexpected end of file" : "expected a quoted string");
            return std::nullopt;
        }
        return std::string(m_text.substr(start, m_pos - start));
    }

    std::optional<std::string> readQuoted()
    {
        ++m_pos; // opening quote
        std::string out;
        std::optional<char16_t> pendingHighSurrogate;
        auto flushSurrogate = [&] {
            if (pendingHighSurrogate)
                appendCodePoint(out, U'\uFFFD');
            pendingHighSurrogate.reset();
        };
        while (!atEnd()) {
            char c = m_text[m_pos++];
            if (c == '"') {
                flushSurrogate();
                return out;
            }
            if (c != '\\') {
                flushSurrogate();
                out += c;
                continue;
            }
            if (atEnd())
                break;
            char e = m_text[m_pos++];
            if (e == 'U' || e == 'u') {
                unsigned value = 0;
                int digits = 0;
                while (digits < 4 && !atEnd() && hexValue(m_text[m_pos]) >= 0)
                    value = value * 16 + static_cast<unsigned>(hexValue(m_text[m_pos++])), ++digits;
                if (digits == 0) {
                    fail("\\U without hex digits");
                    return std::nullopt;
                }
                appendUnit(out, static_cast<char16_t>(value), pendingHighSurrogate);
                continue;
            }
            flushSurrogate();
            if (e >= '0' && e <= '7') {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int i = 0; i < 2 && !atEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '7'; ++i)
                    value = value * 8 + static_cast<unsigned>(m_text[m_pos++] - '0');
                appendCodePoint(out, value);
                continue;
            }
            switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'a': out += '\a'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'v': out += '\v'; break;
            default: out += e; break; // \" \' \\ \/ and any other character stand for themselves
            }
        }
        fail("unterminated string");
        return std::nullopt;
    }

    // Joins UTF-16 units from \U escapes; a lone surrogate becomes U+FFFD.
    static void appendUnit(std::string& out, char16_t unit, std::optional<char16_t>& pendingHigh)
    {
        bool isHigh = unit >= 0xD800 && unit <= 0xDBFF;
        bool isLow = unit >= 0xDC00 && unit <= 0xDFFF;
        if (pendingHigh && isLow) {
            char32_t joined = 0x10000 + ((static_cast<char32_t>(*pendingHigh) - 0xD800) << 10) +
                              (static_cast<char32_t>(unit) - 0xDC00);
            appendCodePoint(out, joined);
            pendingHigh.reset();
            return;
        }
        if (pendingHigh)
            appendCodePoint(out, U'\uFFFD');
        pendingHigh.reset();
        if (isHigh)
            pendingHigh = unit;
        else
            appendCodePoint(out, isLow ? U'\uFFFD' : static_cast<char32_t>(unit));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
};

} // namespace

StringsTable parseStringsFile(std::string_view contents, std::string_view sourceName)
{
    bool oddTrailingByte = false;
    std::string text = decodeToUtf8(contents, oddTrailingByte);
    if (oddTrailingByte)
        debugLog("Strings file " + std::string(sourceName) + ": UTF-16 text ends in an odd byte; it is ignored");
    StringsTable table;
    Parser parser(text);
    std::string error = parser.run(table);
    if (!error.empty()) {
        std::ostringstream line = classicStream();
        line << "Strings file " << sourceName << ": " << error << " at line " << parser.lineOfPosition() << "; kept "
             << table.size() << " entries";
        debugLog(line.str());
    }
    return table;
}

std::optional<StringsTable> loadStringsFile(const std::string& path)
{
    FileReadFailure failure = FileReadFailure::unreadable;
    int errorNumber = 0;
    std::optional<std::string> contents = readWholeFile(path, kMaxStringsFileSize, &failure, &errorNumber);
    if (!contents) {
        if (failure != FileReadFailure::missing)
            debugLog("Strings file " + path + " cannot be read (" +
                     readFailureReason(failure, errorNumber, kMaxStringsFileSize) + "); its keys are shown as they are");
        return std::nullopt;
    }
    return parseStringsFile(*contents, path);
}

} // namespace platform
