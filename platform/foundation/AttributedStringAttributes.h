#pragma once
// Attributes of attributed strings: well-known keys and a small value type.
//
// Fonts and colours belong to the graphics layer, which sits above this one; they are held here
// as shared handles to the forward-declared types and compared by identity.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace platform {

class UIFont;
class UIColor;

struct NSAttributedStringKey {
    static inline const std::string font{"NSFont"};                       // UIFont
    static inline const std::string foregroundColor{"NSColor"};           // UIColor
    static inline const std::string backgroundColor{"NSBackgroundColor"}; // UIColor
    static inline const std::string kern{"NSKern"};                       // number, points
    static inline const std::string underlineStyle{"NSUnderline"};        // NSUnderlineStyle as integer
};

enum class NSUnderlineStyle : std::int64_t { none = 0, single = 1, thick = 2, double_ = 9 };

class AttributeValue {
public:
    AttributeValue(std::int64_t integer) : m_value(integer) {}
    AttributeValue(int integer) : m_value(static_cast<std::int64_t>(integer)) {}
    AttributeValue(double number) : m_value(number) {}
    AttributeValue(std::string text) : m_value(std::move(text)) {}
    AttributeValue(const char* text) : m_value(std::string(text)) {}
    AttributeValue(NSUnderlineStyle style) : m_value(static_cast<std::int64_t>(style)) {}
    AttributeValue(std::shared_ptr<const UIFont> font) : m_value(std::move(font)) {}
    AttributeValue(std::shared_ptr<const UIColor> color) : m_value(std::move(color)) {}
    AttributeValue(std::shared_ptr<UIFont> font) : m_value(std::shared_ptr<const UIFont>(std::move(font))) {}
    AttributeValue(std::shared_ptr<UIColor> color) : m_value(std::shared_ptr<const UIColor>(std::move(color))) {}
    // Any other object, by identity.
    static AttributeValue object(std::shared_ptr<const void> object)
    {
        AttributeValue value(std::int64_t{0});
        value.m_value = std::move(object);
        return value;
    }

    std::optional<std::int64_t> asInteger() const; // integers only
    std::optional<double> asNumber() const;        // integers and doubles
    const std::string* asString() const { return std::get_if<std::string>(&m_value); }
    std::shared_ptr<const UIFont> asFont() const;
    std::shared_ptr<const UIColor> asColor() const;
    std::shared_ptr<const void> asObject() const;

    bool operator==(const AttributeValue&) const = default;

private:
    std::variant<std::int64_t, double, std::string, std::shared_ptr<const UIFont>, std::shared_ptr<const UIColor>,
                 std::shared_ptr<const void>>
        m_value;
};

inline std::optional<std::int64_t> AttributeValue::asInteger() const
{
    if (auto integer = std::get_if<std::int64_t>(&m_value))
        return *integer;
    return std::nullopt;
}

inline std::optional<double> AttributeValue::asNumber() const
{
    if (auto integer = std::get_if<std::int64_t>(&m_value))
        return static_cast<double>(*integer);
    if (auto number = std::get_if<double>(&m_value))
        return *number;
    return std::nullopt;
}

inline std::shared_ptr<const UIFont> AttributeValue::asFont() const
{
    auto font = std::get_if<std::shared_ptr<const UIFont>>(&m_value);
    return font ? *font : nullptr;
}

inline std::shared_ptr<const UIColor> AttributeValue::asColor() const
{
    auto color = std::get_if<std::shared_ptr<const UIColor>>(&m_value);
    return color ? *color : nullptr;
}

inline std::shared_ptr<const void> AttributeValue::asObject() const
{
    auto object = std::get_if<std::shared_ptr<const void>>(&m_value);
    return object ? *object : nullptr;
}

// Attributes of one run, by key.
using TextAttributes = std::map<std::string, AttributeValue, std::less<>>;

} // namespace platform
