#include "TavroMerchantSDK/support/base/ISORegionCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tavro;

// The region-code lookup agrees with the published list for every two-byte text, so the edges of
// its letter ranges (the bytes around 'A' and 'Z', lower case, high bytes) are all covered.
TEST(ISORegionCodeLookup, AgreesWithTheListForEveryTwoByteText)
{
    const auto codes = isoRegionCodes();
    std::size_t found = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string code{static_cast<char>(first), static_cast<char>(second)};
            const bool listed = std::find(codes.begin(), codes.end(), code) != codes.end();
            ASSERT_EQ(isISORegionCode(code), listed) << first << " " << second;
            found += listed ? 1 : 0;
        }
    }
    EXPECT_EQ(found, codes.size());
    EXPECT_FALSE(isISORegionCode("INX"));
    EXPECT_FALSE(isISORegionCode("I"));
}
