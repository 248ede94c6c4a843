// The FX amount row typed into through the driver: digits entering as minor units, the digit
// limit, the owner's calls, currencies with 0, 2 and 3 fraction digits and a decimal-comma locale.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"

using namespace celltest;
using tavro::TAVROFXAmountCellView;

namespace {

class FXAmountTest : public CellTest {
protected:
    std::shared_ptr<TAVROFXAmountCellView> row(CellType type = CellType::paymentAmount)
    {
        auto made = NSObject::create<TAVROFXAmountCellView>(CGRect(0, 0, 265, 98));
        made->setCellViewDelegate(owner);
        made->setCellType(type);
        window = show(made);
        return made;
    }
    // Makes `code` the active currency (through the refund flow's request).
    void useCurrency(const std::string& code)
    {
        session()->setActiveSessionType(TavroActiveFlow::refundPayment);
        session()->refundPaymentSession()->request()->setCurrencyCode(code);
    }
    // Types each character and collects what the field shows after it.
    std::vector<std::string> typeEach(const TAVROFXAmountCellView& made, std::string_view digits)
    {
        std::vector<std::string> shown;
        for (char digit : digits) {
            driver.type(std::string(1, digit));
            shown.push_back(made.inputTextField()->text());
        }
        return shown;
    }
    static bool showsError(const TAVROFXAmountCellView& made)
    {
        return platform::isEqual(made.colorStatusBar()->backgroundColor(), tavro::errorRedColor());
    }

    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(FXAmountTest, DigitsEnterAsMinorUnitsAndAreReported)
{
    auto made = NSObject::create<TAVROFXAmountCellView>(CGRect(0, 0, 265, 98));
    EXPECT_EQ(made->amountTextFieldCount(), 0); // no limit before the first layout
    made = row();
    EXPECT_EQ(made->inputTextField()->text(), "0.00");
    EXPECT_EQ(made->currencyString(), "INR");
    EXPECT_EQ(made->amountTextFieldCount(), 12);
    EXPECT_EQ(made->inputTextField()->font()->pointSize(), 30);

    ASSERT_TRUE(driver.focus(made->inputTextField()));
    EXPECT_EQ(owner->touched, std::vector<CellType>{CellType::paymentAmount});
    owner->reports.clear();
    EXPECT_EQ(typeEach(*made, "12345"), (std::vector<std::string>{"0.01", "0.12", "1.23", "12.34", "123.45"}));
    driver.backspace();
    EXPECT_EQ(made->inputTextField()->text(), "12.34");
    EXPECT_EQ(made->amountValue(), 12.34);
    // Asked once per change with the raw text, reported once with the shown text.
    EXPECT_EQ(owner->asked.size(), 6u);
    EXPECT_EQ(owner->asked.front(), "0.001");
    ASSERT_EQ(owner->reports.size(), 6u);
    EXPECT_EQ(owner->reports.back(), (Report{CellType::paymentAmount, "12.34", true}));

    // The owner's refusal is shown and reported, while the digits stay within the limit.
    owner->verdict = [](const std::optional<std::string>&) { return false; };
    driver.type("5");
    EXPECT_FALSE(made->isVaildCell());
    EXPECT_EQ(owner->reports.back(), (Report{CellType::paymentAmount, "123.45", false}));

    // Emptied by the owner, the next digit still counts in minor units.
    owner->verdict = nullptr;
    made->setAmount("", "INR");
    EXPECT_EQ(made->inputTextField()->text(), "");
    driver.type("5");
    EXPECT_EQ(made->inputTextField()->text(), "0.05");

    // Grouping is read back: 1,234.56 is 1234.56.
    made->setPaymentAmount(1234.56);
    EXPECT_EQ(made->inputTextField()->text(), "1,234.56");
    driver.type("7");
    EXPECT_EQ(made->inputTextField()->text(), "12,345.67");
    EXPECT_EQ(made->amountValue(), 12345.67);
}

TEST_F(FXAmountTest, DigitLimitAcceptsOneOverAndRefusesTheNext)
{
    auto made = row();
    driver.focus(made->inputTextField());
    typeEach(*made, "999999999999");
    EXPECT_EQ(made->inputTextField()->text(), "9,99,99,99,999.99"); // "0.00" counted three digits; Indian grouping
    EXPECT_FALSE(showsError(*made));
    driver.type("1"); // the 13th digit: shown, error look, reported invalid
    EXPECT_EQ(made->inputTextField()->text(), "99,99,99,99,999.91");
    EXPECT_TRUE(showsError(*made));
    EXPECT_FALSE(owner->reports.back().valid);
    const auto reports = owner->reports.size();
    driver.type("2"); // the 14th is refused
    EXPECT_EQ(made->inputTextField()->text(), "99,99,99,99,999.91");
    EXPECT_EQ(owner->reports.size(), reports);
    driver.backspace(); // deletions always pass
    EXPECT_EQ(made->inputTextField()->text(), "9,99,99,99,999.99");
    EXPECT_TRUE(owner->reports.back().valid);

    // A tip row allows 10 digits after its first layout.
    auto tip = row(CellType::addTip);
    EXPECT_EQ(tip->amountTextFieldCount(), 10);
    driver.focus(tip->inputTextField());
    typeEach(*tip, "12345678901");
    EXPECT_EQ(tip->inputTextField()->text(), "12,34,56,789.01");
    EXPECT_TRUE(showsError(*tip));
}

TEST_F(FXAmountTest, CurrenciesWithOtherFractionsAndLocales)
{
    // No minor unit: every digit is a whole yen.
    useCurrency("392");
    auto yen = row();
    EXPECT_EQ(yen->inputTextField()->text(), "0");
    EXPECT_EQ(yen->currencyString(), "JPY");
    driver.focus(yen->inputTextField());
    EXPECT_EQ(typeEach(*yen, "123"), (std::vector<std::string>{"1", "12", "123"}));

    // Three fraction digits.
    useCurrency("048");
    auto dinar = row();
    EXPECT_EQ(dinar->inputTextField()->text(), "0.000");
    driver.focus(dinar->inputTextField());
    EXPECT_EQ(typeEach(*dinar, "12"), (std::vector<std::string>{"0.001", "0.012"}));

    // A decimal-comma locale: the shown amount is read back in that locale.
    useCurrency("752");
    auto krona = row();
    driver.focus(krona->inputTextField());
    typeEach(*krona, "123456");
    const auto shown = krona->inputTextField()->text();
    EXPECT_NE(shown.find(','), std::string::npos) << shown;
    EXPECT_EQ(krona->amountValue(), 1234.56) << shown;

    // Switching the active currency changes nothing until the text changes.
    useCurrency("356");
    EXPECT_EQ(krona->inputTextField()->text(), shown);
    driver.type("7");
    EXPECT_EQ(krona->inputTextField()->text(), "12,345.67");

    // A code the formatter cannot place leaves the field empty and the amount absent.
    useCurrency("933");
    driver.type("1");
    EXPECT_EQ(krona->inputTextField()->text(), "");
    EXPECT_EQ(krona->amountValue(), std::nullopt);
}
