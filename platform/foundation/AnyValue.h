#pragma once
// AnyValue: the dynamic value of tag dictionaries and JSON-like data
// (null, bool, integer, double, text, array, dictionary). Integers and doubles stay apart.
// Dictionaries are ordered by key so iteration is deterministic.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

class AnyValue {
public:
    using Array = std::vector<AnyValue>;
    using Dictionary = std::map<std::string, AnyValue, std::less<>>;
    enum class Kind { Null, Bool, Integer, Double, String, Array, Dictionary };

    AnyValue() = default;
    AnyValue(std::nullptr_t) {}
    AnyValue(bool v) : m_value(v) {}
    AnyValue(int v) : m_value(static_cast<std::int64_t>(v)) {}
    AnyValue(std::int64_t v) : m_value(v) {}
    AnyValue(double v) : m_value(v) {}
    AnyValue(const char* v) : m_value(std::string(v)) {}
    AnyValue(std::string v) : m_value(std::move(v)) {}
    AnyValue(Array v) : m_value(std::move(v)) {}
    AnyValue(Dictionary v) : m_value(std::move(v)) {}

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isBool() const { return kind() == Kind::Bool; }
    bool isInteger() const { return kind() == Kind::Integer; }
    bool isDouble() const { return kind() == Kind::Double; }
    bool isNumber() const { return isInteger() || isDouble(); }
    bool isString() const { return kind() == Kind::String; }
    bool isArray() const { return kind() == Kind::Array; }
    bool isDictionary() const { return kind() == Kind::Dictionary; }

    // Typed reads: nullptr / nullopt when the value is of another kind.
    const std::string* asString() const { return std::get_if<std::string>(&m_value); }
    const Array* asArray() const { return std::get_if<Array>(&m_value); }
    const Dictionary* asDictionary() const { return std::get_if<Dictionary>(&m_value); }
    Array* asArray() { return std::get_if<Array>(&m_value); }
    Dictionary* asDictionary() { return std::get_if<Dictionary>(&m_value); }
    std::optional<bool> asBool() const;
    std::optional<std::int64_t> asInteger() const; // integers only
    std::optional<double> asDouble() const;        // integers and doubles

    bool operator==(const AnyValue& other) const = default;

private:
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Array, Dictionary> m_value;
};

} // namespace platform
