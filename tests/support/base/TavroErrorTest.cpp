#include "TavroMerchantSDK/support/base/TavroError.h"

#include <gtest/gtest.h>

#include <memory>

using tavro::TavroError;

TEST(TavroError, KeepsEntriesAndJoinsEachWithALineBreak)
{
    TavroError message(std::string("Merchant name not valid"));
    EXPECT_EQ(message.errorCodes(), std::vector<std::string>{"Merchant name not valid"});
    EXPECT_EQ(message.description(), "Merchant name not valid\n");

    EXPECT_EQ(TavroError(std::vector<std::string>{"0"}).description(), "0\n");
    EXPECT_EQ(TavroError(std::vector<std::string>{}).description(), "");

    // Order and duplicates survive unchanged; the last entry gets its line break too.
    auto codes = std::make_shared<TavroError>(std::vector<std::string>{"9", "2", "9"});
    EXPECT_EQ(codes->errorCodes(), (std::vector<std::string>{"9", "2", "9"}));
    EXPECT_EQ(codes->description(), "9\n2\n9\n");

    codes->setErrorCodes({"48"});
    EXPECT_EQ(codes->description(), "48\n");
}
