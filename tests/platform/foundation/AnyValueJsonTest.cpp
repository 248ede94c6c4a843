#include "platform/foundation/AnyValue.h"
#include "platform/foundation/Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using platform::AnyValue;
using platform::parseJson;
using platform::toJson;

TEST(AnyValue, KindsAndTypedReads)
{
    EXPECT_TRUE(AnyValue().isNull());
    EXPECT_TRUE(AnyValue(nullptr).isNull());
    EXPECT_EQ(AnyValue(true).asBool(), true);
    EXPECT_EQ(AnyValue(7).kind(), AnyValue::Kind::Integer);
    EXPECT_EQ(AnyValue(std::int64_t{1} << 40).asInteger(), std::int64_t{1} << 40);
    EXPECT_EQ(AnyValue("text").kind(), AnyValue::Kind::String);
    EXPECT_EQ(*AnyValue(std::string("t")).asString(), "t");

    // Integers read as doubles, but doubles never as integers.
    EXPECT_EQ(AnyValue(3).asDouble(), 3.0);
    EXPECT_EQ(AnyValue(3.0).asInteger(), std::nullopt);
    EXPECT_TRUE(AnyValue(3.0).isNumber());
    EXPECT_NE(AnyValue(3), AnyValue(3.0));

    // Reads of another kind give nothing.
    const AnyValue text("1");
    EXPECT_EQ(text.asInteger(), std::nullopt);
    EXPECT_EQ(text.asDouble(), std::nullopt);
    EXPECT_EQ(text.asBool(), std::nullopt);
    EXPECT_EQ(text.asArray(), nullptr);
    EXPECT_EQ(text.asDictionary(), nullptr);
    EXPECT_EQ(AnyValue(1).asString(), nullptr);
    EXPECT_EQ(AnyValue(false).asInteger(), std::nullopt);

    AnyValue dictionary(AnyValue::Dictionary{{"b", 1}, {"a", "x"}});
    ASSERT_TRUE(dictionary.asDictionary());
    (*dictionary.asDictionary())["c"] = AnyValue::Array{1, 2.5, nullptr};
    EXPECT_EQ(dictionary.asDictionary()->begin()->first, "a"); // ordered by key
    EXPECT_EQ(dictionary.asDictionary()->size(), 3u);
}

TEST(Json, IntegersAndDoublesStayApartBothWays)
{
    const auto parsed = parseJson(R"({"int": 1, "double": 1.0, "exp": 1e2, "neg": -5,
                                      "big": 9223372036854775807, "small": -9223372036854775808})");
    ASSERT_TRUE(parsed);
    const auto& object = *parsed->asDictionary();
    EXPECT_EQ(object.at("int"), AnyValue(1));
    EXPECT_EQ(object.at("double"), AnyValue(1.0));
    EXPECT_EQ(object.at("exp"), AnyValue(100.0));
    EXPECT_EQ(object.at("neg"), AnyValue(-5));
    EXPECT_EQ(object.at("big").asInteger(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(object.at("small").asInteger(), std::numeric_limits<std::int64_t>::min());

    EXPECT_EQ(toJson(AnyValue(1)), "1");
    EXPECT_EQ(toJson(AnyValue(1.0)), "1.0");
    EXPECT_EQ(toJson(AnyValue(0.1)), "0.1");
    EXPECT_EQ(parseJson(toJson(AnyValue(1.0))), AnyValue(1.0));
    EXPECT_EQ(parseJson(toJson(AnyValue(0.1))), AnyValue(0.1));

    // Beyond 64 bits a number can only be a double.
    const auto huge = parseJson("18446744073709551615");
    ASSERT_TRUE(huge);
    EXPECT_TRUE(huge->isDouble());
}

TEST(Json, RoundTripsNestedValues)
{
    const AnyValue value(AnyValue::Dictionary{
        {"name", "Caf\u00E9 \"Le Coin\"\n"},
        {"amount", 12.5},
        {"count", 3},
        {"flags", AnyValue::Array{true, false, nullptr}},
        {"nested", AnyValue::Dictionary{{"empty", AnyValue::Array{}}, {"none", AnyValue::Dictionary{}}}},
    });
    for (bool pretty : {false, true}) {
        const std::string text = toJson(value, pretty);
        EXPECT_EQ(text.find('\n') != std::string::npos, pretty);
        EXPECT_EQ(parseJson(text), value) << text;
    }
    EXPECT_EQ(toJson(AnyValue::Dictionary{{"b", 2}, {"a", 1}}), R"({"a":1,"b":2})");
    EXPECT_EQ(toJson(AnyValue()), "null");
}

TEST(Json, InvalidInputGivesNothing)
{
    for (const char* bad :
         {"", " ", "{", "[1,]", "{\"a\" 1}", "01", "1.", ".5", "NaN", "Infinity", "'single'", "[1] [2]", "{\"a\":1}x",
          "\"unterminated", "\"\xFF\"", "\"\xC0\xAF\"", "// comment\n1", "tru", "\"\\u12\""}) {
        EXPECT_EQ(parseJson(bad), std::nullopt) << bad;
    }
    // Absurd nesting is refused rather than exhausting the stack.
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_EQ(parseJson(deep), std::nullopt);
    const std::string fine = std::string(100, '[') + std::string(100, ']');
    EXPECT_TRUE(parseJson(fine));
    // Brackets inside strings do not count as nesting.
    EXPECT_TRUE(parseJson("\"" + std::string(1000, '[') + "\\\"\""));
}

TEST(Json, WritingNeverFails)
{
    EXPECT_EQ(toJson(AnyValue(std::numeric_limits<double>::quiet_NaN())), "null");
    EXPECT_EQ(toJson(AnyValue(std::numeric_limits<double>::infinity())), "null");
    EXPECT_EQ(toJson(AnyValue(std::string("a\xFF"))), "\"a\xEF\xBF\xBD\"");
    EXPECT_EQ(toJson(AnyValue(std::string("\x01"))), R"("\u0001")");
    EXPECT_EQ(toJson(AnyValue("\u00E9")), "\"\u00E9\"");
}
