#include "platform/foundation/NSAttributedString.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"

#include <algorithm>

namespace platform {

namespace {

std::optional<AttributeValue> find(const TextAttributes& attributes, std::string_view key)
{
    auto found = attributes.find(key);
    if (found == attributes.end())
        return std::nullopt;
    return found->second;
}

std::string describe(NSRange range)
{
    return "{" + std::to_string(range.location) + ", " + std::to_string(range.length) + "}";
}

} // namespace

NSAttributedString::NSAttributedString(std::string_view text, TextAttributes attributes) : m_text(text::toUtf16(text))
{
    if (!m_text.empty())
        m_segments.push_back({m_text.size(), std::move(attributes)});
}

std::string NSAttributedString::string() const
{
    return text::fromUtf16(m_text);
}

bool NSAttributedString::checkRange(NSRange range, const char* operation) const
{
    if (range.fitsWithin(m_text.size()))
        return true;
    debugLog(std::string("NSAttributedString ") + operation + ": range " + describe(range) +
             " is out of bounds for length " + std::to_string(m_text.size()));
    return false;
}

std::pair<std::size_t, std::size_t> NSAttributedString::segmentAt(std::size_t index) const
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < m_segments.size(); ++i) {
        if (index < start + m_segments[i].length)
            return {i, start};
        start += m_segments[i].length;
    }
    return {m_segments.size(), start};
}

std::size_t NSAttributedString::splitAt(std::size_t index)
{
    auto [i, start] = segmentAt(index);
    if (i == m_segments.size() || start == index)
        return i;
    Segment tail{start + m_segments[i].length - index, m_segments[i].attributes};
    m_segments[i].length = index - start;
    m_segments.insert(m_segments.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
    return i + 1;
}

void NSAttributedString::normalize()
{
    std::vector<Segment> merged;
    merged.reserve(m_segments.size());
    for (auto& segment : m_segments) {
        if (segment.length == 0)
            continue;
        if (!merged.empty() && merged.back().attributes == segment.attributes)
            merged.back().length += segment.length;
        else
            merged.push_back(std::move(segment));
    }
    m_segments = std::move(merged);
}

TextAttributes NSAttributedString::attributes(std::size_t index, NSRange* effectiveRange) const
{
    if (index >= m_text.size()) {
        debugLog("NSAttributedString attributes: index " + std::to_string(index) + " is out of bounds for length " +
                 std::to_string(m_text.size()));
        if (effectiveRange)
            *effectiveRange = {};
        return {};
    }
    auto [i, start] = segmentAt(index);
    if (effectiveRange)
        *effectiveRange = {start, m_segments[i].length};
    return m_segments[i].attributes;
}

std::optional<AttributeValue> NSAttributedString::attribute(std::string_view key, std::size_t index,
                                                            NSRange* effectiveRange) const
{
    if (index >= m_text.size()) {
        debugLog("NSAttributedString attribute: index " + std::to_string(index) + " is out of bounds for length " +
                 std::to_string(m_text.size()));
        if (effectiveRange)
            *effectiveRange = {};
        return std::nullopt;
    }
    auto [i, start] = segmentAt(index);
    auto value = find(m_segments[i].attributes, key);
    if (effectiveRange) {
        std::size_t first = i;
        std::size_t from = start;
        while (first > 0 && find(m_segments[first - 1].attributes, key) == value) {
            --first;
            from -= m_segments[first].length;
        }
        std::size_t to = start + m_segments[i].length;
        for (std::size_t next = i + 1; next < m_segments.size() && find(m_segments[next].attributes, key) == value;
             ++next)
            to += m_segments[next].length;
        *effectiveRange = {from, to - from};
    }
    return value;
}

std::vector<NSAttributedString::Run> NSAttributedString::runs() const
{
    std::vector<Run> result;
    result.reserve(m_segments.size());
    std::size_t start = 0;
    for (const auto& segment : m_segments) {
        result.push_back({{start, segment.length}, segment.attributes});
        start += segment.length;
    }
    return result;
}

void NSAttributedString::enumerateAttributes(NSRange range,
                                             const std::function<void(const TextAttributes&, NSRange)>& body) const
{
    if (!checkRange(range, "enumerateAttributes"))
        return;
    std::size_t start = 0;
    for (const auto& segment : m_segments) {
        std::size_t from = std::max(start, range.location);
        std::size_t to = std::min(start + segment.length, range.end());
        if (from < to)
            body(segment.attributes, {from, to - from});
        start += segment.length;
    }
}

void NSAttributedString::enumerateAttribute(
    std::string_view key, NSRange range,
    const std::function<void(const std::optional<AttributeValue>&, NSRange)>& body) const
{
    if (!checkRange(range, "enumerateAttribute"))
        return;
    std::optional<AttributeValue> current;
    NSRange stretch{range.location, 0};
    enumerateAttributes(range, [&](const TextAttributes& attributes, NSRange piece) {
        auto value = find(attributes, key);
        if (stretch.length > 0 && value != current) {
            body(current, stretch);
            stretch = {piece.location, 0};
        }
        current = std::move(value);
        stretch.length += piece.length;
    });
    if (stretch.length > 0)
        body(current, stretch);
}

NSAttributedString NSAttributedString::attributedSubstring(NSRange range) const
{
    NSAttributedString part;
    if (!checkRange(range, "attributedSubstring"))
        return part;
    part.m_text = m_text.substr(range.location, range.length);
    enumerateAttributes(range, [&](const TextAttributes& attributes, NSRange piece) {
        part.m_segments.push_back({piece.length, attributes});
    });
    return part;
}

} // namespace platform
