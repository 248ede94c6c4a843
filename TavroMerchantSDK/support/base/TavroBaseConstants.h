#pragma once
// Base constants shared by the payload validator, the request checks and the session.

#include <string>

namespace tavro {

struct TavroBaseConstants {
    TavroBaseConstants() = delete;

    // The decimal separator looked for in amount texts.
    static inline const std::string periodCharacter = ".";
    // ISO 4217 numeric code of the default transaction currency (Indian rupee).
    static inline const std::string defaultTransactionCurrency = "356";
};

} // namespace tavro
