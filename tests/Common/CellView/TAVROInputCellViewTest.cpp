#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/foundation/Locale.h"

using namespace celltest;
using platform::CGAffineTransform;
using tavro::TAVROInputCellView;

namespace {

class InputRowTest : public CellTest {
protected:
    void SetUp() override
    {
        CellTest::SetUp();
        row = NSObject::create<TAVROInputCellView>(CGRect(0, 0, 375, 70));
        row->setCellType(CellType::billNumber);
        row->setTitleString("Bill Number");
        row->setCellViewDelegate(owner);
        window = show(row);
    }
    const std::string& text() const { return row->inputTextField()->text(); }
    bool focus() { return driver.focus(row->inputTextField()); }

    std::shared_ptr<TAVROInputCellView> row;
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(InputRowTest, GeometryOfASeventyPointRow)
{
    EXPECT_EQ(row->plusBtn()->frame(), CGRect(325, 10, 50, 50));
    EXPECT_EQ(row->inputTextField()->frame(), CGRect(16, 37, 308, 20));
    // An archived row builds in its first layout pass, with the later title metrics.
    auto archived = NSObject::create<TAVROInputCellView>(CGRect(0, 0, 375, 70), TAVROInputCellView::fromArchive);
    EXPECT_FALSE(archived->titleBtn());
    archived->layoutSubviews();
    ASSERT_TRUE(archived->inputTextField());
    EXPECT_EQ(archived->titleBtn()->frame(), CGRect(16, 15, 318, 16));
}

TEST_F(InputRowTest, TheTitleEndsBeforeTheClearButtonInEitherDirection)
{
    for (const char* locale : {"ar_AE", "en_US"}) {
        SCOPED_TRACE(locale);
        platform::Locale::setCurrent(platform::Locale(locale));
        auto titled = NSObject::create<TAVROInputCellView>(CGRect(0, 0, 375, 70));
        platform::Locale::setCurrent(std::nullopt);
        titled->setTitle(titled->localizedSetString("Bill Number"), false);
        auto shown = show(titled);
        const auto clear = titled->plusBtn()->frame();
        const auto title = titled->titleBtn()->frame();
        const auto label = titled->titleBtn()->titleLabel();
        const auto text = label->convert(label->bounds(), titled);
        EXPECT_EQ(title, CGRect(16, 10, 308, 26));
        EXPECT_FALSE(text.intersects(clear)) << text << " under " << clear;
        // Right-aligned in Arabic: the text ends at the title's end, just before the button.
        if (std::string_view(locale) == "ar_AE")
            EXPECT_NEAR(text.maxX(), title.maxX(), 1) << text;
        else
            EXPECT_NEAR(text.minX(), title.minX(), 1) << text;
    }
}

TEST_F(InputRowTest, FreeTextLengthRuleAndDeletions)
{
    ASSERT_TRUE(focus());
    EXPECT_EQ(driver.type(std::string(25, 'a') + "bc"), 26u);
    // A replaced selection is not subtracted: five characters replaced by one are refused.
    row->inputTextField()->userSelect({0, 5});
    EXPECT_FALSE(driver.paste("x"));
    EXPECT_EQ(driver.backspace(), 1u);
    // A paste past the limit is refused whole.
    EXPECT_FALSE(driver.paste("123456"));
    EXPECT_TRUE(driver.paste("12345"));
    EXPECT_EQ(text().size(), 26u);

    // A caret put between a letter and its mark stands before the letter: no mark moves to the "a".
    row->inputTextField()->setText("ae\xCC\x81");
    row->inputTextField()->userSelect({2, 0});
    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_EQ(text(), "e\xCC\x81");

    // The owner's over-long text can still be shortened, but not lengthened.
    row->inputTextField()->setText(std::string(30, 'z'));
    EXPECT_EQ(driver.type("z"), 0u);
    EXPECT_EQ(driver.backspace(2), 2u);

    // The amount kinds are not limited here.
    row->setCellType(CellType::paymentAmount);
    EXPECT_EQ(driver.type("1234"), 4u);
    EXPECT_EQ(text().size(), 32u);
}

TEST_F(InputRowTest, ControlAndSupplementaryCharactersNeverGetInAndTheRestFitsTheLimit)
{
    const std::string a24(24, 'a'), a25(25, 'a');
    constexpr bool typed = false, pasted = true;
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"A\001B", typed, "AB"},               // a C0 control key
        {std::string("A\0B", 3), typed, "AB"}, // NUL
        {"A\nB", typed, "AB"},                 // line feed
        {"A\tB", pasted, "AB"},                // tab
        {"A\xC2\x85", pasted, "A"},            // next line, a C1 control
        {"\x7F\n", pasted, ""},                // nothing left: nothing changes
        {a24 + "\tbc", pasted, a24 + "bc"},    // 26 once the tab is gone
        {a25 + "\tbc", pasted, ""},            // 27: refused whole
        // An optional field counts code points: "e" and a combining acute are two.
        {a25 + "e\xCC\x81", pasted, ""},
        {"e\xCC\x81" + a25, typed, "e\xCC\x81" + a24},
        // Above U+FFFF: the key, or the whole paste, is refused; no joiner or modifier is left.
        {std::string("A\xF0\x9F\x8D\x95") + "B", typed, "AB"},
        {"Pizza \xF0\x9F\x8D\x95", pasted, ""},
        {"\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", typed, ""}, // woman, joiner, laptop: one key
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD\t", pasted, ""},          // thumbs up, skin tone, tab
    };
    for (const auto& [input, paste, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(input));
        row->inputTextField()->setText(std::string());
        ASSERT_TRUE(focus());
        paste ? void(driver.paste(input)) : void(driver.type(input));
        EXPECT_EQ(text(), expected);
    }
}

TEST_F(InputRowTest, CardNumberGroupingAndLimit)
{
    row->setIsKoraCardNumberCell(true);
    EXPECT_EQ(row->inputTextField()->keyboardType(), platform::UIKeyboardType::numberPad);
    ASSERT_TRUE(focus());
    EXPECT_EQ(driver.type("1234567890123"), 13u);
    EXPECT_EQ(text(), "1234 5678 9012 3");
    // The owner hears the text before this keystroke's regrouping, earlier blanks included.
    EXPECT_EQ(owner->asked.back(), "1234 5678 90123");
    EXPECT_EQ(driver.type("4567"), 3u);
    EXPECT_EQ(text(), "1234 5678 9012 3456");

    row->inputTextField()->setText("   ");
    row->textFieldDidChange(*row->inputTextField());
    EXPECT_EQ(text(), "");
}

TEST_F(InputRowTest, PlusButtonTurnsWhileEditing)
{
    const auto turned = CGAffineTransform::makeRotation(40.0);
    platform::UIView::clearAnimationLog();
    ASSERT_TRUE(focus());
    EXPECT_EQ(owner->touched, std::vector<CellType>{CellType::billNumber});
    EXPECT_EQ(row->plusBtn()->transform(), turned);
    const auto& log = platform::UIView::animationLog();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const auto& record) {
        return record.touched(row->plusBtn()) && record.duration == 0.25;
    }));
    driver.advanceBy(0.25);
    EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);

    // Ending empty and valid turns it back; ending with text keeps the cross.
    EXPECT_TRUE(driver.pressDone());
    EXPECT_TRUE(row->plusBtn()->transform().isIdentity());
    ASSERT_TRUE(focus());
    driver.type("B1");
    EXPECT_TRUE(driver.pressDone());
    EXPECT_EQ(row->plusBtn()->transform(), turned);
}

TEST_F(InputRowTest, PlusButtonClearsAndKeepsEditing)
{
    ASSERT_TRUE(focus());
    driver.type("B12");
    owner->reports.clear();
    owner->verdict = [](const std::optional<std::string>& text) { return text && !text->empty(); };
    EXPECT_TRUE(driver.tap(row->plusBtn()));
    EXPECT_EQ(text(), "");
    EXPECT_EQ(owner->asked.back(), "");
    EXPECT_TRUE(platform::isEqual(row->colorStatusBar()->backgroundColor(), tavro::errorRedColor()));
    EXPECT_TRUE(row->inputTextField()->isEditing());
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::billNumber, "", true}}));

    // Reset forces the valid, resting look without asking and ends editing.
    const auto asked = owner->asked.size();
    row->resetTextField();
    driver.runUntilIdle();
    EXPECT_TRUE(row->isVaildCell());
    EXPECT_FALSE(row->inputTextField()->isEditing());
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);
    EXPECT_EQ(owner->asked.size(), asked);
}
