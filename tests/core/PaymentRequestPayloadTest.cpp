#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "PaymentRequestTestSupport.h"
#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

using platform::AnyValue;
using platform::NSObject;
using tavro::TavroPaymentRequest;

namespace {

constexpr const char* kWorkedPayload = "0002010102110208412345675911Corner Cafe520458126004Pune5802IN53033565406150.00"
                                       "62150105INV420302S163041E09";
constexpr const char* kScannedBase = "000201010212020841234567530335663042DEB";
constexpr const char* kScannedUpdated = "000201010212020841234567530335654022562090105INV4263043186";

std::shared_ptr<TavroPaymentRequest> workedRequest()
{
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setPointOfInitiation("11");
    request->setTavroMerchantID("41234567");
    request->setMerchantName("Corner Cafe");
    request->setMerchantCategoryCode("5812");
    request->setCityName("Pune");
    request->setCountryCode("IN");
    request->setCurrencyCode("356");
    request->setPostalCode(std::nullopt);
    request->setTransactionAmount("150.00");
    request->setBillID("INV42");
    request->setStoreID("S1");
    return request;
}

} // namespace

TEST(PaymentRequestPayload, WorkedPlainPayloads)
{
    auto request = workedRequest();
    EXPECT_EQ(request->getTLVForPlainObject(), kWorkedPayload);
    EXPECT_EQ(request->getTLV(), kWorkedPayload);

    request->setTransactionAmount("0");
    EXPECT_EQ(request->getTLV(), "0002010102110208412345675911Corner Cafe520458126004Pune5802IN5303356"
                                 "62150105INV420302S163046C30");

    auto empty = NSObject::create<TavroPaymentRequest>();
    empty->setPayloadFormatIndicator("");
    EXPECT_EQ(empty->getTLV(), "63046007");
}

TEST(PaymentRequestPayload, AmountIsWrittenOnlyAsPlainDecimalAboveZero)
{
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setPayloadFormatIndicator("");
    for (const char* amount : {"0", "0.00", "-5", "+150", "1e3", "inf", "nan", "0x1A", "abc", "", " 5", "1..2", "."}) {
        request->setTransactionAmount(std::string(amount));
        EXPECT_EQ(request->getTLV(), "63046007") << amount;
    }
    request->setTransactionAmount("150.00");
    EXPECT_TRUE(request->getTLV().starts_with("5406150.00"));
    request->setTransactionAmount(".5");
    EXPECT_TRUE(request->getTLV().starts_with("5402.5"));
}

TEST(PaymentRequestPayload, EntriesFollowDeclarationOrderAndSkipEmptyFields)
{
    auto request = coretest::validRequest();
    request->setPointOfInitiation(std::string());
    request->setMastercardPan1("M1");
    request->setNpciid2("N2");
    request->setTransactionAmount("5");
    // Declaration order, not ID order: "59" before "52", "61" before "04", "54" after "07"; the
    // empty point of initiation, tip trio and merchant-account fields give no entries.
    EXPECT_EQ(request->getTLV(), "000201021041234567845911Corner Cafe520458126004Pune5802IN5303356"
                                 "61064110010402M10702N25401563047E51");
}

TEST(PaymentRequestPayload, LengthsCountCodePointsAndTheCrcCountsBytes)
{
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setPayloadFormatIndicator("");
    request->setMerchantName("Caf\u00E9"); // 4 code points, 5 bytes
    EXPECT_EQ(request->getTLV(), "5904Caf\u00E96304511C");
    request->setMerchantName("Cafe\u0301"); // one character more as code points
    EXPECT_EQ(request->getTLV(), "5905Cafe\u03016304E042");

    EXPECT_EQ(request->addToTLV("000201", "05", std::nullopt), "000201");
    EXPECT_EQ(request->addToTLV("000201", "05", std::string()), "000201");
    EXPECT_EQ(request->addToTLV("", "59", std::string("Corner Cafe")), "5911Corner Cafe");
    EXPECT_EQ(request->addToTLV("", "60", std::string(9, 'x')), "6009xxxxxxxxx");
    EXPECT_EQ(request->addToTLV("", "60", std::string(10, 'x')), "6010xxxxxxxxxx");
}

TEST(PaymentRequestPayload, ValuesOverNinetyNineCodePointsAreLeftOutWithOneLine)
{
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setPayloadFormatIndicator("");
    request->setPointOfInitiation(std::string(99, '1'));
    EXPECT_TRUE(request->getTLV().starts_with("0199" + std::string(99, '1')));

    {
        platform::DebugLogCapture log;
        request->setPointOfInitiation(std::string(100, '1'));
        request->setMastercardPan1(std::string(120, 'M'));
        request->setTransactionAmount(std::string(100, '9'));
        EXPECT_EQ(request->getTLV(), "63046007");
        EXPECT_EQ(log.lines().size(), 3u);
    }
    {
        // Eight fields of 20 characters: each sub-entry fits, the template does not.
        platform::DebugLogCapture log;
        request->setPointOfInitiation(std::nullopt);
        request->setMastercardPan1("");
        request->setTransactionAmount(std::nullopt);
        request->setBillID(std::string(20, 'b'));
        request->setMobileNumber(std::string(20, 'm'));
        request->setStoreID(std::string(20, 's'));
        request->setLoyaltyNumber(std::string(20, 'l'));
        request->setReferenceID(std::string(20, 'r'));
        EXPECT_EQ(request->getTLV(), "63046007");
        EXPECT_EQ(log.lines().size(), 1u);
        EXPECT_TRUE(log.contains("62"));
    }
}

TEST(PaymentRequestPayload, AdditionalDataFitCheckAtTheTwoDigitLimit)
{
    auto request = NSObject::create<TavroPaymentRequest>();
    const auto fitWithContentOf = [&](std::size_t contentLength) {
        request->setBillID(std::string(contentLength - 9, 'b'));
        request->setPurpose("P"); // "0801P": sub-entries count with their IDs and lengths
        request->setStoreID(std::string());
        return request->getAdditionalTlvValidCount();
    };
    EXPECT_EQ(fitWithContentOf(98), std::make_pair(false, false));
    EXPECT_EQ(fitWithContentOf(99), std::make_pair(false, true));
    EXPECT_EQ(fitWithContentOf(100), std::make_pair(true, true));

    // One value too long to frame still counts as overflowing.
    request->setBillID(std::string(150, 'b'));
    EXPECT_EQ(request->getAdditionalTlvValidCount(), std::make_pair(true, true));

    auto& session = tavro::TavroSessionState::shared();
    session.setSdkType(tavro::SDKType::consumer);
    EXPECT_EQ(request->getAdditionalTlvValidCount(), std::make_pair(false, false));
    session.setSdkType(tavro::SDKType::merchant);

    EXPECT_EQ(NSObject::create<TavroPaymentRequest>()->getAdditionalTlvValidCount(), std::make_pair(false, false));
}

TEST(PaymentRequestPayload, UpdateRewritesTheParserTextIdempotently)
{
    auto& parser = tavro::TLVMapParser::shared();
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setTransactionAmount("25");
    request->setBillID("INV42");

    parser.setTlvString(kScannedBase);
    request->updateTLV();
    EXPECT_EQ(parser.tlvString(), kScannedUpdated);
    request->updateTLV();
    EXPECT_EQ(parser.tlvString(), kScannedUpdated);

    // A changed amount replaces the earlier "54" entry instead of adding a second one.
    request->setTransactionAmount("30");
    request->updateTLV();
    EXPECT_EQ(parser.tlvString(), "000201010212020841234567530335654023062090105INV426304EF0F");
}

TEST(PaymentRequestPayload, ParserTextThatIsNoPayloadGivesNoneOnEveryUpdate)
{
    auto& parser = tavro::TLVMapParser::shared();
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setTransactionAmount("25");
    // Not a run of whole entries closed by the CRC entry; empty text is what a refusal leaves.
    for (const char* text : {"\U0001F600\U0001F6006304ABCD", "", "6304", "000201", "0002016304ABC"}) {
        parser.setTlvString(text);
        for (int call = 1; call <= 3; ++call) {
            platform::DebugLogCapture log;
            request->updateTLV();
            EXPECT_EQ(parser.tlvString(), "") << text << ", call " << call;
            EXPECT_EQ(log.lines().size(), 1u) << text << ", call " << call;
        }
    }
}

TEST(PaymentRequestPayload, DictionaryRequestsWriteFromTheirOwnDictionary)
{
    auto scanned = NSObject::create<TavroPaymentRequest>(coretest::shortMerchantDictionary());
    EXPECT_EQ(tavro::TLVMapParser::shared().tlvString(), kScannedBase);
    scanned->setTransactionAmount("25");
    scanned->setBillID("INV42");
    EXPECT_EQ(scanned->getTLV(), kScannedUpdated);
    EXPECT_EQ(scanned->getTLV(), kScannedUpdated);

    // Another dictionary request in between does not change this one's payload, and a plain
    // request made after both writes its own fields.
    auto other = NSObject::create<TavroPaymentRequest>(AnyValue::Dictionary{{"00", "01"}, {"02", "41111113"}});
    const std::string otherPayload = other->getTLV();
    EXPECT_TRUE(otherPayload.starts_with("0002010208411111136304")) << otherPayload;
    EXPECT_EQ(scanned->getTLV(), kScannedUpdated);
    EXPECT_EQ(workedRequest()->getTLV(), kWorkedPayload);
    EXPECT_EQ(tavro::TLVMapParser::shared().tlvString(), kScannedUpdated);
}

TEST(PaymentRequestPayload, AnUnframedDictionaryGivesNoPayloadAndLeavesLaterRequestsAlone)
{
    // A template of 100 characters holding what reads like an amount entry.
    const std::string account = "5406999.99" + std::string(86, 'n');
    auto unframed =
        NSObject::create<TavroPaymentRequest>(AnyValue::Dictionary{{"00", "01"},
                                                                   {"01", "11"},
                                                                   {"02", "4123456784"},
                                                                   {"26", AnyValue::Dictionary{{"00", account}}},
                                                                   {"52", "5812"},
                                                                   {"53", "356"},
                                                                   {"58", "IN"},
                                                                   {"59", "Corner Cafe"},
                                                                   {"60", "Pune"}});
    unframed->setTransactionAmount("25");
    {
        platform::DebugLogCapture log;
        EXPECT_EQ(unframed->getTLV(), "");
        EXPECT_EQ(log.lines().size(), 1u);
    }
    ASSERT_TRUE(unframed->validate());
    EXPECT_EQ(unframed->validate()->errorCodes(), std::vector<std::string>{"0"});

    // A plain request after it writes its own payload; updates of the emptied text still give none.
    EXPECT_EQ(workedRequest()->getTLV(), kWorkedPayload);
    auto plain = NSObject::create<TavroPaymentRequest>();
    plain->setTransactionAmount("25");
    plain->updateTLV();
    plain->updateTLV();
    EXPECT_EQ(tavro::TLVMapParser::shared().tlvString(), "");
}

TEST(PaymentRequestPayload, AnAmountLeftOutSaysSoInOneLine)
{
    auto request = NSObject::create<TavroPaymentRequest>();
    request->setPayloadFormatIndicator("");
    // Amounts other checks may let through but the payload cannot carry.
    for (const char* amount : {"1e308", "-0", "\u0665", "0"}) {
        platform::DebugLogCapture log;
        request->setTransactionAmount(std::string(amount));
        EXPECT_EQ(request->getTLV(), "63046007") << amount;
        EXPECT_EQ(log.lines().size(), 1u) << amount;
    }
    platform::DebugLogCapture log;
    request->setTransactionAmount(std::nullopt);
    request->getTLV();
    request->setTransactionAmount("");
    request->getTLV();
    EXPECT_TRUE(log.lines().empty());
}
