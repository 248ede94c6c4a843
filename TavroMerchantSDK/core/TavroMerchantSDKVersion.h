#pragma once
// The framework's version.

namespace tavro {

inline constexpr double TavroMerchantSDKVersionNumber = 1.0;
inline constexpr const char TavroMerchantSDKVersionString[] = "1.0";

} // namespace tavro
