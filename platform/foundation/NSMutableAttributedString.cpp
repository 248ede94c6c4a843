#include "platform/foundation/NSMutableAttributedString.h"

#include "platform/foundation/Text.h"

namespace platform {

void NSMutableAttributedString::replaceCharacters(NSRange range, std::string_view text)
{
    if (!checkRange(range, "replaceCharacters"))
        return;
    TextAttributes inherited;
    if (range.length > 0)
        inherited = attributes(range.location);
    else if (range.location > 0)
        inherited = attributes(range.location - 1);
    else if (!m_text.empty())
        inherited = attributes(0);
    replaceCharacters(range, NSAttributedString(text, std::move(inherited)));
}

void NSMutableAttributedString::replaceCharacters(NSRange range, const NSAttributedString& text)
{
    if (!checkRange(range, "replaceCharacters"))
        return;
    // Copy first: `text` may be this very string.
    std::u16string insertedText = text.utf16();
    std::vector<Segment> inserted;
    for (const auto& run : text.runs())
        inserted.push_back({run.range.length, run.attributes});

    std::size_t first = splitAt(range.location);
    std::size_t last = splitAt(range.end());
    m_segments.erase(m_segments.begin() + static_cast<std::ptrdiff_t>(first),
                     m_segments.begin() + static_cast<std::ptrdiff_t>(last));
    m_segments.insert(m_segments.begin() + static_cast<std::ptrdiff_t>(first), inserted.begin(), inserted.end());
    m_text.replace(range.location, range.length, insertedText);
    normalize();
}

void NSMutableAttributedString::insert(const NSAttributedString& text, std::size_t index)
{
    replaceCharacters(NSRange{index, 0}, text);
}

void NSMutableAttributedString::append(const NSAttributedString& text)
{
    replaceCharacters(NSRange{m_text.size(), 0}, text);
}

void NSMutableAttributedString::deleteCharacters(NSRange range)
{
    replaceCharacters(range, NSAttributedString());
}

void NSMutableAttributedString::setAttributedString(const NSAttributedString& text)
{
    replaceCharacters(NSRange{0, m_text.size()}, text);
}

void NSMutableAttributedString::changeAttributes(NSRange range, const char* operation,
                                                 const std::function<void(TextAttributes&)>& change)
{
    if (!checkRange(range, operation) || range.length == 0)
        return;
    std::size_t first = splitAt(range.location);
    std::size_t last = splitAt(range.end());
    for (std::size_t i = first; i < last; ++i)
        change(m_segments[i].attributes);
    normalize();
}

void NSMutableAttributedString::setAttributes(TextAttributes attributes, NSRange range)
{
    changeAttributes(range, "setAttributes", [&](TextAttributes& current) { current = attributes; });
}

void NSMutableAttributedString::addAttribute(const std::string& key, AttributeValue value, NSRange range)
{
    changeAttributes(range, "addAttribute", [&](TextAttributes& current) { current.insert_or_assign(key, value); });
}

void NSMutableAttributedString::addAttributes(const TextAttributes& attributes, NSRange range)
{
    changeAttributes(range, "addAttributes", [&](TextAttributes& current) {
        for (const auto& [key, value] : attributes)
            current.insert_or_assign(key, value);
    });
}

void NSMutableAttributedString::removeAttribute(std::string_view key, NSRange range)
{
    changeAttributes(range, "removeAttribute", [&](TextAttributes& current) {
        if (auto found = current.find(key); found != current.end())
            current.erase(found);
    });
}

} // namespace platform
