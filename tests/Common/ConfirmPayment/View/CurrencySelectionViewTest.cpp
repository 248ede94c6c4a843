#include "Common/ConfirmPayment/View/CurrencyPickerTestSupport.h"

#include "platform/ui/UIKeyboard.h"

using namespace pickertest;
using Ids = std::vector<std::string>;

TEST_F(CurrencyPickerTest, WithoutRecentCurrenciesOneUntitledSectionHighlightsTheActiveCurrency)
{
    launchFlow("840");
    auto picker = openPicker();
    const auto& table = picker->tableView();
    ASSERT_EQ(table->numberOfSections(), 1);
    EXPECT_EQ(table->numberOfRows(0), 177);
    EXPECT_FALSE(table->headerView(0)) << "an empty title, so no header";
    EXPECT_EQ(table->rectForRow({0, 1}).size.height, 60);
    EXPECT_EQ(table->cellForRow({0, 0})->textLabel()->text(),
              std::optional<std::string>("AED - United Arab Emirates dirham"));

    const int usd = 148; // table order
    table->scrollToRow({0, usd}, platform::UITableViewScrollPosition::middle, false);
    auto active = table->cellForRow({0, usd});
    ASSERT_TRUE(active);
    EXPECT_EQ(active->accessibilityIdentifier(), std::optional<std::string>("CurrencyCell148"));
    EXPECT_EQ(active->textLabel()->text(), std::optional<std::string>("USD - United States dollar"));
    EXPECT_TRUE(active->isSelected());
    EXPECT_FALSE(table->cellForRow({0, usd - 1})->isSelected());
}

TEST_F(CurrencyPickerTest, TypingFiltersBothSectionsByCodeOrNameAndShowsTheMessageOnlyWhenNothingMatches)
{
    choose("978");
    choose("978");
    choose("356");
    choose("392"); // chosen last: first in its section
    launchFlow("356");
    auto picker = openPicker();
    const auto& table = picker->tableView();
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(sectionIds(*picker, 0), (Ids{"JPY", "EUR", "INR"}));
    EXPECT_TRUE(table->cellForRow({0, 2})->isSelected()) << "356 is active";
    EXPECT_EQ(table->numberOfRows(1), 174);
    EXPECT_TRUE(driver.findText("Recently Used"));
    EXPECT_TRUE(driver.findText("Currencies"));
    EXPECT_EQ(table->cellForRow({1, 0})->accessibilityIdentifier(), std::optional<std::string>("CurrencyCell0"));

    ASSERT_TRUE(driver.focus(searchField(*picker)));
    for (const char* typed : {"USD", "usd", "uSd"}) {
        driver.type(typed);
        EXPECT_EQ(table->numberOfSections(), 1) << typed << ": no recently used currency matches";
        EXPECT_EQ(sectionIds(*picker, 0), Ids{"USD"}) << typed;
        driver.backspace(3);
    }
    driver.type("Dollar");
    EXPECT_EQ(table->numberOfRows(0), 24) << "every name holding the word, in any case";
    driver.backspace(6);
    driver.type("rupee");
    EXPECT_EQ(sectionIds(*picker, 0), Ids{"INR"});
    EXPECT_EQ(sectionIds(*picker, 1), (Ids{"LKR", "MUR", "NPR", "PKR", "SCR"}));
    driver.backspace(5);

    // A match among the recently used only: that section shows, the message does not.
    driver.type("yen");
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->numberOfRows(1), 0);
    EXPECT_TRUE(picker->errorView()->isHidden());
    driver.backspace(3);

    driver.type("356"); // numeric codes are not searched
    EXPECT_EQ(table->numberOfSections(), 1);
    EXPECT_EQ(table->numberOfRows(0), 0);
    EXPECT_FALSE(picker->errorView()->isHidden());
    EXPECT_TRUE(driver.findText("Sorry! We can\u2019t find any currency with that name."));

    driver.backspace(3);
    EXPECT_EQ(table->numberOfRows(0), 3);
    EXPECT_EQ(table->numberOfRows(1), 174);
    EXPECT_TRUE(picker->errorView()->isHidden());
}

TEST_F(CurrencyPickerTest, PickingStoresTheCurrencyThenReportsItsCodeAfterTheFadeAndRemoval)
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
            platform::IndexPath row{0, 1}; // EUR, after JPY
            if (!recentSection) {
                ASSERT_TRUE(driver.focus(searchField(*picker)));
                driver.type("Rupee");
                row = {0, 3}; // one section: INR, LKR, MUR, NPR
            }
            ASSERT_TRUE(driver.tapRow(picker->tableView(), row));
            ASSERT_TRUE(session()->selectedCurrency());
            EXPECT_EQ(session()->selectedCurrency()->currencyId(), recentSection ? "EUR" : "NPR") << "stored at once";
            EXPECT_TRUE(delegate->reports.empty());
            driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
            ASSERT_EQ(delegate->reports.size(), 1u);
            EXPECT_EQ(delegate->reports[0].currency, recentSection ? "978" : "524");
            EXPECT_FALSE(delegate->reports[0].pickerInSuperview);
            EXPECT_EQ(delegate->reports[0].selectedCurrency, session()->selectedCurrency());
        }
        EXPECT_TRUE(released.expired()) << "a closed picker is released";
    }
}

TEST_F(CurrencyPickerTest, ASecondCloseDuringTheFadeAfterAPickIsIgnored)
{
    launchFlow("840");
    using Close = std::function<void(TAVROCurrencySelectionView&)>;
    const std::pair<const char*, Close> secondCloses[] = {
        {"the owner closes it", [this](auto& picker) { picker.hideView(session()->activeCurrencyCode()); }},
        {"the close control", [](auto& picker) { picker.closeBtnAction(); }},
        {"another pick", [](auto& picker) { picker.didSelectRowAt(*picker.tableView(), {0, 2}); }},
    };
    for (const auto& [name, secondClose] : secondCloses) {
        SCOPED_TRACE(name);
        delegate->reports.clear();
        auto picker = openPicker();
        ASSERT_TRUE(driver.tapRow(picker->tableView(), {0, 0})); // AED
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration / 2);
        secondClose(*picker);
        driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
        ASSERT_EQ(delegate->reports.size(), 1u);
        EXPECT_EQ(delegate->reports[0].currency, "784");
        ASSERT_TRUE(session()->selectedCurrency());
        EXPECT_EQ(session()->selectedCurrency()->currencyId(), "AED");
        EXPECT_FALSE(picker->superview());
    }
}

TEST_F(CurrencyPickerTest, CloseReportsTheActiveCurrencyAndEndsEvenWithoutADelegate)
{
    launchFlow("356");
    auto earlier = tavro::KCurrencyData::create();
    session()->setSelectedCurrency(earlier);
    auto picker = openPicker();
    ASSERT_TRUE(driver.tap(closeButton(*picker)));
    EXPECT_TRUE(picker->superview()) << "removed only after the fade";
    driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
    ASSERT_EQ(delegate->reports.size(), 1u);
    EXPECT_EQ(delegate->reports[0].currency, "356");
    EXPECT_FALSE(delegate->reports[0].pickerInSuperview);
    EXPECT_EQ(session()->selectedCurrency(), earlier);

    std::weak_ptr<TAVROCurrencySelectionView> released = picker = openPicker();
    delegate.reset(); // held weakly: the picker does not keep it
    picker->hideView(session()->activeCurrencyCode());
    driver.advanceBy(TAVROCurrencySelectionView::fadeDuration);
    EXPECT_FALSE(picker->superview());
    picker.reset();
    EXPECT_TRUE(released.expired());
}

TEST_F(CurrencyPickerTest, KeyboardSetsTheTableBottomInsetUntilThePickerCloses)
{
    launchFlow();
    platform::UIKeyboard::shared().setHeight(300);
    auto picker = openPicker();
    const auto& table = picker->tableView();
    ASSERT_TRUE(driver.focus(searchField(*picker)));
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    EXPECT_EQ(table->contentInset(), (platform::UIEdgeInsets{0, 0, 300, 0}));
    EXPECT_TRUE(driver.pressReturn());
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    EXPECT_EQ(table->contentInset(), platform::UIEdgeInsets::zero());

    ASSERT_TRUE(driver.focus(searchField(*picker)));
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    closeAndFade(*picker);
    driver.advanceBy(platform::UIKeyboard::animationDuration);
    EXPECT_FALSE(platform::UIKeyboard::shared().isVisible());
    EXPECT_EQ(table->contentInset().bottom, 300) << "a closed picker no longer follows the keyboard";
    platform::UIKeyboard::shared().reset();
}
