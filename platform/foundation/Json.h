#pragma once
// JSON text <-> AnyValue. Integers stay integers and numbers with a fraction or exponent stay
// doubles, both ways. Nothing throws.

#include "platform/foundation/AnyValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Deepest nesting of arrays and objects parseJson() accepts.
constexpr std::size_t kMaxJsonDepth = 256;

// The value of a JSON document; nullopt for invalid JSON (including ill-formed UTF-8, trailing
// data even after a NUL byte, or nesting deeper than kMaxJsonDepth). Integers beyond 64 bits
// become doubles.
std::optional<AnyValue> parseJson(std::string_view text);

// Whether `value` nests arrays and dictionaries more than `limit` deep (a scalar is depth 0, an
// empty array 1). Looks no deeper than limit + 1 levels, so any value is safe to test.
bool nestsDeeperThan(const AnyValue& value, std::size_t limit);

// JSON text for `value`; `pretty` indents by four spaces. Doubles always carry a fraction or
// exponent ("1.0"); NaN and infinities are written as null; ill-formed UTF-8 in text becomes
// U+FFFD.
std::string toJson(const AnyValue& value, bool pretty = false);

} // namespace platform
