#include "platform/foundation/AnyValue.h"

namespace platform {

std::optional<bool> AnyValue::asBool() const
{
    if (const bool* value = std::get_if<bool>(&m_value)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<std::int64_t> AnyValue::asInteger() const
{
    if (const std::int64_t* value = std::get_if<std::int64_t>(&m_value)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<double> AnyValue::asDouble() const
{
    if (const double* value = std::get_if<double>(&m_value)) {
        return *value;
    }
    if (const std::int64_t* value = std::get_if<std::int64_t>(&m_value)) {
        return static_cast<double>(*value);
    }
    return std::nullopt;
}

} // namespace platform
