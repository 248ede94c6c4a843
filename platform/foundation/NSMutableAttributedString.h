#pragma once
// NSMutableAttributedString: an attributed string that can be edited in place. Ranges count
// UTF-16 code units; a range that does not lie within the text is a misuse (one debug line, no
// change).

#include "platform/foundation/NSAttributedString.h"

namespace platform {

class NSMutableAttributedString : public NSAttributedString {
public:
    NSMutableAttributedString() = default;
    explicit NSMutableAttributedString(std::string_view text, TextAttributes attributes = {})
        : NSAttributedString(text, std::move(attributes))
    {
    }
    explicit NSMutableAttributedString(const NSAttributedString& other) : NSAttributedString(other) {}

    // Replaces the characters in `range` by `text`, which takes the attributes of the first
    // replaced character, or for an empty range those of the character before (else after) it.
    void replaceCharacters(NSRange range, std::string_view text);
    void replaceCharacters(NSRange range, const NSAttributedString& text);
    void insert(const NSAttributedString& text, std::size_t index);
    void append(const NSAttributedString& text);
    void deleteCharacters(NSRange range);
    void setAttributedString(const NSAttributedString& text);

    // Replaces all attributes over `range`.
    void setAttributes(TextAttributes attributes, NSRange range);
    // Adds (or replaces) one attribute over `range`, keeping the others.
    void addAttribute(const std::string& key, AttributeValue value, NSRange range);
    void addAttributes(const TextAttributes& attributes, NSRange range);
    void removeAttribute(std::string_view key, NSRange range);

private:
    // Applies `change` to the attributes of every segment within `range`.
    void changeAttributes(NSRange range, const char* operation, const std::function<void(TextAttributes&)>& change);
};

} // namespace platform
