#pragma once
// The kinds of rows a payment form is made of. The raw values are stable (0 to 18): owners
// compare them and accessibility identifiers are built from the case names.

#include <optional>
#include <string_view>

namespace tavro {

enum class CellType : int {
    none = 0,           // no kind yet
    merchantDetail = 1, // merchant or agent line: name, ID, city, network logo
    message = 2,        // informational notice
    paymentAmount = 3,  // amount entry; its model's value is normalised for the active currency
    addTip = 4,         // tip entry
    summary = 5,        // totals panel
    billNumber = 6,     // kinds 6 to 13: the request's additional-data fields
    mobileNumber = 7,
    storeID = 8,
    loyaltyNumber = 9,
    referenceID = 10,
    consumerID = 11,
    terminalID = 12,
    paymentPurpose = 13,
    optionalNote = 14,
    saveLater = 15,   // check box for saving the details
    resetButton = 16, // the "Additional Settings" heading with Reset; also the kind Reset reports
    recipientName = 17,
    koraCardNumber = 18, // card number, 16 digits
};

// The kind with that raw value; nullopt outside 0...18.
std::optional<CellType> cellTypeFromRawValue(int rawValue);

constexpr int rawValue(CellType type)
{
    return static_cast<int>(type);
}

// Whether the kind is one of the request's eight additional-data fields (billNumber to
// paymentPurpose), whose lengths count code points as the payload's do.
constexpr bool isAdditionalDataKind(CellType type)
{
    return rawValue(type) >= rawValue(CellType::billNumber) && rawValue(type) <= rawValue(CellType::paymentPurpose);
}

// The case name as written above ("billNumber", "koraCardNumber").
std::string_view caseName(CellType type);

} // namespace tavro
