#include "Common/ConfirmPayment/View/CurrencyPickerTestSupport.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIKeyboardNotifications.h"

#include <algorithm>

using namespace pickertest;
using platform::CGRect;
using platform::IndexPath;

namespace {

const char* const kEmptyMessage = "Sorry! We can\u2019t find any currency with that name.";

int rowOf(const std::vector<tavro::KCurrencyDataPtr>& list, const std::string& id)
{
    auto found = std::find_if(list.begin(), list.end(), [&](const auto& record) { return record->currencyId() == id; });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

bool hasBackground(const platform::UIView& view, const char* hex)
{
    return platform::isEqual(view.backgroundColor(), tavro::colorWithHexString(hex));
}

} // namespace

TEST_F(CurrencyPickerTest, WithoutRecentCurrenciesOneUntitledSectionListsEveryCurrencyAndHighlightsTheActiveOne)
{
    launchFlow("840");
    auto unopened = platform::NSObject::create<TAVROCurrencySelectionView>(platform::UIScreen::main()->bounds());
    EXPECT_EQ(unopened->alpha(), 0) << "made invisible; show() fades it in";

    auto picker = openPicker();
    EXPECT_EQ(picker->alpha(), 1);
    EXPECT_EQ(platform::UIView::animationLog().back().duration, 0.2);
    EXPECT_EQ(session()->sdkWindow()->viewWithTag(pickerTag), picker);
    EXPECT_EQ(picker->contentView()->frame(), CGRect(24, 60, 327, 547));
    EXPECT_EQ(picker->tableView()->frame(), CGRect(0, 100, 327, 447));
    EXPECT_EQ(picker->errorView()->frame(), picker->tableView()->frame());
    EXPECT_TRUE(picker->errorView()->isHidden());
    EXPECT_EQ(picker->currentY(), 100);
    auto field = searchField(*picker);
    ASSERT_TRUE(field);
    EXPECT_EQ(field->placeholder(), std::optional<std::string>("Search"));
    EXPECT_EQ(field->frame(), CGRect(16, 0, 295, 44));

    const auto& table = picker->tableView();
    ASSERT_EQ(table->numberOfSections(), 1);
    EXPECT_EQ(table->numberOfRows(0), 177);
    EXPECT_FALSE(table->headerView(0)) << "the empty title gives no header";
    EXPECT_EQ(table->rectForRow({0, 0}), CGRect(0, 0, 327, 60));

    auto first = table->cellForRow({0, 0});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->accessibilityIdentifier(), std::optional<std::string>("CurrencyCell0"));
    EXPECT_EQ(first->textLabel()->text(), std::optional<std::string>("AED - United Arab Emirates dirham"));
    EXPECT_EQ(first->textLabel()->font()->pointSize(), 14);
    EXPECT_TRUE(platform::isEqual(first->textLabel()->textColor(), tavro::colorWithHexString("#1D2A59")));
    EXPECT_FALSE(first->isSelected());
    EXPECT_TRUE(platform::isEqual(first->contentView()->backgroundColor(), platform::UIColor::white()));

    const int usd = rowOf(picker->filteredCurrenciesArr(), "USD");
    ASSERT_GE(usd, 0);
    table->scrollToRow({0, usd}, platform::UITableViewScrollPosition::middle, false);
    auto active = table->cellForRow({0, usd});
    ASSERT_TRUE(active);
    EXPECT_EQ(active->accessibilityIdentifier(), "CurrencyCell" + std::to_string(usd));
    EXPECT_EQ(active->textLabel()->text(), std::optional<std::string>("USD - United States dollar"));
    EXPECT_TRUE(active->isSelected()) << "the active currency 840 is highlighted";
    EXPECT_TRUE(hasBackground(*active->contentView(), "#F2F4F8"));
}

TEST_F(CurrencyPickerTest, RecentlyUsedCurrenciesGetTheirOwnSection)
{
    choose("978");
    choose("978");
    choose("356");
    choose("392");  // chosen last: first in the section
    launchFlow("356");
    auto picker = openPicker();
    const auto& table = picker->tableView();
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(sectionIds(*picker, 0), (std::vector<std::string>{"JPY", "EUR", "INR"}));
    EXPECT_EQ(table->numberOfRows(1), 174);
    EXPECT_TRUE(driver.findText("Recently Used"));
    EXPECT_EQ(picker->titleForHeaderInSection(*table, 1), std::optional<std::string>("Currencies"));

    auto inr = table->cellForRow({0, 2});
    ASSERT_TRUE(inr);
    EXPECT_EQ(inr->accessibilityIdentifier(), std::optional<std::string>("CurrencyCell2"));
    EXPECT_TRUE(inr->isSelected()) << "356 is active";
    EXPECT_EQ(table->cellForRow({1, 0})->accessibilityIdentifier(), std::optional<std::string>("CurrencyCell0"))
        << "row numbers restart in each section";
}

TEST_F(CurrencyPickerTest, TypingFiltersBothSectionsByCodeOrNameInAnyCase)
{
    choose("978");
    choose("356");
    choose("392");
    launchFlow();
    auto picker = openPicker();
    const auto& table = picker->tableView();
    ASSERT_TRUE(driver.focus(searchField(*picker)));

    for (const char* typed : {"USD", "usd", "uSd"}) {
        SCOPED_TRACE(typed);
        driver.type(typed);
        EXPECT_EQ(table->numberOfSections(), 1) << "no recently used currency matches";
        EXPECT_EQ(sectionIds(*picker, 0), std::vector<std::string>{"USD"});
        EXPECT_TRUE(picker->errorView()->isHidden());
        driver.backspace(3);
    }

    driver.type("DOLLAR");
    auto dollars = sectionIds(*picker, 0);
    EXPECT_EQ(dollars.size(), 24u) << "every name holding the word";
    for (const char* id : {"AUD", "CAD", "USD", "ZWL"})
        EXPECT_NE(std::find(dollars.begin(), dollars.end(), id), dollars.end()) << id;
    EXPECT_TRUE(std::is_sorted(dollars.begin(), dollars.end())) << "stored (alphabetical) order kept";
    driver.backspace(6);

    driver.type("rupee");
    ASSERT_EQ(table->numberOfSections(), 2) << "INR is recently used";
    EXPECT_EQ(sectionIds(*picker, 0), std::vector<std::string>{"INR"});
    EXPECT_EQ(sectionIds(*picker, 1), (std::vector<std::string>{"LKR", "MUR", "NPR", "PKR", "SCR"}));
    driver.backspace(5);

    // Only a recently used currency matches: its section shows and the message stays away.
    driver.type("yen");
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(sectionIds(*picker, 0), std::vector<std::string>{"JPY"});
    EXPECT_EQ(table->numberOfRows(1), 0);
    EXPECT_TRUE(picker->errorView()->isHidden());
    driver.backspace(3);

    // Numeric codes are not searched.
    driver.type("356");
    EXPECT_EQ(table->numberOfSections(), 1);
    EXPECT_EQ(table->numberOfRows(0), 0);
    EXPECT_FALSE(picker->errorView()->isHidden());
    EXPECT_EQ(driver.findText(kEmptyMessage)->superview(), picker->errorView());

    driver.backspace(3);
    EXPECT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->numberOfRows(0), 3);
    EXPECT_EQ(table->numberOfRows(1), 174);
    EXPECT_EQ(picker->filteredCurrenciesArr(), picker->currenciesArr());
    EXPECT_TRUE(picker->errorView()->isHidden());
    EXPECT_FALSE(driver.findText(kEmptyMessage));
}

TEST_F(CurrencyPickerTest, PickingStoresTheCurrencyAndReportsItsCodeAfterTheFadeAndRemoval)
{
    choose("978");
    choose("392");
    launchFlow();

    for (bool recentSection : {true, false}) {
        SCOPED_TRACE(recentSection ? "Recently Used" : "Currencies");
        delegate->reports.clear();
        std::weak_ptr<TAVROCurrencySelectionView> released;
        {
            auto picker = openPicker();
            released = picker;
            IndexPath row{0, 1};  // EUR, after JPY
            if (!recentSection) {
                ASSERT_TRUE(driver.focus(searchField(*picker)));
                driver.type("Rupee");
                row = {0, 3};  // no recent match, one section: INR, LKR, MUR, NPR
            }
            const auto record = recentSection ? picker->filteredRecentCurrenciesArr()->at(1)
                                              : picker->filteredCurrenciesArr().at(3);
            ASSERT_TRUE(driver.tapRow(picker->tableView(), row));
            EXPECT_EQ(session()->selectedCurrency(), record) << "stored at once";
            EXPECT_TRUE(delegate->reports.empty()) << "reported only after the fade";
            EXPECT_EQ(picker->alpha(), 0);
            driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
            ASSERT_EQ(delegate->reports.size(), 1u);
            EXPECT_EQ(delegate->reports[0].currency, recentSection ? "978" : "524");
            EXPECT_FALSE(delegate->reports[0].pickerInSuperview);
            EXPECT_EQ(delegate->reports[0].selectedCurrency, record);
            EXPECT_FALSE(session()->sdkWindow()->viewWithTag(pickerTag));
        }
        driver.advanceBy(1);
        EXPECT_TRUE(released.expired()) << "a closed picker is released";
        EXPECT_EQ(delegate->reports.size(), 1u);
    }
}

TEST_F(CurrencyPickerTest, CloseReportsTheActiveCurrencyAndLeavesTheChoiceAlone)
{
    launchFlow("356");
    auto earlier = tavro::KCurrencyData::create();
    earlier->setCurrencyCode("978");
    session()->setSelectedCurrency(earlier);

    auto picker = openPicker();
    ASSERT_TRUE(driver.tap(closeButton(*picker)));
    EXPECT_EQ(picker->superview(), session()->sdkWindow()) << "removed only after the fade";
    driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
    ASSERT_EQ(delegate->reports.size(), 1u);
    EXPECT_EQ(delegate->reports[0].currency, "356");
    EXPECT_FALSE(delegate->reports[0].pickerInSuperview);
    EXPECT_EQ(session()->selectedCurrency(), earlier);

    // The owner closing an open picker, with its delegate already gone: the picker still goes.
    std::weak_ptr<TAVROCurrencySelectionView> released;
    {
        auto second = openPicker();
        released = second;
        delegate.reset();
        second->hideView(session()->activeCurrencyCode());
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
        EXPECT_FALSE(second->superview());
    }
    EXPECT_TRUE(released.expired());
}

TEST_F(CurrencyPickerTest, KeyboardSetsTheTableBottomInsetUntilThePickerCloses)
{
    launchFlow();
    platform::UIKeyboard::shared().setHeight(300);
    auto picker = openPicker();
    const auto& table = picker->tableView();

    ASSERT_TRUE(driver.focus(searchField(*picker)));
    EXPECT_EQ(table->contentInset().bottom, 0) << "set when the keyboard is up, not when it starts";
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    EXPECT_EQ(table->contentInset(), (platform::UIEdgeInsets{0, 0, 300, 0}));

    EXPECT_TRUE(driver.pressReturn());
    EXPECT_FALSE(searchField(*picker)->isEditing()) << "return gives up the keyboard";
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    EXPECT_EQ(table->contentInset(), platform::UIEdgeInsets::zero());

    ASSERT_TRUE(driver.focus(searchField(*picker)));
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    ASSERT_EQ(table->contentInset().bottom, 300);
    ASSERT_TRUE(driver.tap(closeButton(*picker)));
    driver.advanceBy(1);
    ASSERT_FALSE(picker->superview());
    EXPECT_EQ(table->contentInset().bottom, 300) << "a closed picker no longer follows the keyboard";
    platform::NotificationCenter::defaultCenter().post(
        platform::UIKeyboardDidShowNotification, nullptr,
        {{platform::UIKeyboardFrameEndUserInfoKey, platform::userInfoValue(CGRect(0, 500, 375, 167))}});
    EXPECT_EQ(table->contentInset().bottom, 300);
    platform::UIKeyboard::shared().reset();
}
