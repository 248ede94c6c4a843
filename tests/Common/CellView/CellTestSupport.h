#pragma once
// Shared by the row tests: a fixture that puts the session back to its start state around every
// case and gives a UI driver on the manual clock, and an owner that records what rows tell it.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace celltest {

using platform::CGRect;
using platform::NSObject;
using tavro::CellType;
using tavro::TavroActiveFlow;

inline void resetSession()
{
    const auto& session = tavro::TavroSession::sharedSession();
    session->setActiveSessionType(TavroActiveFlow::none);
    session->setIsScanned(false);
    session->setConfiguration(NSObject::create<tavro::TavroConfig>());
    session->refundPaymentSession()->setRequest(NSObject::create<tavro::TavroRefundPaymentRequest>());
    platform::UIView::cancelAllAnimations();
    platform::UIView::clearAnimationLog();
    platform::RunLoop::main().reset();
    platform::UIApplication::shared()->reset();
}

// One cellViewType() report.
struct Report {
    CellType cellType;
    std::optional<std::string> text;
    bool valid;
    bool operator==(const Report&) const = default;
};

// Answers isVaildData() through `verdict` (valid when unset) and records the calls.
class RecordingOwner : public tavro::TAVROCellViewProtocol {
public:
    std::function<bool(const std::optional<std::string>&)> verdict;
    std::vector<std::optional<std::string>> asked;
    std::vector<Report> reports;
    std::vector<CellType> touched;

    bool isVaildData(tavro::TAVROCellView&, const std::optional<std::string>& text) override
    {
        asked.push_back(text);
        return verdict ? verdict(text) : true;
    }
    void cellViewType(CellType type, const std::optional<std::string>& text, bool valid) override
    {
        reports.push_back({type, text, valid});
    }
    void touchedTextField(CellType type, const std::shared_ptr<platform::UITextField>&) override
    {
        touched.push_back(type);
    }
    void showGSMError(const std::string&) override {}
    void disableUpdateButton() override {}
    void enableUpdateButton() override {}
    void didChangeTipsAmount(tavro::TAVROCellView&, double) override {}
    void didChangeCurrency(const std::string&) override {}
    void updateTotalAmount(const std::string&) override {}
};

class CellTest : public ::testing::Test {
protected:
    void SetUp() override { resetSession(); }
    void TearDown() override { resetSession(); }

    static const std::shared_ptr<tavro::TavroSession>& session() { return tavro::TavroSession::sharedSession(); }

    // A key window showing `view`, laid out.
    std::shared_ptr<platform::UIWindow> show(const platform::UIViewPtr& view)
    {
        auto window = NSObject::create<platform::UIWindow>();
        window->setRootViewController(NSObject::create<platform::UIViewController>());
        window->rootViewController()->view()->addSubview(view);
        window->makeKeyAndVisible();
        driver.runUntilIdle();
        return window;
    }

    platform::UIDriver driver;
    std::shared_ptr<RecordingOwner> owner = std::make_shared<RecordingOwner>();
};

} // namespace celltest
