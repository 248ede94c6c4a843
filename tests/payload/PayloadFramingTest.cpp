#include "TavroMerchantSDK/payload/PayloadFraming.h"

#include <gtest/gtest.h>

TEST(PayloadFraming, RemovesTopLevelEntriesOnlyFromWholeEntries)
{
    using tavro::payloadframing::removingTopLevelEntries;
    EXPECT_EQ(removingTopLevelEntries("00020154022562090105INV425303356", {"54", "62"}), "0002015303356");
    // "62" inside a value is not an entry of its own.
    EXPECT_EQ(removingTopLevelEntries("590462046004Pune", {"62"}), "590462046004Pune");
    // Text that is not a run of whole entries is left to the caller: nothing is removed.
    EXPECT_EQ(removingTopLevelEntries("000201549912", {"54"}), std::nullopt);
    EXPECT_EQ(removingTopLevelEntries("0002015x", {"54"}), std::nullopt);
    EXPECT_EQ(removingTopLevelEntries("", {"54"}), "");

    using tavro::payloadframing::entriesBeforeChecksumEntry;
    EXPECT_EQ(entriesBeforeChecksumEntry("0002015303356630442AB"), "0002015303356");
    EXPECT_EQ(entriesBeforeChecksumEntry("59046304630442AB"), "59046304"); // "6304" in a value closes nothing
    EXPECT_EQ(entriesBeforeChecksumEntry("630442AB000201"), std::nullopt); // not the last entry
}
