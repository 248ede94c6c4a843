#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "AddressSanitizerBuild.h"
#include "PaymentRequestTestSupport.h"
#include "SessionTestFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using platform::AnyValue;
using platform::NSObject;
using sessiontest::SessionTest;
using tavro::TavroPaymentRequest;

namespace {

const std::optional<std::string> kAbsent;
const std::optional<std::string> kEmpty = std::string();

void expectAdditionalFieldsAbsent(const TavroPaymentRequest& r)
{
    for (const auto* field : {&r.transactionAmount(), &r.billID(), &r.mobileNumber(), &r.storeID(), &r.loyaltyNumber(),
                              &r.referenceID(), &r.consumerID(), &r.terminalID(), &r.purpose()}) {
        EXPECT_EQ(*field, kAbsent);
    }
}

void setAdditionalFields(TavroPaymentRequest& request)
{
    request.setTransactionAmount("150.00");
    request.setBillID("INV42");
    request.setMobileNumber("9800000000");
    request.setStoreID("S1");
    request.setLoyaltyNumber("L7");
    request.setReferenceID("R1");
    request.setConsumerID("C9");
    request.setTerminalID("T3");
    request.setPurpose("Lunch");
}

// `depth` levels of dictionaries (or arrays) around a text, built without recursion.
AnyValue nested(std::size_t depth, bool arrays)
{
    AnyValue value("bottom");
    for (std::size_t level = 0; level < depth; ++level) {
        AnyValue outer = arrays ? AnyValue(AnyValue::Array(1)) : AnyValue(AnyValue::Dictionary{{"01", {}}});
        (arrays ? outer.asArray()->front() : outer.asDictionary()->at("01")) = std::move(value);
        value = std::move(outer);
    }
    return value;
}

// Takes `value` apart a level at a time, as AnyValue's own destructor recurses.
void dismantle(AnyValue value)
{
    std::vector<AnyValue> pending;
    pending.push_back(std::move(value));
    while (!pending.empty()) {
        AnyValue last = std::move(pending.back());
        pending.pop_back();
        if (auto* array = last.asArray())
            std::move(array->begin(), array->end(), std::back_inserter(pending));
        else if (auto* dictionary = last.asDictionary())
            for (auto& entry : *dictionary)
                pending.push_back(std::move(entry.second));
    }
}

} // namespace

// A host's tag dictionary nested to any depth: the request keeps only what the encoder reads, so
// making, checking, cloning, launching and encoding it never walk the deep part, which the payload
// leaves out.
TEST_F(SessionTest, TagDictionariesNestedToAnyDepthAreSafeAndLeftOutOfThePayload)
{
    const std::size_t depth = testbuild::underAddressSanitizer ? 2'000 : 100'000;
    // {key, levels of arrays (else of dictionaries), under sub-ID "01" of the template at the key}
    const std::tuple<const char*, bool, bool> rows[] = {
        {"AB", false, false}, {"80", true, false}, {"26", false, true}, {"26", true, true}};
    for (const auto& [key, arrays, inTemplate] : rows) {
        SCOPED_TRACE(std::string(key) + (arrays ? " arrays" : " dictionaries") + (inTemplate ? " in a template" : ""));
        AnyValue::Dictionary given = coretest::validDictionary(), reference = given;
        if (inTemplate) {
            reference[key] = AnyValue::Dictionary{{"00", "com.example.pay"}};
            given[key] = reference[key];
        }
        (inTemplate ? (*given[key].asDictionary())["01"] : given[key]) = nested(depth, arrays);
        const std::string expected = NSObject::create<TavroPaymentRequest>(reference)->getTLV();
        auto request = NSObject::create<TavroPaymentRequest>(given);
        EXPECT_EQ(request->tagValueDictionary(), reference);
        EXPECT_EQ(request->validate(), nullptr);
        EXPECT_EQ(request->getTLV(), expected);
        EXPECT_EQ(request->clone()->getTLV(), expected);
        tavro::TLVMapParser parser;
        parser.setTLVDataDictionary(given);
        parser.prepareTLV();
        EXPECT_EQ(parser.tlvString(), tavro::TLVGenerator::encode(reference).text);
        EXPECT_EQ(tavro::TLVGenerator::encode(given).text, parser.tlvString());
        tavro::TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool, auto, auto) {});
        finishSlide();
        // No ASSERT before the dismantling: an early return would destroy the deep value recursively.
        const auto kept = session()->requestPaymentSession()->request();
        EXPECT_EQ(kept ? kept->getTLV() : "no request", expected);
        tavro::TavroMerchantSDK::endTavroFlow();
        finishSlide();
        dismantle(AnyValue(std::move(given)));
    }
}

TEST(TavroPaymentRequest, PlainInitialiserLeavesTipTrioAndAdditionalFieldsAbsent)
{
    auto& session = tavro::TavroSessionState::shared();
    const bool flagBefore = session.merchantSDKEmvCoSupported();
    auto request = NSObject::create<TavroPaymentRequest>();
    EXPECT_EQ(request->payloadFormatIndicator(), "01");
    EXPECT_EQ(request->pointOfInitiation(), kEmpty);
    EXPECT_EQ(request->postalCode(), kEmpty);
    EXPECT_EQ(request->tipIndicator(), kAbsent);
    EXPECT_EQ(request->tipAmount(), kAbsent);
    EXPECT_EQ(request->tipPercentage(), kAbsent);
    expectAdditionalFieldsAbsent(*request);
    EXPECT_FALSE(request->tagValueDictionary().has_value());
    EXPECT_EQ(session.merchantSDKEmvCoSupported(), flagBefore);

    auto valued = coretest::validRequest();
    EXPECT_EQ(valued->tipIndicator(), kEmpty);
    EXPECT_EQ(valued->tipAmount(), kEmpty);
    EXPECT_EQ(valued->tipPercentage(), kEmpty);
    expectAdditionalFieldsAbsent(*valued);
}

TEST(TavroPaymentRequest, TagDictionaryFillsTextFieldsOnlyAndPrimesTheParser)
{
    const AnyValue::Dictionary dictionary = {
        {"00", "02"},   {"01", "11"},   {"02", "4123456784"}, {"59", AnyValue::Dictionary{{"00", "x"}}},
        {"52", 5812},   {"60", "Pune"}, {"58", "IN"},         {"53", "356"},
        {"55", "02"},   {"56", "10"},   {"57", "5"},          {"61", "411001"},
        {"04", "PAN1"}, {"54", "99"},
    };
    auto request = NSObject::create<TavroPaymentRequest>(dictionary);
    EXPECT_EQ(request->payloadFormatIndicator(), "01"); // never read from the dictionary
    EXPECT_EQ(request->pointOfInitiation(), "11");
    EXPECT_EQ(request->tavroMerchantID(), "4123456784");
    EXPECT_EQ(request->merchantName(), "");         // a nested dictionary is ignored
    EXPECT_EQ(request->merchantCategoryCode(), ""); // so is a number
    EXPECT_EQ(request->cityName(), "Pune");
    EXPECT_EQ(request->postalCode(), "411001");
    EXPECT_EQ(request->mastercardPan1(), "PAN1");
    EXPECT_EQ(request->mastercardPan2(), "");
    EXPECT_EQ(request->tipIndicator(), kEmpty);
    EXPECT_EQ(request->tipAmount(), kEmpty);
    EXPECT_EQ(request->tipPercentage(), kEmpty);
    expectAdditionalFieldsAbsent(*request);

    EXPECT_TRUE(tavro::TavroSessionState::shared().merchantSDKEmvCoSupported());
    EXPECT_EQ(tavro::TLVMapParser::shared().tLVDataDictionary(), dictionary);
    EXPECT_EQ(request->tagValueDictionary(), dictionary);

    auto without01 = NSObject::create<TavroPaymentRequest>(AnyValue::Dictionary{{"02", "41111113"}});
    EXPECT_EQ(without01->pointOfInitiation(), kEmpty);
    EXPECT_EQ(tavro::TLVMapParser::shared().tLVDataDictionary(), without01->tagValueDictionary());
}

TEST(TavroPaymentRequest, CloneOfAPlainRequestCopiesEveryFieldIndependently)
{
    // A request from a dictionary made earlier must not leak into plain clones.
    NSObject::create<TavroPaymentRequest>(coretest::shortMerchantDictionary());

    auto source = NSObject::create<TavroPaymentRequest>();
    source->setTavroMerchantID("4123456784");
    source->setMerchantName("Corner Cafe");
    source->setPostalCode(std::nullopt);
    source->setTipAmount(std::string());
    source->setNpciid1("N1");
    setAdditionalFields(*source);

    auto copy = source->clone();
    ASSERT_NE(copy, source);
    EXPECT_EQ(copy->tavroMerchantID(), "4123456784");
    EXPECT_EQ(copy->merchantName(), "Corner Cafe");
    EXPECT_EQ(copy->pointOfInitiation(), kEmpty);
    EXPECT_EQ(copy->postalCode(), kAbsent);
    EXPECT_EQ(copy->tipIndicator(), kAbsent);
    EXPECT_EQ(copy->tipAmount(), kEmpty);
    EXPECT_EQ(copy->npciid1(), "N1");
    EXPECT_EQ(copy->transactionAmount(), "150.00");
    EXPECT_EQ(copy->mobileNumber(), "9800000000");
    EXPECT_EQ(copy->purpose(), "Lunch");
    EXPECT_FALSE(copy->tagValueDictionary().has_value());
    EXPECT_EQ(copy->getTLV(), source->getTLV());

    copy->setBillID("OTHER");
    copy->setMerchantName("Elsewhere");
    EXPECT_EQ(source->billID(), "INV42");
    EXPECT_EQ(source->merchantName(), "Corner Cafe");
}

TEST(TavroPaymentRequest, CloneOfADictionaryRequestRebuildsFromItsOwnDictionary)
{
    auto scanned = NSObject::create<TavroPaymentRequest>(coretest::shortMerchantDictionary());
    scanned->setTavroMerchantID("changed"); // fields 1 to 16 come back from the dictionary
    setAdditionalFields(*scanned);

    // Another request primes the shared parser with another dictionary in between.
    const AnyValue::Dictionary other{{"02", "41111113"}};
    NSObject::create<TavroPaymentRequest>(other);

    // copy() keeps every field as it is and leaves the parser alone.
    auto exact = scanned->copy();
    EXPECT_EQ(exact->tavroMerchantID(), "changed");
    EXPECT_EQ(exact->purpose(), "Lunch");
    EXPECT_EQ(exact->tagValueDictionary(), coretest::shortMerchantDictionary());
    EXPECT_EQ(tavro::TLVMapParser::shared().tLVDataDictionary(), other);

    auto copy = scanned->clone();
    EXPECT_EQ(copy->tavroMerchantID(), "41234567");
    EXPECT_EQ(copy->pointOfInitiation(), "12");
    EXPECT_EQ(copy->currencyCode(), "356");
    EXPECT_EQ(copy->tipIndicator(), kEmpty);
    EXPECT_EQ(copy->transactionAmount(), "150.00");
    EXPECT_EQ(copy->billID(), "INV42");
    EXPECT_EQ(copy->purpose(), "Lunch");
    EXPECT_EQ(copy->tagValueDictionary(), coretest::shortMerchantDictionary());
    EXPECT_EQ(tavro::TLVMapParser::shared().tLVDataDictionary(), coretest::shortMerchantDictionary());
    EXPECT_EQ(tavro::TLVMapParser::shared().tlvString(), "000201010212020841234567530335663042DEB");

    copy->setBillID("OTHER");
    EXPECT_EQ(scanned->billID(), "INV42");
}
