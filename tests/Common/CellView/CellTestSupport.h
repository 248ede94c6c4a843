#pragma once
// Shared by the row tests: a fixture that puts the session back to its start state around every
// case and gives a UI driver on the manual clock, and an owner that records what rows tell it.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
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
};

class CellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tavro::TavroMerchantSDK::start();
        resetSession();
    }
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

    // Writes `view` as "rows/<name>.png" under the artifacts folder and returns its picture.
    platform::UIImagePtr snap(const platform::UIViewPtr& view, const std::string& name)
    {
        EXPECT_TRUE(driver.writePNG(view, "rows/" + name)) << name;
        auto image = driver.render(view);
        EXPECT_TRUE(image);
        return image;
    }

    // Makes a row in a shown form, for expectRowsGoAway().
    using RowMaker = std::function<platform::UIViewPtr(const platform::UIViewPtr& host)>;

    // Makes each kind of row 1,000 times in a shown form and drops it; then no row is alive, no
    // notification observer is left and no animation is pending.
    void expectRowsGoAway(const std::vector<std::pair<const char*, RowMaker>>& makers)
    {
        auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
        auto window = show(host);
        auto& center = platform::NotificationCenter::defaultCenter();
        const auto observers = center.observerCount();
        for (const auto& [name, make] : makers) {
            SCOPED_TRACE(name);
            std::vector<std::weak_ptr<platform::UIView>> made;
            for (int i = 0; i < 1000; ++i) {
                auto row = make(host);
                row->removeFromSuperview();
                made.push_back(row);
            }
            driver.advanceBy(1);
            EXPECT_EQ(std::count_if(made.begin(), made.end(), [](const auto& row) { return !row.expired(); }), 0);
            EXPECT_EQ(center.observerCount(), observers);
            EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);
        }
    }

    platform::UIDriver driver;
    std::shared_ptr<RecordingOwner> owner = std::make_shared<RecordingOwner>();
};

} // namespace celltest
