#include "TavroMerchantSDK/payload/QRCodeError.h"
#include "TavroMerchantSDK/payload/QRError.h"
#include "platform/foundation/Json.h"

#include <gtest/gtest.h>

using platform::AnyValue;
using tavro::QRCodeError;
using tavro::QRError;

namespace {

AnyValue parsed(const std::string& json)
{
    const auto value = platform::parseJson(json);
    EXPECT_TRUE(value.has_value()) << json;
    return value.value_or(AnyValue{});
}

AnyValue expectedJson(AnyValue::Array codes)
{
    return AnyValue::Dictionary{{"qrCodeError", std::move(codes)}, {"qrCodeData", AnyValue::Dictionary{}}};
}

} // namespace

TEST(QRCodeErrorTest, DescriptionAndJson)
{
    QRCodeError error({"6", "48"});
    EXPECT_EQ(error.description(), "6 48 ");
    const std::string json = error.getJSONOutput();
    EXPECT_NE(json.find('\n'), std::string::npos); // pretty-printed
    EXPECT_EQ(parsed(json), expectedJson({AnyValue(6), AnyValue(48)}));

    QRCodeError empty({});
    EXPECT_EQ(empty.description(), "");
    EXPECT_EQ(parsed(empty.getJSONOutput()), expectedJson({}));

    QRCodeError zero({"0", "05", "+7", "-3"});
    EXPECT_EQ(zero.description(), "0 05 +7 -3 ");
    EXPECT_EQ(parsed(zero.getJSONOutput()), expectedJson({AnyValue(0), AnyValue(5), AnyValue(7), AnyValue(-3)}));

    // Replacing the codes shows in the next reads.
    error.setErrorCodes({"", "1"});
    EXPECT_EQ(error.description(), " 1 ");
}

TEST(QRCodeErrorTest, CodesThatAreNotIntegersGiveEmptyJson)
{
    for (const char* code : {"", "abc", "4x", " 4", "1.5", "99999999999999999999", "\xFF"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(QRCodeError({"1", code}).getJSONOutput(), "");
    }
}

TEST(QRErrorTest, DictionaryOutputFollowsTheFields)
{
    QRError error("48", "Checksum mismatch");
    EXPECT_EQ(error.dictionaryOutput(),
              (AnyValue::Dictionary{{"errorCode", "48"}, {"errorDescription", "Checksum mismatch"}}));
    error.setErrorCode("49");
    error.setErrorDescription("");
    EXPECT_EQ(error.dictionaryOutput(), (AnyValue::Dictionary{{"errorCode", "49"}, {"errorDescription", ""}}));
}
