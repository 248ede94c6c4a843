#include "TavroMerchantSDK/payload/PayloadFraming.h"

#include <gtest/gtest.h>

TEST(PayloadFraming, RemovesTopLevelEntriesOnlyFromWholeEntries)
{
    using tavro::payloadframing::droppingLastCodePoints;
    using tavro::payloadframing::removingTopLevelEntries;
    EXPECT_EQ(removingTopLevelEntries("00020154022562090105INV425303356", {"54", "62"}), "0002015303356");
    // "62" inside a value is not an entry of its own.
    EXPECT_EQ(removingTopLevelEntries("590462046004Pune", {"62"}), "590462046004Pune");
    // Text that is not a run of whole entries is left to the caller: nothing is removed.
    EXPECT_EQ(removingTopLevelEntries("000201549912", {"54"}), std::nullopt);
    EXPECT_EQ(removingTopLevelEntries("0002015x", {"54"}), std::nullopt);
    EXPECT_EQ(removingTopLevelEntries("", {"54"}), "");

    EXPECT_EQ(droppingLastCodePoints("6304ABCD", 8), "");
    EXPECT_EQ(droppingLastCodePoints("\u00E9\u00E96304ABCD", 8), "\u00E9\u00E9");
}
