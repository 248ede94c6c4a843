#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

#include <functional>

using tavro::TavroPayMerchantTLV;
using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Dictionary = platform::AnyValue::Dictionary;

namespace {

Codes additionalDataCodes(const Dictionary& dataTemplate)
{
    TavroPayMerchantTLV model;
    model.setAdditionalDataFieldTemplate(dataTemplate);
    TavroPayMerchantTLVValidator validator;
    validator.validateAdditionalDataField(model);
    return validator.errorCodes();
}

Codes languageCodes(const Dictionary& languageTemplate)
{
    TavroPayMerchantTLV model;
    model.setMerchantInformationLanguageTemplate(languageTemplate);
    TavroPayMerchantTLVValidator validator;
    validator.validateMerchantInformationLanguageTemplate(model);
    return validator.errorCodes();
}

} // namespace

TEST(ValidatorTemplates, AdditionalData)
{
    for (const char* request : {"AME", "E", "EA", "MM", "AAA"})
        EXPECT_EQ(additionalDataCodes({{"additionalConsumerDataRequest", request}}), Codes{}) << request;
    for (const char* request : {"AMEE", "X", "am", "", "A E"})
        EXPECT_EQ(additionalDataCodes({{"additionalConsumerDataRequest", request}}), Codes{"46"}) << request;
    EXPECT_EQ(additionalDataCodes({{"additionalConsumerDataRequest", 3}}), Codes{}); // not text: skipped

    EXPECT_EQ(additionalDataCodes({{"billID", std::string(25, 'b')}}), Codes{});
    EXPECT_EQ(additionalDataCodes({{"billID", std::string(26, 'b')}}), Codes{"45"});
    EXPECT_EQ(additionalDataCodes({{"15", std::string(26, 'x')}}), Codes{"45"}); // unnamed sub-ID
    EXPECT_EQ(additionalDataCodes({{"billID", std::string(26, 'b')},
                                   {"mobileNumber", std::string(30, '9')},
                                   {"additionalConsumerDataRequest", "X"}}),
              (Codes{"46", "45"})); // entries in key order, each code once

    TavroPayMerchantTLVValidator validator;
    validator.validateAdditionalDataField(TavroPayMerchantTLV());
    EXPECT_TRUE(validator.errorCodes().empty());
}

TEST(ValidatorTemplates, AdditionalDataTraceGoesOnlyToTheDebugLog)
{
    platform::DebugLogCapture capture;
    testing::internal::CaptureStdout();
    additionalDataCodes({{"mobileNumber", "9876543210"}});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_EQ(capture.lines()[0], "Additional data field template: {mobileNumber: 9876543210}");
    capture.clear();
    additionalDataCodes({{"billID", 5}, {"mobileNumber", "98"}});
    EXPECT_EQ(capture.lines(), std::vector<std::string>{"Additional data field template: {billID: <not text>, "
                                                        "mobileNumber: 98}"});
}

TEST(ValidatorTemplates, LanguageTemplate)
{
    const Dictionary valid{{"languagePreference", "ZH"}, {"merchantNameAlternateLanguage", "Name"}};
    EXPECT_EQ(languageCodes(valid), Codes{});

    EXPECT_EQ(languageCodes({{"merchantNameAlternateLanguage", "Name"}}), Codes{"51"});
    EXPECT_EQ(languageCodes({{"languagePreference", "ZH"}}), Codes{"52"});
    EXPECT_EQ(languageCodes({}), (Codes{"51", "52"}));

    auto with = [&](const std::string& key, const std::string& value) {
        Dictionary dictionary = valid;
        dictionary[key] = value;
        return languageCodes(dictionary);
    };
    EXPECT_EQ(with("languagePreference", "eng"), Codes{"53"});
    EXPECT_EQ(with("merchantNameAlternateLanguage", std::string(25, 'n')), Codes{});
    EXPECT_EQ(with("merchantNameAlternateLanguage", std::string(26, 'n')), Codes{"54"});
    EXPECT_EQ(with("merchantCityAlternateLanguage", "C"), Codes{});
    EXPECT_EQ(with("merchantCityAlternateLanguage", std::string(16, 'c')), Codes{"55"});
    EXPECT_EQ(with("03", std::string(99, 'x')), Codes{});
    EXPECT_EQ(with("03", std::string(100, 'x')), Codes{"55"});
    // Known names come first, in sub-ID order, whatever order the template keeps its names in.
    EXPECT_EQ(languageCodes({{"03", std::string(100, 'x')},
                             {"languagePreference", "eng"},
                             {"merchantCityAlternateLanguage", std::string(16, 'c')}}),
              (Codes{"53", "52", "55"}));
    // Chinese name of 25 characters: 75 bytes, 25 code points.
    std::string chinese;
    for (int i = 0; i < 25; ++i)
        chinese += "\xE5\x95\x86";
    EXPECT_EQ(with("merchantNameAlternateLanguage", chinese), Codes{});

    TavroPayMerchantTLVValidator validator;
    validator.validateMerchantInformationLanguageTemplate(TavroPayMerchantTLV());
    EXPECT_TRUE(validator.errorCodes().empty());
}

TEST(ValidatorTemplates, MerchantAccountTemplates)
{
    auto accountCodes = [](const std::function<void(TavroPayMerchantTLV&)>& fill) {
        TavroPayMerchantTLV model;
        fill(model);
        TavroPayMerchantTLVValidator validator;
        validator.validateMerchantAccountInformationTemplate(model);
        return validator.errorCodes();
    };
    EXPECT_EQ(accountCodes([](auto&) {}), Codes{});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"00", "com.example"}}); }), Codes{});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"01", "x"}}); }), Codes{"49"});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag51(Dictionary{}); }), Codes{"49"});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"00", std::string(32, 'u')}}); }), Codes{});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"00", std::string(33, 'u')}}); }), Codes{"50"});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"00", ""}}); }), Codes{"50"});
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag26(Dictionary{{"00", 7}}); }), Codes{"50"});
    EXPECT_EQ(accountCodes([](auto& m) {
                  m.setTag26(Dictionary{{"01", "x"}});
                  m.setTag40(Dictionary{{"02", "y"}});
              }),
              Codes{"49"});
    EXPECT_EQ(accountCodes([](auto& m) {
                  m.setTag30(Dictionary{{"00", std::string(40, 'u')}});
                  m.setTag45(Dictionary{});
              }),
              (Codes{"50", "49"})); // ascending ID order
    // Each of the 26 is examined.
    for (int id = 26; id <= 51; ++id) {
        EXPECT_EQ(accountCodes([&](auto& m) {
                      ASSERT_TRUE(m.setValue("tag" + std::to_string(id), platform::AnyValue(Dictionary{})));
                  }),
                  Codes{"49"})
            << id;
    }
    // Templates outside 26-51 are not examined here.
    EXPECT_EQ(accountCodes([](auto& m) { m.setTag80(Dictionary{{"01", "x"}}); }), Codes{});
}
