#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"

using namespace celltest;
using tavro::TAVROPaymentCellModel;

namespace {

std::shared_ptr<TAVROPaymentCellModel> model(CellType type, std::optional<std::string> value)
{
    return NSObject::create<TAVROPaymentCellModel>(type, std::string("Title"), std::move(value));
}

} // namespace

TEST(CellTypeTest, RawValuesAndCaseNames)
{
    EXPECT_EQ(tavro::cellTypeFromRawValue(18), CellType::koraCardNumber);
    EXPECT_EQ(tavro::cellTypeFromRawValue(0), CellType::none);
    EXPECT_EQ(tavro::cellTypeFromRawValue(19), std::nullopt);
    EXPECT_EQ(tavro::cellTypeFromRawValue(-1), std::nullopt);
    EXPECT_EQ(tavro::rawValue(CellType::resetButton), 16);
    for (int raw = 0; raw <= 18; ++raw)
        EXPECT_EQ(tavro::rawValue(*tavro::cellTypeFromRawValue(raw)), raw);
    EXPECT_EQ(tavro::caseName(CellType::billNumber), "billNumber");
    EXPECT_EQ(tavro::caseName(CellType::paymentPurpose), "paymentPurpose");
    EXPECT_EQ(tavro::caseName(CellType::koraCardNumber), "koraCardNumber");
}

TEST_F(CellTest, AmountModelsAreFormattedForTheActiveCurrencyAtCreation)
{
    auto amount = model(CellType::paymentAmount, "1234.5");
    EXPECT_EQ(amount->value(), "1234.50");
    EXPECT_EQ(amount->currencyString(), "INR");
    // Indian grouping ("1,00,000.00") is dropped, not only the first separator.
    EXPECT_EQ(model(CellType::paymentAmount, "100000")->value(), "100000.00");

    auto empty = model(CellType::paymentAmount, "");
    EXPECT_EQ(empty->value(), "");
    EXPECT_EQ(empty->currencyString(), "INR");
    auto absent = model(CellType::paymentAmount, std::nullopt);
    EXPECT_EQ(absent->value(), std::nullopt);
    EXPECT_EQ(absent->currencyString(), "INR");
    // A value that is not a decimal number is kept as text.
    EXPECT_EQ(model(CellType::paymentAmount, "12abc")->value(), "12abc");

    auto other = model(CellType::billNumber, "1,000");
    EXPECT_EQ(other->value(), "1,000");
    EXPECT_EQ(other->currencyString(), "");
    EXPECT_EQ(other->isTipAvailable(), std::optional<bool>(false));

    // The refund flow's currency decides: yen have no minor units.
    session()->refundPaymentSession()->setRequest(
        NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Asha Rao", "392", "150"));
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    auto yen = model(CellType::paymentAmount, "1234.4");
    EXPECT_EQ(yen->value(), "1234");
    EXPECT_EQ(yen->currencyString(), "JPY");
}

TEST_F(CellTest, MaskedValuesCountOnlyForScannedForms)
{
    auto plain = model(CellType::billNumber, "***");
    EXPECT_EQ(plain->value(), "***");
    EXPECT_FALSE(plain->isRequired());

    session()->setIsScanned(true);
    auto masked = model(CellType::billNumber, "***");
    EXPECT_EQ(masked->value(), std::nullopt);
    EXPECT_TRUE(masked->isRequired());
    for (const char* notMasked : {"****", "* **", "** "}) {
        auto kept = model(CellType::billNumber, notMasked);
        EXPECT_EQ(kept->value(), notMasked);
        EXPECT_FALSE(kept->isRequired());
    }
    auto maskedAmount = model(CellType::paymentAmount, "***");
    EXPECT_EQ(maskedAmount->value(), std::nullopt);
    EXPECT_TRUE(maskedAmount->isRequired());
    EXPECT_EQ(maskedAmount->currencyString(), "INR");
}
