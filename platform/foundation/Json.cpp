#include "platform/foundation/Json.h"

#include <nlohmann/json.hpp>

namespace platform {

namespace {

using Json = nlohmann::json;

// Deepest array/object nesting of the text (strings skipped), stopping once past `limit`.
std::size_t nestingDepth(std::string_view text, std::size_t limit)
{
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size() && deepest <= limit; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

AnyValue fromJson(const Json& json)
{
    switch (json.type()) {
    case Json::value_t::boolean: return AnyValue(json.get<bool>());
    case Json::value_t::number_integer: return AnyValue(json.get<std::int64_t>());
    case Json::value_t::number_unsigned: {
        const auto value = json.get<std::uint64_t>();
        if (value <= static_cast<std::uint64_t>(INT64_MAX)) {
            return AnyValue(static_cast<std::int64_t>(value));
        }
        return AnyValue(static_cast<double>(value));
    }
    case Json::value_t::number_float: return AnyValue(json.get<double>());
    case Json::value_t::string: return AnyValue(json.get<std::string>());
    case Json::value_t::array: {
        AnyValue::Array array;
        array.reserve(json.size());
        for (const Json& element : json) {
            array.push_back(fromJson(element));
        }
        return AnyValue(std::move(array));
    }
    case Json::value_t::object: {
        AnyValue::Dictionary dictionary;
        for (const auto& [key, element] : json.items()) {
            dictionary.insert_or_assign(key, fromJson(element));
        }
        return AnyValue(std::move(dictionary));
    }
    default: return AnyValue();
    }
}

Json toJsonValue(const AnyValue& value)
{
    switch (value.kind()) {
    case AnyValue::Kind::Null: return Json(nullptr);
    case AnyValue::Kind::Bool: return Json(*value.asBool());
    case AnyValue::Kind::Integer: return Json(*value.asInteger());
    case AnyValue::Kind::Double: return Json(*value.asDouble());
    case AnyValue::Kind::String: return Json(*value.asString());
    case AnyValue::Kind::Array: {
        Json array = Json::array();
        for (const AnyValue& element : *value.asArray()) {
            array.push_back(toJsonValue(element));
        }
        return array;
    }
    case AnyValue::Kind::Dictionary: {
        Json object = Json::object();
        for (const auto& [key, element] : *value.asDictionary()) {
            object[key] = toJsonValue(element);
        }
        return object;
    }
    }
    return Json(nullptr);
}

} // namespace

std::optional<AnyValue> parseJson(std::string_view text)
{
    // The parser takes a NUL byte for the end of the input; JSON text never holds one.
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    if (nestingDepth(text, kMaxJsonDepth) > kMaxJsonDepth) {
        return std::nullopt;
    }
    Json json = Json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded()) {
        return std::nullopt;
    }
    return fromJson(json);
}

bool nestsDeeperThan(const AnyValue& value, std::size_t limit)
{
    const AnyValue::Array* array = value.asArray();
    const AnyValue::Dictionary* dictionary = value.asDictionary();
    if (!array && !dictionary) {
        return false;
    }
    if (limit == 0) {
        return true;
    }
    if (array) {
        for (const AnyValue& element : *array) {
            if (nestsDeeperThan(element, limit - 1)) {
                return true;
            }
        }
    } else {
        for (const auto& entry : *dictionary) {
            if (nestsDeeperThan(entry.second, limit - 1)) {
                return true;
            }
        }
    }
    return false;
}

std::string toJson(const AnyValue& value, bool pretty)
{
    try {
        return toJsonValue(value).dump(pretty ? 4 : -1, ' ', false, Json::error_handler_t::replace);
    } catch (...) {
        // Only allocation failure can get here.
        return "null";
    }
}

} // namespace platform
