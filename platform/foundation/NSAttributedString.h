#pragma once
// NSAttributedString: text with attributes over runs of it. Positions and ranges count UTF-16
// code units; every character has exactly one set of attributes (possibly empty), and adjacent
// runs with equal attributes are kept merged. A value type: copies are independent.

#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/foundation/NSRange.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Options for measuring drawn text (platform/graphics/TextMeasurement.h measures).
enum NSStringDrawingOptions : unsigned {
    NSStringDrawingUsesLineFragmentOrigin = 1,
    NSStringDrawingUsesFontLeading = 2,
    NSStringDrawingUsesDeviceMetrics = 8,
};

struct TextSize {
    double width = 0;
    double height = 0;
    bool operator==(const TextSize&) const = default;
};

class NSAttributedString {
public:
    using Key = NSAttributedStringKey;

    struct Run {
        NSRange range;
        TextAttributes attributes;
    };

    NSAttributedString() = default;
    // `text` is UTF-8; the attributes cover all of it.
    explicit NSAttributedString(std::string_view text, TextAttributes attributes = {});

    // The text as UTF-8 (an unpaired surrogate left by a range edit reads as U+FFFD).
    std::string string() const;
    const std::u16string& utf16() const { return m_text; }
    // Length in UTF-16 code units.
    std::size_t length() const { return m_text.size(); }

    // Attributes of the character at `index` (< length()); `effectiveRange` receives the run
    // with those attributes. An index out of range is a misuse: one debug line, no attributes.
    TextAttributes attributes(std::size_t index, NSRange* effectiveRange = nullptr) const;
    // One attribute at `index`; `effectiveRange` receives the longest range around it where that
    // attribute has the same value (or is absent throughout).
    std::optional<AttributeValue> attribute(std::string_view key, std::size_t index,
                                            NSRange* effectiveRange = nullptr) const;

    // The runs, in order, covering the whole text.
    std::vector<Run> runs() const;
    // Calls `body` for each run clipped to `range`, in order.
    void enumerateAttributes(NSRange range, const std::function<void(const TextAttributes&, NSRange)>& body) const;
    // Calls `body` for each stretch of `range` where `key` has one value (or is absent).
    void enumerateAttribute(std::string_view key, NSRange range,
                            const std::function<void(const std::optional<AttributeValue>&, NSRange)>& body) const;

    // The part of the text in `range` with its attributes; an out-of-range range is a misuse (one
    // debug line, empty result).
    NSAttributedString attributedSubstring(NSRange range) const;

    bool operator==(const NSAttributedString&) const = default;

protected:
    struct Segment {
        std::size_t length = 0;
        TextAttributes attributes;
        bool operator==(const Segment&) const = default;
    };

    // Index of the segment that starts at `index` (< length()), splitting one if needed;
    // m_segments.size() when index == length().
    std::size_t splitAt(std::size_t index);
    // Joins neighbours with equal attributes and drops empty segments.
    void normalize();
    // Index of the segment holding `index` (< length()) and the start of that segment.
    std::pair<std::size_t, std::size_t> segmentAt(std::size_t index) const;
    bool checkRange(NSRange range, const char* operation) const;

    std::u16string m_text;
    std::vector<Segment> m_segments;
};

} // namespace platform
