#pragma once
// Shared by the form and editor tests: an owner that records what a payment form tells it, and a
// fixture that shows a form in a window of its own.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UINavigationController.h"

#include <map>
#include <string>
#include <vector>

namespace formtest {

using platform::CGRect;
using platform::NSObject;
using tavro::CellType;
using tavro::TAVROPaymentCellModel;
using tavro::TAVROPaymentScrollView;

class RecordingOwner : public tavro::TAVROCellViewProtocol {
public:
    bool verdict = true;
    int asked = 0;
    std::vector<std::string> messages;
    std::vector<std::string> buttonCalls; // "enable" / "disable", in order
    std::vector<std::string> totals;
    std::vector<std::string> currencies;

    bool isVaildData(tavro::TAVROCellView&, const std::optional<std::string>&) override
    {
        ++asked;
        return verdict;
    }
    void cellViewType(CellType, const std::optional<std::string>&, bool) override {}
    void touchedTextField(CellType, const std::shared_ptr<platform::UITextField>&) override {}
    void showGSMError(const std::string& message) override { messages.push_back(message); }
    void disableUpdateButton() override { buttonCalls.push_back("disable"); }
    void enableUpdateButton() override { buttonCalls.push_back("enable"); }
    void didChangeCurrency(const std::string& currency) override { currencies.push_back(currency); }
    void updateTotalAmount(const std::string& total) override { totals.push_back(total); }
};

// The top-level entries of a payload (ID to value), lengths in code points; stops at the first
// malformed entry.
inline std::map<std::string, std::string> topLevelEntries(const std::string& payload)
{
    std::map<std::string, std::string> entries;
    const auto points = platform::text::toUtf32(payload);
    const auto digit = [&points](std::size_t at) { return points[at] >= U'0' && points[at] <= U'9'; };
    for (std::size_t at = 0; at + 4 <= points.size() && digit(at + 2) && digit(at + 3);) {
        const auto length = (points[at + 2] - U'0') * 10 + (points[at + 3] - U'0');
        if (at + 4 + length > points.size())
            break;
        entries[platform::text::fromUtf32(points.substr(at, 2))] = platform::text::fromUtf32(points.substr(at + 4, length));
        at += 4 + length;
    }
    return entries;
}

inline tavro::TAVROPaymentCellModelPtr model(CellType type, std::optional<std::string> value = std::nullopt,
                                             std::optional<std::string> title = std::string("Bill Number"))
{
    return NSObject::create<TAVROPaymentCellModel>(type, std::move(title), std::move(value));
}

class PaymentFormTest : public sessiontest::SessionTest {
protected:
    // A form for `flow` (also the session's flow, with a request for the request flow), built from
    // `models` in a window, laid out.
    std::shared_ptr<TAVROPaymentScrollView> buildForm(tavro::TavroActiveFlow flow,
                                                      std::vector<tavro::TAVROPaymentCellModelPtr> models,
                                                      platform::CGFloat headerHeight = 130)
    {
        session()->setActiveSessionType(flow);
        if (!session()->requestPaymentSession()->request())
            session()->requestPaymentSession()->setRequest(sessiontest::validPaymentRequest());
        auto form = NSObject::create<TAVROPaymentScrollView>(CGRect(0, 0, 375, 517));
        form->setScreenType(flow);
        form->setPaymentDelegate(owner);
        form->setPaymentHeaderHeight(headerHeight);
        window = NSObject::create<platform::UIWindow>();
        window->setRootViewController(NSObject::create<platform::UIViewController>());
        window->rootViewController()->view()->addSubview(form);
        window->makeKeyAndVisible();
        form->prepareView(std::move(models));
        driver.runUntilIdle();
        return form;
    }

    std::shared_ptr<RecordingOwner> owner = std::make_shared<RecordingOwner>();
    std::shared_ptr<platform::UIWindow> window;
};

// The request-payment flow driven through its screens.
class RequestFlowTest : public sessiontest::SessionTest {
protected:
    using Editor = tavro::TAVRORequestPaymentDetailsViewController;

    std::shared_ptr<platform::UINavigationController> navigation()
    {
        return std::dynamic_pointer_cast<platform::UINavigationController>(
            session()->sdkWindow()->rootViewController());
    }
    template <class T>
    std::shared_ptr<T> top()
    {
        return std::dynamic_pointer_cast<T>(navigation()->topViewController());
    }
    // Launches the flow with `request` unless one runs, then opens the editor by its button.
    std::shared_ptr<Editor> openEditor(std::shared_ptr<tavro::TavroPaymentRequest> request = nullptr)
    {
        if (request) {
            tavro::TavroMerchantSDK::launchRequestPaymentFlow(std::move(request), [](bool, auto, auto) {});
            finishSlide();
        }
        driver.runUntilIdle();
        if (!driver.tap("Payment_Details_Button"))
            return nullptr;
        driver.advanceBy(0.5);
        return top<Editor>();
    }
    bool updateEnabled() { return driver.find<platform::UIControl>("Update_Payment_Details_Button")->isEnabled(); }
    // Taps UPDATE and lets the pop finish; true when the editor left.
    bool pressUpdate()
    {
        driver.tap("Update_Payment_Details_Button");
        driver.advanceBy(0.5);
        return !top<Editor>();
    }
    const std::shared_ptr<tavro::TavroPaymentRequest>& sessionRequest()
    {
        return session()->requestPaymentSession()->request();
    }
};

} // namespace formtest
