#pragma once
// The tags of the legacy compact payload dialect. Raw values are one-character texts, matched
// exactly and case-sensitively.

#include <optional>
#include <string_view>

namespace tavro {

enum class PayMerchantValidTLV00 : char {
    MerchantID = '0',
    MerchantName = '1',
    MerchantCategoryCode = '2',
    CityName = '3',
    CountryCode = '4',
    CurrencyCode = '5',
    TransactionAmount = '6',
    PrimaryID = '7',
    SecondaryID = '8',
    TipAndFeeIndicator = '9',
    ConvenienceFeeAmount = 'A',
    ConvenienceFeePercentage = 'B',
};

// The case whose raw value is exactly `rawValue`; nullopt for anything else (lower case included).
constexpr std::optional<PayMerchantValidTLV00> payMerchantValidTLV00(std::string_view rawValue)
{
    if (rawValue.size() != 1) {
        return std::nullopt;
    }
    const char c = rawValue[0];
    if ((c >= '0' && c <= '9') || c == 'A' || c == 'B') {
        return static_cast<PayMerchantValidTLV00>(c);
    }
    return std::nullopt;
}

} // namespace tavro
