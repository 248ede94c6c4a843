#include "TavroMerchantSDK/Common/CellView/CellType.h"

#include <array>

namespace tavro {

namespace {

constexpr std::array<std::string_view, 19> kCaseNames = {
    "none",        "merchantDetail", "message",       "paymentAmount",  "addTip",
    "summary",     "billNumber",     "mobileNumber",  "storeID",        "loyaltyNumber",
    "referenceID", "consumerID",     "terminalID",    "paymentPurpose", "optionalNote",
    "saveLater",   "resetButton",    "recipientName", "koraCardNumber",
};

} // namespace

std::optional<CellType> cellTypeFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue >= static_cast<int>(kCaseNames.size()))
        return std::nullopt;
    return static_cast<CellType>(rawValue);
}

std::string_view caseName(CellType type)
{
    const auto index = static_cast<std::size_t>(rawValue(type));
    return index < kCaseNames.size() ? kCaseNames[index] : std::string_view();
}

} // namespace tavro
