#include "SessionTestFixture.h"

#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "platform/testing/TestEnvironment.h"

#include <limits>

using namespace sessiontest;

TEST_F(SessionTest, FlowAssignmentReconfiguresTheIdleTimer)
{
    auto config = platform::NSObject::create<tavro::TavroConfig>();
    config->setPaymerchantTimeOutInSeconds(30);
    config->setPayFriendTimeoutInSeconds(40);
    config->setWithdrawCashTimeOutInSeconds(50);
    session()->setConfiguration(config);
    const auto& manager = session()->timeoutManager();

    struct Case {
        TavroActiveFlow flow;
        double length;
        bool armed;
    };
    const double never = std::numeric_limits<double>::infinity();
    for (const Case& c :
         {Case{TavroActiveFlow::none, never, false}, Case{TavroActiveFlow::payMerchant, 30, true},
          Case{TavroActiveFlow::payMerchantAlias, 30, true}, Case{TavroActiveFlow::payFriend, 40, true},
          Case{TavroActiveFlow::aliasPayFriend, 40, true}, Case{TavroActiveFlow::withdrawCash, 50, true},
          Case{TavroActiveFlow::refundPayment, 180, true}, Case{TavroActiveFlow::requestPayment, 180, false},
          Case{TavroActiveFlow::none, never, false}}) {
        SCOPED_TRACE(static_cast<int>(c.flow));
        session()->setActiveSessionType(c.flow);
        EXPECT_EQ(session()->activeIdleTimeout(), c.length);
        EXPECT_EQ(manager->timeoutLength(), c.length);
        bool armed = manager->timer() && manager->timer()->isValid();
        EXPECT_EQ(armed, c.armed);
        if (armed) {
            EXPECT_DOUBLE_EQ(manager->timer()->fireDate(), driver.clock()->now() + c.length);
        }
    }
    EXPECT_EQ(manager->delegate(), session());
}

TEST_F(SessionTest, ActiveCurrencyCodeFollowsTheFlowsRequest)
{
    EXPECT_EQ(session()->activeCurrencyCode(), "356");
    session()->refundPaymentSession()->setRequest(validRefundRequest("978"));
    EXPECT_EQ(session()->activeCurrencyCode(), "356");
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    EXPECT_EQ(session()->activeCurrencyCode(), "978");
    // The reference data reads the same answer through its provider.
    EXPECT_EQ(tavro::activeCurrencyCode(), "978");

    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    EXPECT_EQ(session()->activeCurrencyCode(), "356"); // no request stored yet
    auto request = validPaymentRequest();
    request->setCurrencyCode("840");
    session()->requestPaymentSession()->setRequest(request);
    EXPECT_EQ(session()->activeCurrencyCode(), "840");
    session()->setActiveSessionType(TavroActiveFlow::payFriend);
    EXPECT_EQ(session()->activeCurrencyCode(), "356");
}

TEST_F(SessionTest, ReferenceDataReadsTheConfiguredButtonColours)
{
    auto config = platform::NSObject::create<tavro::TavroConfig>();
    config->setActionButtonColor(platform::UIColor::red());
    config->setActionButtonActiveColor(platform::UIColor::green());
    config->setActionButtonFontColor(platform::UIColor::blue());
    session()->setConfiguration(config);
    auto colors = tavro::configuredActionButtonColors();
    ASSERT_TRUE(colors);
    EXPECT_TRUE(platform::isEqual(colors->actionButtonColor, platform::UIColor::red()));
    EXPECT_TRUE(platform::isEqual(colors->actionButtonActiveColor, platform::UIColor::green()));
    EXPECT_TRUE(platform::isEqual(colors->actionButtonFontColor, platform::UIColor::blue()));
}

TEST_F(SessionTest, CompletedRefundGoesToTheClosureFirstElseTheDelegate)
{
    const auto& refund = session()->refundPaymentSession();
    auto delegate = std::make_shared<RefundPaymentDelegate>();
    std::vector<Result> closureResults;
    refund->setDelegate(delegate);
    refund->setFlowDidFinishCompletionHandler(recordInto(closureResults));
    refund->response()->setRefundAmount("120.00");

    // Success drops a passed error and hands the sub-session's own response.
    refund->sendUpdateForCompletedFlow(true, std::make_shared<tavro::TavroError>("ignored"));
    ASSERT_EQ(closureResults.size(), 1u);
    EXPECT_TRUE(closureResults[0].successful);
    EXPECT_EQ(closureResults[0].response, refund->response());
    EXPECT_FALSE(closureResults[0].error);
    EXPECT_TRUE(delegate->results.empty());

    refund->setFlowDidFinishCompletionHandler(nullptr);
    auto error = std::make_shared<tavro::TavroError>("failed");
    refund->sendUpdateForCompletedFlow(false, error);
    ASSERT_EQ(delegate->results.size(), 1u);
    EXPECT_FALSE(delegate->results[0].successful);
    EXPECT_FALSE(delegate->results[0].response);
    EXPECT_EQ(delegate->results[0].error, error);

    refund->setDelegate(nullptr);
    refund->sendUpdateForCompletedFlow(true, nullptr); // dropped silently
    EXPECT_EQ(delegate->results.size(), 1u);
}

TEST(SessionResetForTesting, TheTestEnvironmentPutsTheFrameworkSingletonsBack)
{
    const auto& session = TavroSession::sharedSession();
    auto& parser = tavro::TLVMapParser::shared();
    auto& state = tavro::TavroSessionState::shared();
    auto window = session->sdkWindow();
    std::shared_ptr<tavro::TAVRORefundPaymentSession> refundBefore;
    {
        platform::TestEnvironment environment;
        auto config = platform::NSObject::create<tavro::TavroConfig>();
        config->setPaymerchantTimeOutInSeconds(30);
        session->setConfiguration(config);
        session->setActiveSessionType(TavroActiveFlow::refundPayment);
        session->setHostAppWindow(window);
        session->setTotalPaymentAmount("12.50");
        session->setSelectedCurrency(tavro::KCurrencyData::create());
        session->setIsScanned(true);
        session->setServiceFee("2");
        session->setCardIndex(3);
        session->requestPaymentSession()->setRequest(validPaymentRequest());
        session->requestPaymentSession()->setIsUpdated(true);
        refundBefore = session->refundPaymentSession();
        refundBefore->response()->setRefundAmount("99");
        session->sdkWindow()->setRootViewController(platform::NSObject::create<platform::UIViewController>());
        session->sdkWindow()->setHidden(false);
        parser.setTLVDataDictionary(platform::AnyValue::Dictionary{{"59", "Cafe"}});
        parser.prepareTLV();
        ASSERT_FALSE(parser.tlvString().empty());
        state.setMerchantSDKEmvCoSupported(true);
        state.setSdkType(tavro::SDKType::consumer);
    }
    EXPECT_EQ(session->sdkWindow(), window) << "the window is kept for good";
    EXPECT_EQ(session->sdkWindow()->rootViewController(), nullptr);
    EXPECT_TRUE(session->sdkWindow()->isHidden());
    EXPECT_EQ(session->activeSessionType(), TavroActiveFlow::none);
    EXPECT_EQ(session->hostAppWindow(), nullptr);
    EXPECT_EQ(session->internalConfiguration()->paymerchantTimeOutInSeconds(),
              platform::NSObject::create<tavro::TavroConfig>()->paymerchantTimeOutInSeconds());
    EXPECT_EQ(session->totalPaymentAmount(), "0.0");
    EXPECT_EQ(session->selectedCurrency(), nullptr);
    EXPECT_FALSE(session->isScanned());
    EXPECT_EQ(session->serviceFee(), "0");
    EXPECT_EQ(session->cardIndex(), 0);
    EXPECT_EQ(session->requestPaymentSession()->request(), nullptr);
    EXPECT_FALSE(session->requestPaymentSession()->isUpdated());
    EXPECT_NE(session->refundPaymentSession(), refundBefore);
    EXPECT_EQ(session->refundPaymentSession()->request()->currencyCode(), "356");
    EXPECT_FALSE(parser.tLVDataDictionary());
    EXPECT_TRUE(parser.tlvString().empty());
    EXPECT_EQ(parser.tavroError(), nullptr);
    EXPECT_FALSE(state.merchantSDKEmvCoSupported());
    EXPECT_EQ(state.sdkType(), tavro::SDKType::merchant);
}
