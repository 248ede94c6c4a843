#pragma once
// Fixture of the currency picker tests: a refund flow on screen (so the session has an active
// currency and the framework's window shows), empty user defaults, and a picker opened the way
// its owner opens it: screen-sized, tagged, added to the framework's window, faded in.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"

#include <memory>
#include <string>
#include <vector>

namespace pickertest {

using tavro::TAVROCurrencySelectionView;

// Records what the picker reports, and where the picker and the session's choice were then.
struct PickerDelegate : tavro::TAVROCurrencySelectionViewDelegate {
    struct Report {
        std::string currency;
        bool pickerInSuperview = false;
        tavro::KCurrencyDataPtr selectedCurrency;
    };
    std::vector<Report> reports;
    std::weak_ptr<TAVROCurrencySelectionView> picker;

    void didCloseSelectionView(const std::string& currency) override
    {
        auto shown = picker.lock();
        reports.push_back({currency, shown && shown->superview(),
                           sessiontest::TavroSession::sharedSession()->selectedCurrency()});
    }
};

class CurrencyPickerTest : public sessiontest::SessionTest {
protected:
    static constexpr int pickerTag = 10029;

    void SetUp() override
    {
        platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory());
        SessionTest::SetUp();
        session()->setSelectedCurrency(nullptr);
    }
    void TearDown() override
    {
        // The framework's window lives for the whole process: take away pickers left open.
        const auto views = session()->sdkWindow()->subviews();
        for (const auto& view : views) {
            if (std::dynamic_pointer_cast<TAVROCurrencySelectionView>(view))
                view->removeFromSuperview();
        }
        SessionTest::TearDown();
        session()->setSelectedCurrency(nullptr);
        platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory());
    }

    // Shows a refund flow in `currency`, which becomes the session's active currency.
    void launchFlow(const std::string& currency = "840")
    {
        tavro::TavroMerchantSDK::launchRefundPaymentFlow(sessiontest::validRefundRequest(currency),
                                                        [](bool, auto, auto) {});
        finishSlide();
    }

    std::shared_ptr<TAVROCurrencySelectionView> openPicker()
    {
        auto picker = platform::NSObject::create<TAVROCurrencySelectionView>(platform::UIScreen::main()->bounds());
        picker->setTag(pickerTag);
        delegate->picker = picker;
        picker->setCurrencySelectionDelegate(delegate);
        session()->sdkWindow()->addSubview(picker);
        picker->show();
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
        return picker;
    }

    static platform::UIViewPtr header(const TAVROCurrencySelectionView& picker) { return picker.contentView()->subviews().at(0); }
    static std::shared_ptr<platform::UIButton> closeButton(const TAVROCurrencySelectionView& picker)
    {
        for (const auto& view : header(picker)->subviews()) {
            if (auto button = std::dynamic_pointer_cast<platform::UIButton>(view))
                return button;
        }
        return nullptr;
    }
    static std::shared_ptr<platform::UITextField> searchField(const TAVROCurrencySelectionView& picker)
    {
        return std::dynamic_pointer_cast<platform::UITextField>(picker.contentView()->subviews().at(1)->subviews().at(0));
    }
    // The alphabetic codes a section of the table shows.
    static std::vector<std::string> sectionIds(TAVROCurrencySelectionView& picker, int section)
    {
        std::vector<std::string> ids;
        const auto& list = picker.tableView()->numberOfSections() == 2 && section == 0
            ? *picker.filteredRecentCurrenciesArr()
            : picker.filteredCurrenciesArr();
        EXPECT_EQ(picker.tableView()->numberOfRows(section), static_cast<int>(list.size()));
        for (const auto& record : list)
            ids.push_back(record->currencyId());
        return ids;
    }
    // Records a choice the way the currency rows of the forms do.
    static void choose(const std::string& code) { tavro::KCurrencyData::shared()->increaseCurrencyCount(code); }

    std::shared_ptr<PickerDelegate> delegate = std::make_shared<PickerDelegate>();
};

} // namespace pickertest
