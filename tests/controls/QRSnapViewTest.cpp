#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/QRSnapView.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"
#include "platform/ui/UILabel.h"

using cardviews::CardViewsTest;
using cardviews::isHexColor;
using platform::CGRect;
using platform::NSObject;

namespace {

// 6 December 2026, 16:07 UTC.
constexpr double kAfternoon = 1796573220;

// Fixes the clock, the locale and the time zone for one case.
struct FixedDateAndPlace {
    explicit FixedDateAndPlace(const char* locale, double now = kAfternoon)
    {
        platform::Date::setNowProvider([now] { return now; });
        platform::Locale::setCurrent(platform::Locale(locale));
        platform::TimeZone::setCurrent(platform::TimeZone::utc());
    }
    ~FixedDateAndPlace()
    {
        platform::Date::setNowProvider({});
        platform::Locale::setCurrent(std::nullopt);
        platform::TimeZone::setCurrent(std::nullopt);
    }
};

} // namespace

TEST_F(CardViewsTest, ShareCardLayout)
{
    FixedDateAndPlace place("en_US");
    auto snap = NSObject::create<tavro::QRSnapView>(CGRect(0, 0, 375, 600));
    EXPECT_FALSE(snap->qrImageView()) << "nothing is built before prepareView()";
    snap->prepareView();
    EXPECT_TRUE(snap->isHidden());
    EXPECT_TRUE(isHexColor(snap->backgroundColor(), "#15195A"));
    ASSERT_EQ(snap->subviews().size(), 2u);
    const auto& card = snap->subviews()[0];
    EXPECT_EQ(card->frame(), CGRect(32, 24, 311, 528));
    EXPECT_TRUE(platform::isEqual(card->backgroundColor(), platform::UIColor::white()));

    auto dateLine = std::dynamic_pointer_cast<platform::UILabel>(snap->subviews()[1]);
    ASSERT_TRUE(dateLine);
    EXPECT_EQ(dateLine->frame(), CGRect(32, 568, 311, 20));
    EXPECT_EQ(dateLine->text().value_or(""), "Generated on 06 Dec 2026, 4:07 PM");
    EXPECT_TRUE(dateLine->font()->isBold());

    ASSERT_EQ(card->subviews().size(), 2u);
    const auto& strip = card->subviews()[0];
    EXPECT_EQ(strip->frame(), CGRect(0, 480, 311, 48));
    EXPECT_TRUE(isHexColor(strip->backgroundColor(), "#F2F4F8"));
    ASSERT_EQ(strip->subviews().size(), 1u);
    auto hint = std::dynamic_pointer_cast<platform::UILabel>(strip->subviews()[0]);
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->frame(), CGRect(16, 0, 279, 48));
    EXPECT_EQ(hint->text().value_or(""), "Save as image and load it from your photo library to pay.");
    EXPECT_TRUE(isHexColor(hint->textColor(), "#003EA9"));
    EXPECT_EQ(card->subviews()[1], snap->qrImageView()) << "the QR area lies above the strip";
    EXPECT_EQ(snap->qrImageView()->frame(), CGRect(0, 0, 311, 480));
    EXPECT_EQ(snap->qrImageView()->contentMode(), platform::UIViewContentMode::scaleAspectFit);

    snap->prepareView();
    EXPECT_EQ(snap->subviews().size(), 2u) << "a second build replaces the first";
}

TEST_F(CardViewsTest, ShareCardDateLineKeepsItsMarkerInEveryLocale)
{
    {
        FixedDateAndPlace place("en_US", kAfternoon - 12 * 3600);
        EXPECT_EQ(tavro::QRSnapView::generatedOnText(platform::Date::now()), "Generated on 06 Dec 2026, 4:07 AM");
    }
    for (const char* locale : {"de_DE", "ko_KR", "en_IN"}) {
        FixedDateAndPlace place(locale);
        auto text = tavro::QRSnapView::generatedOnText(platform::Date::now());
        EXPECT_EQ(text.rfind("Generated on 06 ", 0), 0u) << locale << ": " << text;
        EXPECT_EQ(text.substr(text.size() - 9), ", 4:07 PM") << locale << ": " << text;
    }
    // Right to left: the date in a first-strong isolate, on the card's line as well.
    FixedDateAndPlace place("ar_AE");
    auto text = tavro::QRSnapView::generatedOnText(platform::Date::now());
    EXPECT_EQ(text.rfind("Generated on \u2068", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 5), "PM\u2069") << text;
    auto snap = NSObject::create<tavro::QRSnapView>(CGRect(0, 0, 375, 600));
    snap->prepareView();
    EXPECT_EQ(std::dynamic_pointer_cast<platform::UILabel>(snap->subviews()[1])->text(), text);
}
