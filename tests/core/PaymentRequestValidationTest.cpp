#include "TavroMerchantSDK/core/PaymentRequestChecks.h"
#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "PaymentRequestTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using platform::AnyValue;
using platform::NSObject;
using tavro::TavroPaymentRequest;

namespace {

using Edit = std::function<void(TavroPaymentRequest&)>;

// The single message validate() reports after `edit`, or "" when the request is valid.
std::string messageAfter(const Edit& edit)
{
    auto request = coretest::validRequest();
    edit(*request);
    const auto error = request->validate();
    if (!error) {
        return "";
    }
    EXPECT_EQ(error->errorCodes().size(), 1u);
    return error->errorCodes().empty() ? "?" : error->errorCodes().front();
}

struct Case {
    const char* name;
    Edit edit;
    const char* message;
};

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        EXPECT_EQ(messageAfter(c.edit), c.message) << c.name;
    }
}

Edit tip(std::optional<std::string> indicator, std::optional<std::string> amount, std::optional<std::string> percentage)
{
    return [=](TavroPaymentRequest& r) {
        r.setTipIndicator(indicator);
        r.setTipAmount(amount);
        r.setTipPercentage(percentage);
    };
}

constexpr const char* kTipAmount = "Tip amount not valid";
constexpr const char* kTipPercentage = "Tip percentage not valid";

} // namespace

TEST(PaymentRequestValidation, MerchantFieldsInRuleOrder)
{
    expectCases({
        {"valid", [](TavroPaymentRequest&) {}, ""},
        {"indicator 02", [](TavroPaymentRequest& r) { r.setPayloadFormatIndicator("02"); },
         "Payload format indicator not valid"},
        {"name empty", [](TavroPaymentRequest& r) { r.setMerchantName(""); }, "Merchant name not valid"},
        {"name 25", [](TavroPaymentRequest& r) { r.setMerchantName(std::string(25, 'n')); }, ""},
        {"name 26", [](TavroPaymentRequest& r) { r.setMerchantName(std::string(26, 'n')); }, "Merchant name not valid"},
        // 13 user-perceived characters, 26 code points: payload lengths count code points.
        {"name decomposed",
         [](TavroPaymentRequest& r) {
             std::string name;
             for (int i = 0; i < 13; ++i)
                 name += "e\xCC\x81";
             r.setMerchantName(name);
         },
         "Merchant name not valid"},
        {"mcc 3", [](TavroPaymentRequest& r) { r.setMerchantCategoryCode("581"); }, "Merchant category code not valid"},
        {"mcc 5", [](TavroPaymentRequest& r) { r.setMerchantCategoryCode("58123"); },
         "Merchant category code not valid"},
        {"mcc letter", [](TavroPaymentRequest& r) { r.setMerchantCategoryCode("58a2"); },
         "Merchant category code not valid"},
        {"mcc other script", [](TavroPaymentRequest& r) { r.setMerchantCategoryCode("\u0665\u0668\u0661\u0662"); }, ""},
        {"city 15", [](TavroPaymentRequest& r) { r.setCityName(std::string(15, 'c')); }, ""},
        {"city 16", [](TavroPaymentRequest& r) { r.setCityName(std::string(16, 'c')); }, "City name not valid"},
        {"city empty", [](TavroPaymentRequest& r) { r.setCityName(""); }, "City name not valid"},
        {"country lower", [](TavroPaymentRequest& r) { r.setCountryCode("in"); }, "Country code not valid"},
        {"country 3", [](TavroPaymentRequest& r) { r.setCountryCode("IND"); }, "Country code not valid"},
        {"country unknown", [](TavroPaymentRequest& r) { r.setCountryCode("XX"); }, "Country code not valid"},
        {"currency 036", [](TavroPaymentRequest& r) { r.setCurrencyCode("036"); }, ""},
        {"currency 36", [](TavroPaymentRequest& r) { r.setCurrencyCode("36"); }, "Currency code not valid"},
        {"currency 000", [](TavroPaymentRequest& r) { r.setCurrencyCode("000"); }, "Currency code not valid"},
        {"currency 35a", [](TavroPaymentRequest& r) { r.setCurrencyCode("35a"); }, "Currency code not valid"},
        {"currency +36", [](TavroPaymentRequest& r) { r.setCurrencyCode("+36"); }, "Currency code not valid"},
        {"currency other script", [](TavroPaymentRequest& r) { r.setCurrencyCode("\u0663\u0665\u0666"); },
         "Currency code not valid"},
        {"postal absent", [](TavroPaymentRequest& r) { r.setPostalCode(std::nullopt); }, ""},
        {"postal empty", [](TavroPaymentRequest& r) { r.setPostalCode(""); }, ""},
        {"postal 10", [](TavroPaymentRequest& r) { r.setPostalCode(std::string(10, '1')); }, ""},
        {"postal 11", [](TavroPaymentRequest& r) { r.setPostalCode(std::string(11, '1')); }, "Postal code not valid"},
    });

    // Only the first failing rule is reported.
    EXPECT_EQ(messageAfter([](TavroPaymentRequest& r) {
                  r.setCityName("");
                  r.setCountryCode("in");
                  r.setMerchantName("");
              }),
              "Merchant name not valid");
    EXPECT_EQ(messageAfter([](TavroPaymentRequest& r) {
                  r.setPostalCode(std::string(11, '1'));
                  r.setTipIndicator("04");
                  r.setCurrencyCode("000");
              }),
              "Currency code not valid");
}

TEST(PaymentRequestValidation, MerchantIdPrefixLengthDigitsAndCheckDigit)
{
    const auto idCase = [](const char* name, const char* id, const char* message) {
        return Case{name, [id](TavroPaymentRequest& r) { r.setTavroMerchantID(id); }, message};
    };
    constexpr const char* kInvalid = "Merchant ID not valid";
    expectCases({
        idCase("10 digits, valid check digit", "4123456784", ""),
        idCase("10 digits, wrong check digit", "4123456785", kInvalid),
        idCase("8 digits", "41111113", ""),
        idCase("16 digits", "4111111111111111", ""),
        idCase("16 digits, wrong check digit", "4111111111111112", kInvalid),
        idCase("prefix 5", "5123456784", kInvalid),
        idCase("7 digits", "4111111", kInvalid),
        idCase("17 digits", "41111111111111110", kInvalid),
        idCase("letters", "4ABCDEFG", kInvalid),
        idCase("empty", "", kInvalid),
    });

    namespace checks = tavro::paymentrequestchecks;
    EXPECT_EQ(checks::convertMerchantIdToPan("4123456784"), "4123450000006784");
    EXPECT_EQ(checks::convertMerchantIdToPan("4111111"), "4111110000000001");
    EXPECT_EQ(checks::convertMerchantIdToPan("4111111111111111"), "4111111111111111");
    EXPECT_EQ(checks::convertMerchantIdToPan("411111"), "411111");
    // Outside reference: the ISO/IEC 7812 example number 7992739871 with check digit 3.
    EXPECT_TRUE(checks::luhnsAlgorithmCheck("79927398713"));
    EXPECT_FALSE(checks::luhnsAlgorithmCheck("79927398710"));
    EXPECT_TRUE(checks::luhnsAlgorithmCheck(""));
    // A non-digit is skipped but keeps its place, shifting the doubling of the digits before it.
    EXPECT_FALSE(checks::luhnsAlgorithmCheck("7992739871x3"));
    EXPECT_TRUE(checks::luhnsAlgorithmCheck("799273987x13"));
}

TEST(PaymentRequestValidation, TipTrioAbsentDiffersFromEmpty)
{
    expectCases({
        {"all absent", tip(std::nullopt, std::nullopt, std::nullopt), kTipAmount},
        {"amount empty, percentage absent", tip(std::nullopt, "", std::nullopt), kTipPercentage},
        {"all empty", tip("", "", ""), ""},
        {"indicator absent, others empty", tip(std::nullopt, "", ""), ""},
        {"indicator 01", tip("01", "", ""), ""},
        {"indicator 04 before amounts", tip("04", "x", "y"), "Tip indicator not valid"},
        {"no indicator, percentage 5", tip("", "", "5"), kTipPercentage},
        {"indicator 01 with amount", tip("01", "10", ""), kTipAmount},
        {"fee 10", tip("02", "10", ""), ""},
        {"fee 10, percentage 5", tip("02", "10", "5"), kTipPercentage},
        {"fee, percentage absent", tip("02", "10", std::nullopt), kTipPercentage},
        {"percentage 5", tip("03", "", "5"), ""},
        {"percentage with amount", tip("03", "1", "5"), kTipAmount},
    });
    // The first rule: a request made with init() and valid merchant fields.
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setTavroMerchantID("4123456784");
    request->setMerchantName("Corner Cafe");
    request->setMerchantCategoryCode("5812");
    request->setCityName("Pune");
    request->setCountryCode("IN");
    request->setCurrencyCode("356");
    ASSERT_NE(request->validate(), nullptr);
    EXPECT_EQ(request->validate()->errorCodes(), std::vector<std::string>{kTipAmount});
}

TEST(PaymentRequestValidation, FeeAmountAndPercentageBounds)
{
    const auto fee = [](const char* amount) { return tip("02", std::string(amount), ""); };
    const auto percentage = [](const char* value) { return tip("03", "", std::string(value)); };
    expectCases({
        {"fee 9 digits", fee("123456789"), ""},
        {"fee 10 digits", fee("1234567890"), kTipAmount},
        {"fee 0", fee("0"), kTipAmount},
        {"fee 0.00", fee("0.00"), kTipAmount},
        {"fee 0.01", fee("0.01"), ""},
        {"fee .5", fee(".5"), ""},
        {"fee 5.", fee("5."), ""},
        {"fee letter", fee("1a"), kTipAmount},
        {"fee negative", fee("-5"), kTipAmount},
        {"fee empty", fee(""), kTipAmount},
        {"fee lone period", fee("."), kTipAmount},
        {"fee two periods", fee("1..2"), kTipAmount},
        {"fee exponent", fee("1e3"), kTipAmount},
        {"fee other-script digits", fee("\u0661\u0662"), kTipAmount},
        {"fee absent", tip("02", std::nullopt, ""), kTipAmount},
        {"percentage 0.01", percentage("0.01"), ""},
        {"percentage 99.99", percentage("99.99"), ""},
        {"percentage 0.009", percentage("0.009"), kTipPercentage},
        {"percentage 100", percentage("100"), kTipPercentage},
        {"percentage 6 characters", percentage("12.345"), kTipPercentage},
        {"percentage lone period", percentage("."), kTipPercentage},
        {"percentage two periods", percentage("1..2"), kTipPercentage},
        {"percentage letter", percentage("5a"), kTipPercentage},
        {"percentage absent", tip("03", "", std::nullopt), kTipPercentage},
    });
}

TEST(PaymentRequestValidation, DictionaryRequestAddsTheParserVerdictOnItsOwnDictionary)
{
    const AnyValue::Dictionary valid = coretest::validDictionary();
    auto good = NSObject::create<TavroPaymentRequest>(valid);
    EXPECT_EQ(good->validate(), nullptr);

    // Passes every field rule, but the payload lacks its format indicator.
    AnyValue::Dictionary withoutIndicator = valid;
    withoutIndicator.erase("00");
    auto bad = NSObject::create<TavroPaymentRequest>(withoutIndicator);
    const auto verdict = bad->validate();
    ASSERT_NE(verdict, nullptr);
    EXPECT_FALSE(verdict->errorCodes().empty());
    EXPECT_EQ(verdict, tavro::TLVMapParser::shared().tavroError()); // the parser's own object

    // Each request is judged on its own dictionary, whoever primed the parser last.
    EXPECT_EQ(good->validate(), nullptr);
    EXPECT_NE(bad->validate(), nullptr);

    // A control character or a character above U+FFFF inside a template's sub-entry: no field holds
    // it, the payload refuses it.
    for (const char* id : {"26", "64", "80"}) {
        for (const std::string& text : {std::string("a\0b", 3), std::string("Pizza \xF0\x9F\x8D\x95")}) {
            AnyValue::Dictionary withText = valid;
            withText[id] = AnyValue::Dictionary{{"00", "com.x"}, {"01", text}};
            const auto error = NSObject::create<TavroPaymentRequest>(withText)->validate();
            EXPECT_EQ(error ? error->errorCodes() : std::vector<std::string>{}, std::vector<std::string>{"0"}) << id;
        }
    }
    // In a mapped field, its own rule fails first.
    AnyValue::Dictionary emojiName = valid;
    emojiName["59"] = "Pizza \xF0\x9F\x8D\x95";
    const auto nameError = NSObject::create<TavroPaymentRequest>(emojiName)->validate();
    EXPECT_EQ(nameError ? nameError->errorCodes() : std::vector<std::string>{},
              std::vector<std::string>{"Merchant name not valid"});

    // Field rules still come first for a dictionary request.
    auto noName = NSObject::create<TavroPaymentRequest>(AnyValue::Dictionary{{"02", "4123456784"}});
    ASSERT_NE(noName->validate(), nullptr);
    EXPECT_EQ(noName->validate()->errorCodes(), std::vector<std::string>{"Merchant name not valid"});

    // A plain request never reports the parser's verdict.
    EXPECT_EQ(coretest::validRequest()->validate(), nullptr);
}

TEST(PaymentRequestValidation, FieldTextMustBeValidUtf8WithoutControlOrSupplementaryCharacters)
{
    using Set = std::function<void(TavroPaymentRequest&, const std::string&)>;
#define SET(setter) [](TavroPaymentRequest& r, const std::string& v) { r.setter(v); }
    const auto own = [](const char* name) { return "Payload field " + std::string(name) + " not valid"; };
    const std::tuple<const char*, Set, std::string> fields[] = {
        {"payloadFormatIndicator", SET(setPayloadFormatIndicator), "Payload format indicator not valid"},
        {"pointOfInitiation", SET(setPointOfInitiation), own("pointOfInitiation")},
        {"tavroMerchantID", SET(setTavroMerchantID), "Merchant ID not valid"},
        {"merchantName", SET(setMerchantName), "Merchant name not valid"},
        {"merchantCategoryCode", SET(setMerchantCategoryCode), "Merchant category code not valid"},
        {"cityName", SET(setCityName), "City name not valid"},
        {"countryCode", SET(setCountryCode), "Country code not valid"},
        {"currencyCode", SET(setCurrencyCode), "Currency code not valid"},
        {"tipIndicator", SET(setTipIndicator), "Tip indicator not valid"},
        {"tipAmount", SET(setTipAmount), kTipAmount},
        {"tipPercentage", SET(setTipPercentage), kTipPercentage},
        {"postalCode", SET(setPostalCode), "Postal code not valid"},
        {"mastercardPan1", SET(setMastercardPan1), own("mastercardPan1")},
        {"mastercardPan2", SET(setMastercardPan2), own("mastercardPan2")},
        {"npciid1", SET(setNpciid1), own("npciid1")},
        {"npciid2", SET(setNpciid2), own("npciid2")},
        {"transactionAmount", SET(setTransactionAmount), own("transactionAmount")},
        {"billID", SET(setBillID), own("billID")},
        {"mobileNumber", SET(setMobileNumber), own("mobileNumber")},
        {"storeID", SET(setStoreID), own("storeID")},
        {"loyaltyNumber", SET(setLoyaltyNumber), own("loyaltyNumber")},
        {"referenceID", SET(setReferenceID), own("referenceID")},
        {"consumerID", SET(setConsumerID), own("consumerID")},
        {"terminalID", SET(setTerminalID), own("terminalID")},
        {"purpose", SET(setPurpose), own("purpose")},
    };
#undef SET
    const char* badTexts[] = {
        "Cafe\xff\xfe",     "Caf\xc3", "\xc0\xaf",             // stray bytes, a truncated and an overlong encoding
        "\xed\xa0\x80",                                        // an encoded surrogate
        "Pune\n",           "\x7f",    "\xc2\x85", "\xc2\x9f", // C0, DEL and C1 controls
        "\xf0\x9f\x98\x80",                                    // beyond the basic plane
    };
    for (const auto& [name, set, message] : fields)
        for (const char* bad : badTexts)
            EXPECT_EQ(messageAfter(std::bind(set, std::placeholders::_1, bad)), message) << name << " " << bad;
    // Just past the controls, and the last of the basic plane: valid.
    for (const char* good : {"\xc2\xa0", "Caf\xc3\xa9", "\xef\xbf\xbf"}) {
        EXPECT_EQ(messageAfter([&](TavroPaymentRequest& r) { r.setBillID(good); }), "") << good;
    }
    // Fields are walked in declaration order.
    EXPECT_EQ(messageAfter([](TavroPaymentRequest& r) {
                  r.setTavroMerchantID("5");
                  r.setPointOfInitiation("\x01");
              }),
              own("pointOfInitiation"));
    EXPECT_EQ(messageAfter([](TavroPaymentRequest& r) {
                  r.setPurpose("\x01");
                  r.setCityName("Pune\x01");
              }),
              "City name not valid");
}

TEST(PaymentRequestValidation, ThePayloadShownMustPassThePayloadValidator)
{
    using Codes = std::vector<std::string>;
    const auto amount = [](const std::string& text, const char* currency = "356") {
        return [=](TavroPaymentRequest& r) {
            r.setTransactionAmount(text);
            r.setCurrencyCode(currency);
        };
    };
    // Five realistic values, each within its 25 characters, make a template of 107.
    const Edit fullAdditionalData = [](TavroPaymentRequest& r) {
        r.setBillID("INV-2024-000000123456");
        r.setMobileNumber("+919876543210");
        r.setStoreID("STORE-MUMBAI-ANDHERI-01");
        r.setLoyaltyNumber("LOY1234567890123");
        r.setReferenceID("REF-0000000001");
    };
    const std::string long100(100, '7');
    const auto bill = [](std::size_t length) {
        return [=](TavroPaymentRequest& r) { r.setBillID(std::string(length, 'B')); };
    };
    // Codes for a plain request, then for one made from a dictionary: its fields 2 to 16 are not
    // what its payload writes.
    std::vector<std::tuple<std::string, Edit, Codes, Codes>> cases = {
        {"amount of 14 characters", amount("99999999999.99"), {"16"}, {"16"}},
        {"bill of 80 characters", bill(80), {"45"}, {"45"}},
        // Left out of the payload: refused with the code of what is missing.
        {"template of 107", fullAdditionalData, {"45"}, {"45"}},
        {"bill of 96", bill(96), {"45"}, {"45"}},
        {"purpose of 100", [&](TavroPaymentRequest& r) { r.setPurpose(long100); }, {"45"}, {"45"}},
        {"amount of 100 digits", amount(long100), {"16"}, {"16"}},
        {"pan1 of 100", [&](TavroPaymentRequest& r) { r.setMastercardPan1(long100); }, {"50"}, {}},
        {"npciid2 of 100", [&](TavroPaymentRequest& r) { r.setNpciid2(long100); }, {"50"}, {}},
        {"point of initiation of 100", [&](TavroPaymentRequest& r) { r.setPointOfInitiation(long100); }, {"0"}, {}},
        // Joined to the written payload's codes, each once, in the validator's step order.
        {"several left out",
         [&](TavroPaymentRequest& r) {
             bill(30)(r); // written, and too long for the validator
             r.setNpciid1(long100);
             r.setPurpose(long100);
             r.setTransactionAmount("nan");
         },
         {"17", "45", "50"}, {"17", "45"}},
        {"point of initiation beats the rest",
         [&](TavroPaymentRequest& r) {
             r.setPointOfInitiation(long100);
             r.setTransactionAmount("nan");
         },
         {"0"}, {"17"}},
        {"JPY 1500.75", amount("1500.75", "392"), {"17"}, {"17"}},
        {"BHD 1.23456", amount("1.23456", "048"), {"17"}, {"17"}},
        {"BHD 16 characters", amount("99999999999.9991", "048"), {"16", "17"}, {"16", "17"}},
        // Currencies without a locale of their own, by their own digits.
        {"XAU 1.2345", amount("1.2345", "959"), {"17"}, {"17"}},
        {"MVR 12.505", amount("12.505", "462"), {"17"}, {"17"}},
        {"CLF 12.34567", amount("12.34567", "990"), {"17"}, {"17"}},
    };
    // Amounts not in the payload's format, or finer than the currency's minor unit.
    for (const char* text : {"12,50", "1,250.00", "1e3", " 5", "+5", "nan", "\u0661\u0662", "--5", "100.999", "0.001"})
        cases.push_back({std::string("amount '") + text + "'", amount(text), {"17"}, {"17"}});
    auto& parser = tavro::TLVMapParser::shared();
    for (const auto& [name, edit, plainCodes, dictionaryCodes] : cases) {
        for (auto request :
             {coretest::validRequest(), NSObject::create<TavroPaymentRequest>(coretest::validDictionary())}) {
            const bool fromDictionary = request->tagValueDictionary().has_value();
            const Codes& codes = fromDictionary ? dictionaryCodes : plainCodes;
            SCOPED_TRACE(name + (fromDictionary ? ", from a dictionary" : ""));
            edit(*request);
            const auto primed = parser.tlvString();
            const auto primedError = parser.tavroError();
            const bool flag = tavro::TavroSessionState::shared().merchantSDKEmvCoSupported();
            const auto error = request->validate();
            EXPECT_EQ(error ? error->errorCodes() : Codes{}, codes);
            // Built aside: the request's amount and bill never reach the shared parser's text.
            EXPECT_EQ(parser.tlvString(), primed);
            EXPECT_EQ(tavro::TavroSessionState::shared().merchantSDKEmvCoSupported(), flag);
            if (!fromDictionary) {
                EXPECT_EQ(parser.tavroError(), primedError);
            }
        }
    }
}
