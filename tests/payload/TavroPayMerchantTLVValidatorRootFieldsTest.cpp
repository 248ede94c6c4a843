#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Text = std::optional<std::string>;

namespace {

// Runs one rule on a fresh validator and returns what it reported.
Codes run(const std::function<void(TavroPayMerchantTLVValidator&)>& rule)
{
    TavroPayMerchantTLVValidator validator;
    rule(validator);
    return validator.errorCodes();
}

struct Case {
    Text input;
    Codes expected;
};

void expectRule(void (TavroPayMerchantTLVValidator::*rule)(const Text&), const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        EXPECT_EQ(run([&](auto& v) { (v.*rule)(c.input); }), c.expected) << "input: " << c.input.value_or("<absent>");
    }
}

const std::string kDecomposedE = "e\xCC\x81"; // e + U+0301

} // namespace

TEST(ValidatorRootFields, PayloadFormatIndicatorReportsEachCodeOnce)
{
    expectRule(&TavroPayMerchantTLVValidator::validatePayloadFormatIndicator,
               {
                   {std::nullopt, {}},
                   {"01", {}},
                   {"02", {"42"}},
                   {"001", {"41"}},
                   {"AB", {"42"}}, // two tests report 42, it is listed once
                   {"A", {"41", "42"}},
                   {"", {"41"}},
               });
}

TEST(ValidatorRootFields, MerchantIdTestsRunInOrderAndAllReport)
{
    TavroPayMerchantTLVValidator absent;
    EXPECT_TRUE(absent.validateMerchantID(std::nullopt));
    EXPECT_TRUE(absent.errorCodes().empty());

    TavroPayMerchantTLVValidator valid;
    EXPECT_TRUE(valid.validateMerchantID("4111111111111111"));
    EXPECT_TRUE(valid.errorCodes().empty());

    TavroPayMerchantTLVValidator empty;
    EXPECT_FALSE(empty.validateMerchantID(""));
    EXPECT_EQ(empty.errorCodes(), (Codes{"2", "4"}));

    struct IdCase {
        std::string id;
        Codes expected;
    };
    const IdCase cases[] = {
        {"5555555555554444", {"1"}},       // valid Luhn, wrong first digit
        {"41111111111111113", {"2"}},      // 17 digits passing the Luhn test
        {"41111111111111111", {"2", "3"}}, // 17 digits failing it
        {"4111111111111112", {"3"}},       // wrong check digit
        {"411111111111111A", {"4", "3"}},  // a letter takes its position in the Luhn test
        {"4A00000000000002", {"4"}},       // ... and adds nothing
        {"+4111111111111111", {"1", "2"}}, // a sign still reads as a number
        {"-4111111111111111", {"1", "2", "4"}},
        {"99999999999999999999", {"1", "2", "4"}}, // beyond 64 bits
        {"18446744073709551615", {"1", "2", "3"}}, // 2^64 - 1 still reads
    };
    for (const IdCase& c : cases)
        EXPECT_EQ(run([&](auto& v) { v.validateMerchantID(c.id); }), c.expected) << c.id;

    // A 9-digit ID is padded after its sixth digit before the Luhn test: 411111 0000000 111.
    EXPECT_EQ(run([](auto& v) { v.validateMerchantID("411111111"); }), Codes{"3"});
    EXPECT_EQ(run([](auto& v) { v.validateMerchantID("411111112"); }), Codes{});
}

TEST(ValidatorRootFields, MerchantIdFormatReadsAnyUnsigned64BitValue)
{
    auto readsAsNumber = [](const std::string& id) {
        const Codes codes = run([&](auto& v) { v.validateMerchantID(id); });
        return std::find(codes.begin(), codes.end(), "4") == codes.end();
    };
    const std::string zeros(30, '0');
    for (const std::string& id :
         std::vector<std::string>{"18446744073709551615", "+18446744073709551615", zeros + "18446744073709551615",
                                  "9999999999999999999", "0", "+0", "-0", "-" + zeros, zeros + "1"})
        EXPECT_TRUE(readsAsNumber(id)) << id;
    for (const std::string& id :
         std::vector<std::string>{"18446744073709551616", "18446744073709551625", "18446744073709552615",
                                  "28446744073709551615", "100000000000000000000", zeros + "18446744073709551616", "-1",
                                  "-" + zeros + "1", "+", "-", "", "+-1", "1844674407370955161x", "1 "})
        EXPECT_FALSE(readsAsNumber(id)) << id;
}

TEST(ValidatorRootFields, MerchantIdConversionPadsAfterTheSixthCharacter)
{
    using V = TavroPayMerchantTLVValidator;
    EXPECT_EQ(V::convertMerchantIdToPan("123456"), "123456");
    EXPECT_EQ(V::convertMerchantIdToPan("1234567"), "1234560000000007");
    EXPECT_EQ(V::convertMerchantIdToPan("12345678"), "1234560000000078");
    EXPECT_EQ(V::convertMerchantIdToPan("123456789"), "1234560000000789");
    EXPECT_EQ(V::convertMerchantIdToPan("123456789012345"), "123456078901234"
                                                            "5");
    EXPECT_EQ(V::convertMerchantIdToPan("1234567890123456"), "1234567890123456");
    EXPECT_EQ(V::convertMerchantIdToPan("12345678901234567"), "12345678901234567");
    EXPECT_EQ(V::convertMerchantIdToPan(""), "");
    for (const std::string id : {"1234567", "123456789012345"})
        EXPECT_EQ(V::convertMerchantIdToPan(id).size(), 16u);
    // Counted in code points: a combining mark is a position of its own.
    EXPECT_EQ(V::convertMerchantIdToPan("12345" + kDecomposedE + "9"), "12345e"
                                                                       "00000000"
                                                                       "\xCC\x81"
                                                                       "9");
}

TEST(ValidatorRootFields, LuhnCheck)
{
    using V = TavroPayMerchantTLVValidator;
    EXPECT_TRUE(V::luhnsAlgorithmCheck(""));
    EXPECT_TRUE(V::luhnsAlgorithmCheck("79927398713"));
    for (char last = '0'; last <= '9'; ++last)
        EXPECT_EQ(V::luhnsAlgorithmCheck(std::string("7992739871") + last), last == '3') << last;
    EXPECT_TRUE(V::luhnsAlgorithmCheck("4111111111111111"));
    // A non-digit adds nothing but shifts the positions of the characters before it.
    EXPECT_TRUE(V::luhnsAlgorithmCheck("18"));   // 1*2 + 8 = 10
    EXPECT_FALSE(V::luhnsAlgorithmCheck("1x8")); // 1 + 8 = 9
    EXPECT_TRUE(V::luhnsAlgorithmCheck("x18"));

    // ASCII text and text with a non-ASCII character agree: the character counts as a non-digit.
    std::string digits;
    for (int length = 0; length < 24; ++length) {
        for (const std::string& prefix : {std::string("x"), std::string("xy")}) {
            const std::string wide = prefix.size() == 1 ? "\xC3\xA9" : "\xC3\xA9\xE0\xA5\xA7";
            EXPECT_EQ(V::luhnsAlgorithmCheck(prefix + digits), V::luhnsAlgorithmCheck(wide + digits)) << digits;
            EXPECT_EQ(V::luhnsAlgorithmCheck(digits + prefix), V::luhnsAlgorithmCheck(digits + wide)) << digits;
        }
        digits += static_cast<char>('0' + (length * 7 + 3) % 10);
    }
}

TEST(ValidatorRootFields, CategoryCurrencyAndCountry)
{
    expectRule(&TavroPayMerchantTLVValidator::validateMerchantCategoryCode,
               {
                   {std::nullopt, {"9"}},
                   {"5411", {}},
                   {"541", {"8"}},
                   {"54111", {"8"}},
                   {"54A1", {"8"}},
                   {"\xD9\xA5\xD9\xA4\xD9\xA1\xD9\xA1", {}}, // Arabic-Indic digits 5411
                   {"54\xD9\xA1\xD9\xA1", {}},               // ... mixed with ASCII digits
                   {"54\xD9\xA1\xC3\xA9", {"8"}},
                   {"", {"8"}},
               });
    expectRule(&TavroPayMerchantTLVValidator::validateCurrencyCode,
               {
                   {std::nullopt, {"15"}},
                   {"356", {}},
                   {"840", {}},
                   {"036", {}}, // looked up by value
                   {"008", {}},
                   {"999", {}},
                   {"933", {"14"}}, // not in the currency map
                   {"000", {"14"}},
                   {"36", {"14"}},
                   {"USD", {"14"}},
                   {"+36", {"14"}},
                   {"\xD9\xA3\xD9\xA5\xD9\xA6", {"14"}}, // Arabic-Indic 356: no numeric value
                   {"", {"14"}},
               });
    expectRule(&TavroPayMerchantTLVValidator::validateCountryCode, {
                                                                       {std::nullopt, {"13"}},
                                                                       {"IN", {}},
                                                                       {"US", {}},
                                                                       {"in", {"12"}},
                                                                       {"IND", {"12"}},
                                                                       {"XK", {"12"}},
                                                                       {"1N", {"12"}},
                                                                       {"", {"12"}},
                                                                   });
}

TEST(ValidatorRootFields, TransactionAmount)
{
    expectRule(&TavroPayMerchantTLVValidator::validateTransactAmount,
               {
                   {std::nullopt, {}},
                   {"100", {}},
                   {"99.99", {}},
                   {".5", {}},
                   {"5.", {}},
                   {"123456789012", {}},
                   {"1234567890123", {"16"}},
                   {"1234567890.12", {}}, // 13 characters with a period
                   {"12345678901.12", {"16"}},
                   {"0", {"17"}},
                   {"0.00", {"17"}},
                   {"1,50", {"17"}},
                   {"1A", {"17"}},
                   {"1.2.3", {"17"}},
                   {".", {"17"}},
                   {"-5", {"17"}},
                   {" 5", {"17"}},
                   {"1e5", {"17"}},
                   {"\xD9\xA5", {"17"}},  // Arabic-Indic five: a digit, but not a readable number
                   {"5\xC3\xA9", {"17"}}, // a letter outside ASCII
                   {"", {"16", "17", "18"}},
               });
}

// Long amounts: up to the length where a double could overflow or round to zero, and beyond it.
TEST(ValidatorRootFields, LongAmountsAreJudgedByTheirValue)
{
    const auto zeros = [](std::size_t n) { return std::string(n, '0'); };
    const auto fraction = [&](std::size_t n) { return "0." + zeros(n - 3) + "1"; }; // n characters
    for (const std::size_t length : {299, 300, 301, 302, 305}) {
        EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount(fraction(length)); }), Codes{"16"}) << length;
        EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount("1" + zeros(length - 1)); }), Codes{"16"}) << length;
        EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount(zeros(length)); }), (Codes{"16", "17"})) << length;
        EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount(zeros(length - 1) + "."); }), (Codes{"16", "17"}));
        EXPECT_EQ(run([&](auto& v) { v.validateConvenienceFeeAmount(fraction(length)); }), Codes{"31"}) << length;
    }
    // Too small to be told from zero, and too large to read.
    EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount(fraction(400)); }), (Codes{"16", "17"}));
    EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount("1" + zeros(309)); }), (Codes{"16", "17"}));
    EXPECT_EQ(run([&](auto& v) { v.validateTransactAmount("1" + zeros(308)); }), Codes{"16"});
    EXPECT_EQ(run([&](auto& v) { v.validateConvenienceFeeAmount("1" + zeros(309)); }), (Codes{"31", "32"}));
}

TEST(ValidatorRootFields, NameCityAndPostalCodeLengthsCountCodePoints)
{
    const std::string name25(25, 'N');
    const std::string city15(15, 'C');
    expectRule(&TavroPayMerchantTLVValidator::validateMerchantName,
               {
                   {std::nullopt, {"7"}},
                   {name25, {}},
                   {name25 + "N", {"6"}},
                   {"", {"6"}},
                   {std::string(24, 'N') + "\xC3\xA9", {}},      // precomposed: 25
                   {std::string(24, 'N') + kDecomposedE, {"6"}}, // decomposed: 26
                   {"\xE0\xB8\x81\xE0\xB8\xB5", {}},             // Thai letter with a combining vowel
               });
    expectRule(&TavroPayMerchantTLVValidator::validateCityName, {
                                                                    {std::nullopt, {"11"}},
                                                                    {city15, {}},
                                                                    {city15 + "C", {"10"}},
                                                                    {"", {"10"}},
                                                                });
    expectRule(&TavroPayMerchantTLVValidator::validatePostalCode, {
                                                                      {std::nullopt, {}},
                                                                      {"560001", {}},
                                                                      {std::string(10, '9'), {}},
                                                                      {std::string(11, '9'), {"43"}},
                                                                      {"", {"43"}},
                                                                  });
}

TEST(ValidatorRootFields, PresenceAndLengthRule)
{
    using Dictionary = TavroPayMerchantTLVValidator::Dictionary;
    const Dictionary empty;
    const Dictionary language{{"languagePreference", "eng"},
                              {"merchantNameAlternateLanguage", std::string(26, 'x')},
                              {"merchantCityAlternateLanguage", "Paris"},
                              {"billID", std::string(26, 'b')},
                              {"count", 5}};
    auto check = [](const std::string& type, const std::string& key, const std::optional<Dictionary>& dictionary,
                    bool mandatory, int min, int max) {
        return run([&](auto& v) { v.tagMandatoryLengthCheck(type, key, dictionary, mandatory, min, max); });
    };
    const std::string lang = "merchantInformationLanguageTemplate";
    const std::string data = "AdditionalDataField";

    // Missing values: only the two language keys have codes, and only when mandatory.
    EXPECT_EQ(check(lang, "languagePreference", std::nullopt, true, 2, 2), Codes{"51"});
    EXPECT_EQ(check(lang, "languagePreference", empty, true, 2, 2), Codes{"51"});
    EXPECT_EQ(check(data, "merchantNameAlternateLanguage", empty, true, 1, 25), Codes{"52"});
    EXPECT_EQ(check(lang, "merchantCityAlternateLanguage", empty, true, 1, 15), Codes{});
    EXPECT_EQ(check(lang, "languagePreference", empty, false, 2, 2), Codes{});

    // Present values of the wrong length: key rows first, then the type.
    EXPECT_EQ(check(data, "languagePreference", language, false, 2, 2), Codes{"53"});
    EXPECT_EQ(check(data, "merchantNameAlternateLanguage", language, false, 1, 25), Codes{"54"});
    EXPECT_EQ(check(lang, "billID", language, false, 1, 25), Codes{"55"});
    EXPECT_EQ(check(data, "billID", language, false, 1, 25), Codes{"45"});
    EXPECT_EQ(check("other", "billID", language, true, 1, 25), Codes{"45"});
    EXPECT_EQ(check(lang, "merchantCityAlternateLanguage", language, true, 1, 15), Codes{});
    EXPECT_EQ(check(lang, "merchantCityAlternateLanguage", language, true, 6, 1), Codes{"55"});
    // A value that is not text is judged as a wrong length.
    EXPECT_EQ(check(data, "count", language, false, 1, 25), Codes{"45"});
}
