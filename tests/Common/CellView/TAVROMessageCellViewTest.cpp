#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/MessageTemplate.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"
#include "platform/foundation/Locale.h"
#include "platform/ui/UIAlertController.h"

using namespace celltest;
using platform::UIControlState;
using tavro::TAVROMessageCellView;

namespace {

// Whether the UTF-16 unit at `index` of the button's attributed title is bold.
bool boldAt(const TAVROMessageCellView& row, std::size_t index)
{
    auto title = row.messageBtn()->attributedTitle(UIControlState::normal);
    auto font = title->attributes(index).at(platform::NSAttributedStringKey::font).asFont();
    return font && font->isBold();
}

} // namespace

TEST(MessageTemplateTest, HostTextIsNeverReadAsAFormat)
{
    EXPECT_EQ(tavro::fillMessageTemplate("Pay %@ now", "Asha"), "Pay Asha now");
    EXPECT_EQ(tavro::fillMessageTemplate("%@ and %@", "A"), "A and %@");
    EXPECT_EQ(tavro::fillMessageTemplate("100%% sure, %d %s %n %", "x"), "100% sure, %d %s %n %");
    EXPECT_EQ(tavro::fillMessageTemplate("%%@ stays", "x"), "%@ stays");
}

TEST_F(CellTest, MessageRowMarksTheFirstBoldPartInEitherOrder)
{
    auto row = NSObject::create<TAVROMessageCellView>(CGRect(0, 0, 375, 40));
    EXPECT_EQ(row->messageBtn()->frame(), CGRect(0, 2, 375, 36));
    row->setMessageStr("Plain notice");
    EXPECT_EQ(row->messageBtn()->title(UIControlState::normal), "Plain notice");
    EXPECT_FALSE(row->messageBtn()->attributedTitle(UIControlState::normal));

    // The host's order: bold part first (nothing to mark yet), then the message.
    auto hostOrder = NSObject::create<TAVROMessageCellView>(CGRect(0, 0, 375, 40));
    hostOrder->setBoaldStr("Asha");
    hostOrder->setMessageStr("Pay Asha, then Asha again");
    EXPECT_FALSE(boldAt(*hostOrder, 0));
    EXPECT_TRUE(boldAt(*hostOrder, 4));
    EXPECT_TRUE(boldAt(*hostOrder, 7));
    EXPECT_FALSE(boldAt(*hostOrder, 8));
    EXPECT_FALSE(boldAt(*hostOrder, 15));

    row->setBoaldStr("Asha");
    EXPECT_FALSE(boldAt(*row, 0));
    EXPECT_FALSE(boldAt(*row, 6));
    row->setMessageStr("Pay Asha");
    EXPECT_TRUE(boldAt(*row, 4));

    auto window = show(row);
    EXPECT_EQ(row->messageBtn()->frame(), CGRect(0, 2, 375, 36));
}

TEST_F(CellTest, MessageRowAlignsForArabic)
{
    platform::Locale::setCurrent(platform::Locale("ar_AE"));
    auto row = NSObject::create<TAVROMessageCellView>(CGRect(0, 0, 375, 40));
    platform::Locale::setCurrent(std::nullopt);
    EXPECT_EQ(row->messageBtn()->contentHorizontalAlignment(), platform::UIControlContentHorizontalAlignment::right);
    EXPECT_EQ(row->messageBtn()->titleLabel()->textAlignment(), platform::NSTextAlignment::center);
}

TEST_F(CellTest, MessageRowAlertClosesOnATapOutside)
{
    auto row = NSObject::create<TAVROMessageCellView>(CGRect(0, 100, 375, 40));
    row->setMessageStr("Tap for details");
    auto window = show(row);
    auto screen = window->rootViewController();
    row->setViewController(screen);

    EXPECT_TRUE(driver.tap(row->messageBtn()));
    driver.advanceBy(1);
    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message(), TAVROMessageCellView::recipientNameWarning);
    EXPECT_TRUE(alert->actions().empty());
    driver.tapAt({10, 600});
    driver.advanceBy(1);
    EXPECT_FALSE(driver.presentedAlert());
    EXPECT_FALSE(screen->presentedViewController());

    // Once the screen is gone taps do nothing.
    row->setViewController({});
    EXPECT_TRUE(driver.tap(row->messageBtn()));
    driver.advanceBy(1);
    EXPECT_FALSE(driver.presentedAlert());
    row->dismissMessage();
}
