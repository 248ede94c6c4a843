// The amount row driven as a merchant types: digits enter as minor units of the active currency,
// the digit limit, the bare prefix, the owner's reports, and other currencies' formats.

#include "Common/CellView/AmountRowTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"
#include "platform/foundation/NotificationCenter.h"

using namespace celltest;
using tavro::TAVROAmountCellView;

namespace {

class AmountCellTest : public AmountRowTest {
protected:
    std::shared_ptr<TAVROAmountCellView> makeRow(bool withOwner = true)
    {
        auto row = NSObject::create<TAVROAmountCellView>(CGRect(0, 0, 375, 100));
        row->setCellType(CellType::paymentAmount);
        row->setTitleString("Request Amount");
        if (withOwner)
            row->setCellViewDelegate(owner);
        window = show(row);
        return row;
    }
    std::string text(const TAVROAmountCellView& row) const { return row.inputTextField()->text(); }

    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(AmountCellTest, DigitsEnterFromTheRight)
{
    auto row = makeRow();
    EXPECT_EQ(text(*row), "INR 0.00");
    EXPECT_EQ(row->amountTextFieldCount(), 12);
    EXPECT_EQ(row->inputTextField()->frame(), CGRect(8, 32, 359, 52));

    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(text(*row), "INR ");
    EXPECT_EQ(owner->touched, std::vector<CellType>{CellType::paymentAmount});
    ASSERT_EQ(owner->reports.size(), 1u); // the validation at the start of editing

    // The bare prefix keeps its code: backspace is refused and shows the error look.
    EXPECT_EQ(driver.backspace(), 0u);
    EXPECT_EQ(text(*row), "INR ");
    EXPECT_TRUE(showsErrorLook(*row));

    const std::vector<std::string> shown = {"INR 0.02", "INR 0.25", "INR 2.50", "INR 25.00", "INR 250.00"};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(driver.type(std::string(1, "25000"[i])), 1u);
        EXPECT_EQ(text(*row), shown[i]);
        // One question and one report per keystroke, with the raw and the formatted text.
        EXPECT_EQ(owner->asked.size(), i + 1);
        EXPECT_EQ(owner->reports.size(), i + 2);
        EXPECT_EQ(owner->reports.back(), (Report{CellType::paymentAmount, shown[i], true}));
        EXPECT_TRUE(showsFocusLook(*row));
    }
    EXPECT_EQ(owner->asked.front(), std::optional<std::string>("INR 2"));
    EXPECT_EQ(row->amountValue(), 250.0);

    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_EQ(text(*row), "INR 25.00");
    // A paste that is no amount of the currency changes nothing; digits alone are typed.
    EXPECT_FALSE(driver.paste("1a,2"));
    EXPECT_EQ(text(*row), "INR 25.00");
    ASSERT_TRUE(driver.paste("12"));
    EXPECT_EQ(text(*row), "INR 2,500.12");

    const auto before = owner->reports.size();
    EXPECT_TRUE(driver.pressDone());
    ASSERT_EQ(owner->reports.size(), before + 2); // the validation's report, then the base row's
    EXPECT_EQ(owner->reports.back(), (Report{CellType::paymentAmount, "INR 2,500.12", true}));
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);

    // Beginning to edit a non-zero amount leaves it as it is.
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(text(*row), "INR 2,500.12");
}

TEST_F(AmountCellTest, TheThirteenthDigitIsFlaggedAndTheFourteenthRefused)
{
    auto row = makeRow();
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(driver.type("123456789012"), 12u);
    EXPECT_EQ(text(*row), "INR 1,23,45,67,890.12");
    EXPECT_TRUE(showsFocusLook(*row));

    EXPECT_EQ(driver.type("3"), 1u);
    EXPECT_TRUE(showsErrorLook(*row));
    EXPECT_EQ(owner->reports.back().valid, false);
    EXPECT_FALSE(row->isAmountValid());
    EXPECT_EQ(driver.type("4"), 0u);

    // Deleting is always possible; back at 12 digits the owner's verdict shows again.
    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_TRUE(showsFocusLook(*row));
    EXPECT_EQ(owner->reports.back().valid, true);

    // Validation adds the limit to the owner's verdict, never clears a negative one.
    owner->verdict = [](const auto&) { return false; };
    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_FALSE(row->isVaildCell());
    EXPECT_EQ(owner->reports.back().valid, false);
}

TEST_F(AmountCellTest, WithoutAnOwnerTypingStillFormats)
{
    auto row = makeRow(false);
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(driver.type("99"), 2u);
    EXPECT_EQ(text(*row), "INR 0.99");
    EXPECT_EQ(driver.backspace(2), 2u);
    EXPECT_EQ(text(*row), "INR 0.00"); // deleting back to nothing shows the zero amount
}

TEST_F(AmountCellTest, CurrenciesWithOtherMinorUnitsAndSeparators)
{
    struct Case {
        const char* currency;
        const char* zero;
        const char* typed;
        const char* pasted; // after the typing; a whole amount replaces the field's
        const char* shown;
        double value;
        int caret = -1; // where the paste goes; -1: the end
    };
    const Case cases[] = {
        {"392", "JPY 0", "1234", nullptr, "JPY 1,234", 1234},
        {"048", "BHD 0.000", "1234", nullptr, "BHD 1.234", 1.234},
        // A locale with a decimal comma reads back through its own separators.
        {"752", "SEK 0,00", "123456", nullptr, "SEK 1\u00A0234,56", 1234.56},
        {"356", "INR 0.00", "7", "12.5", "INR 12.50", 12.5},
        {"392", "JPY 0", "", "1,500.75", "JPY 1,500", 1500},
        {"840", "USD 0.00", "", "1,234.50", "USD 1,234.50", 1234.5},
        {"752", "SEK 0,00", "25", "12.5", "SEK 0,25", 0.25},
        {"356", "INR 0.00", "25", "-5", "INR 0.25", 0.25},
        // As typing: the 13th digit enters flagged, a 14th never.
        {"356", "INR 0.00", "25", "12,34,56,78,901.2", "INR 12,34,56,78,901.20", 12345678901.2},
        {"356", "INR 0.00", "25", "123456789012.3", "INR 0.25", 0.25},
        {"356", "INR 0.00", "25", "12345678901234567890", "INR 0.25", 0.25},
        {"048", "BHD 0.000", "5", "999999999999", "BHD 0.005", 0.005, 4}, // before the 0: 16 digits
        // Only the currency's own format: its separators, grouped where its formatter groups, or
        // in threes with "," beside a decimal point; an ordinary space for a no-break one.
        {"356", "INR 0.00", "25", "1,234,567.89", "INR 12,34,567.89", 1234567.89},
        {"840", "USD 0.00", "25", "1,234,567.89", "USD 1,234,567.89", 1234567.89},
        {"710", "ZAR 0,00", "25", "1 234 567,89", "ZAR 1\u00A0234\u00A0567,89", 1234567.89},
        {"356", "INR 0.00", "25", "1.234,56", "INR 0.25", 0.25},
        {"978", "EUR 0.00", "25", "1.234,56", "EUR 0.25", 0.25},
        {"356", "INR 0.00", "25", "12,34", "INR 0.25", 0.25},
        {"356", "INR 0.00", "25", "1,2,3", "INR 0.25", 0.25},
        {"356", "INR 0.00", "25", "1234,567.89", "INR 0.25", 0.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.currency);
        useCurrency(c.currency);
        auto row = makeRow();
        EXPECT_EQ(text(*row), c.zero);
        ASSERT_TRUE(driver.focus(row->inputTextField()));
        EXPECT_EQ(driver.type(c.typed), std::string(c.typed).size());
        if (c.caret >= 0)
            row->inputTextField()->userSelect({static_cast<std::size_t>(c.caret), 0});
        const std::string beforePaste = text(*row);
        // The row refuses a whole amount and shows its own text: the paste reports that change.
        if (c.pasted) {
            EXPECT_EQ(driver.paste(c.pasted), c.shown != beforePaste);
        }
        EXPECT_EQ(text(*row), c.shown);
        EXPECT_EQ(row->amountValue(), c.value);
        driver.pressDone();
    }
    useCurrency("752");
    auto row = makeRow();
    row->setPaymentAmount(98765.4);
    row->validateAmountText();
    EXPECT_EQ(row->amountValue(), 98765.4);
}

TEST_F(AmountCellTest, CallbacksBeforeTheCurrencyIsKnown)
{
    // A row that was not laid out yet has a field but no currency.
    auto row = NSObject::create<TAVROAmountCellView>(CGRect(0, 0, 375, 100));
    auto& field = *row->inputTextField();
    ASSERT_FALSE(row->currencyString());
    EXPECT_EQ(field.text(), "");
    // Deleting in an empty field compares against the empty prefix.
    EXPECT_FALSE(row->textField(field, {0, 0}, ""));
    EXPECT_TRUE(row->textField(field, {0, 0}, "5"));
    EXPECT_TRUE(row->textFieldShouldBeginEditing(field));
    EXPECT_FALSE(row->currencyString());

    // The text-change observer ends with the row.
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();
    row.reset();
    EXPECT_EQ(center.observerCount(), observers - 1);
}
