// Renders the currency drop-downs, the FX amount row, the item-detail row and the card cell in
// their looks to PNG files (TAVRO_ARTIFACT_DIR) and checks the pixels that carry each look.

#include "Common/CellView/CardListTestSupport.h"
#include "Common/CellView/CellTestSupport.h"
#include "Common/CellView/RowPixels.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"

using namespace celltest;
using platform::RGBA8;

namespace {

const RGBA8 kWhite{255, 255, 255, 255};
const RGBA8 kRowGrey{0xF2, 0xF4, 0xF8, 255};
const RGBA8 kErrorRed{0xDD, 0x34, 0x58, 255};
const RGBA8 kText{0x15, 0x19, 0x5A, 255};
const RGBA8 kTickBlue{0x00, 0x3E, 0xA9, 255};

// The pixels of a rectangle (in points) close to `colour`, and the columns they span.
struct Ink {
    int count = 0, minX = 1 << 30, maxX = -1;
};
Ink inkIn(const platform::UIImage& image, CGRect rect, RGBA8 colour, int tolerance = 60)
{
    Ink ink;
    for (int y = int(rect.minY() * kScale); y < int(rect.maxY() * kScale); ++y) {
        for (int x = int(rect.minX() * kScale); x < int(rect.maxX() * kScale); ++x) {
            if (near(image.pixelAt(x, y), colour, tolerance)) {
                ++ink.count;
                ink.minX = std::min(ink.minX, x);
                ink.maxX = std::max(ink.maxX, x);
            }
        }
    }
    return ink;
}

// Pixels of a rectangle that differ from `background`.
int marksIn(const platform::UIImage& image, CGRect rect, RGBA8 background)
{
    const auto rectArea = int(rect.size.width * kScale) * int(rect.size.height * kScale);
    return rectArea - inkIn(image, rect, background, 10).count;
}

class PaymentRowGalleryTest : public CellTest {
protected:
    std::shared_ptr<tavro::TAVROFXDropDownCellView> dropDown(bool locked)
    {
        const double width = locked ? 88 : 108;
        auto row = NSObject::create<tavro::TAVROFXDropDownCellView>(CGRect(0, 0, width, 98), locked);
        row->setInputTextFieldString("INR");
        row->setTitleString("");
        return row;
    }
};

} // namespace

TEST_F(PaymentRowGalleryTest, CurrencyDropDowns)
{
    auto locked = dropDown(true);
    auto lockedWindow = show(locked);
    auto lockedImage = snap(locked, "currency-locked");
    // The code is centred over the whole 88 points.
    const auto code = inkIn(*lockedImage, CGRect(0, 46, 88, 26), kText);
    EXPECT_NEAR((code.minX + code.maxX) / 2.0 / kScale, 44, 2);

    auto open = dropDown(false);
    auto openWindow = show(open);
    const CGRect chevron(68, 46, 40, 26);
    auto closedImage = snap(open, "currency-closed");
    EXPECT_TRUE(near(at(*closedImage, 2, 2), kRowGrey));
    const auto codeClosed = inkIn(*closedImage, CGRect(0, 46, 68, 26), kText);
    EXPECT_NEAR((codeClosed.minX + codeClosed.maxX) / 2.0 / kScale, 34, 2);
    EXPECT_GT(marksIn(*closedImage, chevron, kRowGrey), 20);

    driver.tap(tavro::TAVRODropDownCellView::tapTargetIdentifier);
    driver.advanceBy(1);
    auto openImage = snap(open, "currency-open");
    EXPECT_TRUE(near(at(*openImage, 2, 2), kWhite));
    EXPECT_GT(marksIn(*openImage, chevron, kWhite), 20);
    // The chevron turned: its upper and lower halves swap their share of ink.
    const auto upperClosed = marksIn(*closedImage, CGRect(68, 46, 40, 13), kRowGrey);
    const auto upperOpen = marksIn(*openImage, CGRect(68, 46, 40, 13), kWhite);
    const auto lowerClosed = marksIn(*closedImage, CGRect(68, 59, 40, 13), kRowGrey);
    const auto lowerOpen = marksIn(*openImage, CGRect(68, 59, 40, 13), kWhite);
    EXPECT_NE(upperClosed > lowerClosed, upperOpen > lowerOpen);
}

TEST_F(PaymentRowGalleryTest, FXAmountRow)
{
    auto row = NSObject::create<tavro::TAVROFXAmountCellView>(CGRect(0, 0, 265, 98));
    row->setTitleString("Request Amount");
    auto window = show(row);
    auto zero = snap(row, "fx-amount-zero");
    EXPECT_TRUE(near(at(*zero, 250, 20), kRowGrey));
    EXPECT_GT(inkIn(*zero, CGRect(16, 40, 120, 40), kText).count, 100); // "0.00" in 30 points

    driver.focus(row->inputTextField());
    driver.type("1234567890123");
    driver.advanceBy(1);
    auto over = snap(row, "fx-amount-over-limit");
    EXPECT_TRUE(near(at(*over, 1, 97), kErrorRed));
    EXPECT_TRUE(near(at(*over, 264, 97), kErrorRed));
    EXPECT_TRUE(near(at(*over, 250, 20), kWhite));
}

TEST_F(PaymentRowGalleryTest, ItemDetailRow)
{
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    auto holder = NSObject::create<tavro::TAVROPaymentCellModel>(CellType::merchantDetail, std::nullopt, std::nullopt);
    holder->setMerchantName("Anna Lopez");
    holder->setMerchantCity("Visa ...4242");
    holder->setMerchantId("5100000000000000");
    auto person = NSObject::create<tavro::TAVROItemDetailCellView>(CGRect(0, 0, 375, 91));
    person->setCellObject(holder);
    auto personWindow = show(person);
    auto initials = snap(person, "detail-refund");
    EXPECT_TRUE(near(at(*initials, 19, 45.5), kRowGrey)); // inside the circle, left of the letters
    EXPECT_EQ(at(*initials, 17, 17).a, 0);                // the circle's corner stays clear
    EXPECT_GT(inkIn(*initials, CGRect(30, 35, 30, 20), {0x6F, 0x70, 0x99, 255}).count, 20); // "AL"
    EXPECT_GT(inkIn(*initials, CGRect(91, 16, 268, 29.5), kText).count, 50);

    session()->setActiveSessionType(TavroActiveFlow::payMerchant);
    person->setCellObject(holder);
    person->layoutIfNeeded();
    auto logo = snap(person, "detail-merchant-id");
    EXPECT_GT(marksIn(*logo, CGRect(16, 16, 59, 59), {0, 0, 0, 0}), 200); // the network logo
    EXPECT_GT(inkIn(*logo, CGRect(91, 45.5, 268, 29.5), {0x6F, 0x70, 0x99, 255}).count, 50);
}

TEST_F(PaymentRowGalleryTest, CardCells)
{
    auto source = std::make_shared<CardListSource>();
    source->cards = {card("4242", "Platinum", "", "#1869d6"), card("1234", "Gold", "Master Card", "#AA3300")};
    source->primaryIndex = 1;
    source->currentIndex = 1;
    auto table = makeCardTable(source);
    auto window = show(table);
    auto plain = table->cellForRow(platform::IndexPath::forRow(0, 0));
    auto chosen =
        std::dynamic_pointer_cast<tavro::ChangeCardTableViewCell>(table->cellForRow(platform::IndexPath::forRow(1, 0)));
    chosen->setHighlighted(true, false);

    auto plainImage = snap(plain, "card-cell");
    auto chosenImage = snap(chosen, "card-cell-chosen-highlighted");
    EXPECT_TRUE(near(at(*plainImage, 200, 8), kRowGrey));
    EXPECT_TRUE(near(at(*chosenImage, 200, 8), kWhite));
    // The card art in its colour, the selection tick only on the chosen card.
    EXPECT_TRUE(near(at(*chosenImage, 16 + 14, 4 + 50), {0xAA, 0x33, 0x00, 255}, 30));
    EXPECT_GT(inkIn(*chosenImage, CGRect(16 + 307, 4 + 20, 24, 24), kTickBlue, 20).count, 100);
    EXPECT_EQ(inkIn(*plainImage, CGRect(16 + 307, 4 + 20, 24, 24), kTickBlue, 20).count, 0);
}
