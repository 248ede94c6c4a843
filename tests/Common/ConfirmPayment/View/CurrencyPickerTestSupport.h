#pragma once
// Fixture of the currency picker tests: empty user defaults, a refund flow on screen (so the
// session has an active currency and the framework's window shows), and a picker opened the way
// its owner opens it: screen-sized, tagged 10029, added to the framework's window, faded in.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"

namespace pickertest {

using tavro::TAVROCurrencySelectionView;

// Records each report with whether the picker was still in a superview and the session's choice.
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
        reports.push_back(
            {currency, shown && shown->superview(), sessiontest::TavroSession::sharedSession()->selectedCurrency()});
    }
};

class CurrencyPickerTest : public sessiontest::SessionTest {
protected:
    void SetUp() override
    {
        platform::UserDefaults::setStandardForTesting(platform::UserDefaults::inMemory());
        SessionTest::SetUp();
    }
    void TearDown() override
    {
        // The framework's window lives as long as the process: take away pickers left open.
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
        picker->setTag(10029);
        delegate->picker = picker;
        picker->setCurrencySelectionDelegate(delegate);
        session()->sdkWindow()->addSubview(picker);
        picker->show();
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
        return picker;
    }
    void closeAndFade(const TAVROCurrencySelectionView& picker)
    {
        ASSERT_TRUE(driver.tap(closeButton(picker)));
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
    }

    static std::shared_ptr<platform::UIButton> closeButton(const TAVROCurrencySelectionView& picker)
    {
        return std::dynamic_pointer_cast<platform::UIButton>(picker.contentView()->subviews().at(0)->subviews().back());
    }
    static std::shared_ptr<platform::UITextField> searchField(const TAVROCurrencySelectionView& picker)
    {
        return std::dynamic_pointer_cast<platform::UITextField>(
            picker.contentView()->subviews().at(1)->subviews().at(0));
    }
    // The alphabetic codes of the currencies a table section shows, read from its cells.
    static std::vector<std::string> sectionIds(const TAVROCurrencySelectionView& picker, int section)
    {
        std::vector<std::string> ids;
        const auto& table = picker.tableView();
        for (int row = 0; row < table->numberOfRows(section); ++row) {
            table->scrollToRow({section, row}, platform::UITableViewScrollPosition::none, false);
            ids.push_back(table->cellForRow({section, row})->textLabel()->text()->substr(0, 3));
        }
        return ids;
    }
    // Records a choice the way the forms' currency rows do.
    static void choose(const std::string& code) { tavro::KCurrencyData::shared()->increaseCurrencyCount(code); }

    std::shared_ptr<PickerDelegate> delegate = std::make_shared<PickerDelegate>();
};

} // namespace pickertest
