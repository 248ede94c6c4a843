#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"

#include <gtest/gtest.h>

#include <cmath>
#include <pango/pangocairo.h>

using namespace platform;

TEST(UIColorTest, ValueEqualityAndComponents)
{
    EXPECT_EQ(*UIColor::create(247 / 255.0, 182 / 255.0, 0), *UIColor::create(247 / 255.0, 182 / 255.0, 0));
    EXPECT_FALSE(*UIColor::create(1, 0, 0) == *UIColor::create(1, 0, 0, 0.5));
    EXPECT_EQ(*UIColor::white(), *UIColor::colorWithWhite(1));
    EXPECT_EQ(*UIColor::gray(), *UIColor::create(0.5, 0.5, 0.5, 1));
    EXPECT_EQ(UIColor::clear()->alphaComponent(), 0);
    EXPECT_NE(UIColor::white(), UIColor::white()) << "each call makes a new object";

    EXPECT_TRUE(isEqual(UIColorPtr(), UIColorPtr()));
    EXPECT_FALSE(isEqual(UIColor::black(), nullptr));
    EXPECT_TRUE(isEqual(UIColor::black(), UIColor::colorWithWhite(0)));

    double r = -1, g = -1, b = -1, a = -1;
    EXPECT_TRUE(UIColor::orange()->getRed(&r, &g, &b, &a));
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 0.5);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(a, 1);
}

TEST(UIColorTest, AlphaIsReplacedAndComponentsClamped)
{
    UIColorPtr translucent = UIColor::create(0.2, 0.4, 0.6, 0.5);
    UIColorPtr replaced = translucent->withAlphaComponent(0.3);
    EXPECT_EQ(replaced->alphaComponent(), 0.3); // replaced, not 0.15
    EXPECT_EQ(replaced->redComponent(), 0.2);
    EXPECT_EQ(translucent->alphaComponent(), 0.5) << "the original is unchanged";

    UIColorPtr wild = UIColor::create(2.0, -1.0, NAN, 7);
    EXPECT_EQ(*wild, *UIColor::create(1, 0, 0, 1));
    EXPECT_EQ(UIColor::white()->withAlphaComponent(-3)->alphaComponent(), 0);
}

TEST(UIFontTest, MetricsAreConsistent)
{
    for (double size : {12.0, 17.0, 28.0}) {
        UIFontPtr font = UIFont::systemFont(size);
        EXPECT_EQ(font->pointSize(), size);
        EXPECT_GT(font->lineHeight(), size);
        EXPECT_LT(font->lineHeight(), size * 1.5);
        EXPECT_GT(font->ascender(), 0);
        EXPECT_LT(font->descender(), 0);
        EXPECT_NEAR(font->ascender() - font->descender(), font->lineHeight(), 1e-9);
    }
    // Metrics scale with the size (hinting is off, so no rounding to pixels).
    EXPECT_NEAR(UIFont::systemFont(24)->lineHeight(), 2 * UIFont::systemFont(12)->lineHeight(), 0.01);

    UIFontPtr bold = UIFont::boldSystemFont(16);
    EXPECT_TRUE(bold->isBold());
    EXPECT_EQ(bold->fontName(), "DejaVuSans-Bold");
    UIFontPtr resized = bold->withSize(20);
    EXPECT_TRUE(resized->isBold());
    EXPECT_EQ(resized->pointSize(), 20);
    EXPECT_EQ(UIFont::systemFont(-4)->pointSize(), 12);
    EXPECT_TRUE(isEqual(UIFont::systemFont(14), UIFont::systemFont(14)));
    EXPECT_FALSE(isEqual(UIFont::systemFont(14), UIFont::boldSystemFont(14)));
}

TEST(UIFontTest, ManyDistinctSizesDoNotPileUpLoadedFonts)
{
    // Every size the text engine loads stays in its font map until the map's cache is cleared,
    // which shows as a new serial.
    const CGFloat lineHeight = UIFont::systemFont(17)->lineHeight();
    PangoFontMap* fontMap = pango_cairo_font_map_get_default();
    const guint serial = pango_font_map_get_serial(fontMap);
    for (int i = 0; i < 140; ++i)
        UIFont::systemFont(30 + i * 0.013);
    EXPECT_NE(pango_font_map_get_serial(fontMap), serial);
    EXPECT_DOUBLE_EQ(UIFont::systemFont(17)->lineHeight(), lineHeight);
}

TEST(TextMeasurementTest, WidthHeightWrappingAndLineLimit)
{
    UIFontPtr font = UIFont::systemFont(16);
    EXPECT_EQ(measureText("", *font), (CGSize{0, 0}));

    CGSize one = measureText("Hello", *font);
    EXPECT_GT(one.width, 0);
    EXPECT_NEAR(one.height, font->lineHeight(), 1e-6);
    CGSize longer = measureText("Hello Hello", *font);
    EXPECT_GT(longer.width, one.width * 1.9);

    // Bold text is wider than regular text of the same size.
    EXPECT_GT(measureText("Hello", *UIFont::boldSystemFont(16)).width, one.width);

    std::string paragraph = "Save as image and load it from your photo library to pay.";
    CGSize unwrapped = measureText(paragraph, *font);
    CGSize wrapped = measureText(paragraph, *font, 120);
    EXPECT_LE(wrapped.width, 120);
    int lines = static_cast<int>(std::lround(wrapped.height / font->lineHeight()));
    EXPECT_GE(lines, 3);
    EXPECT_NEAR(wrapped.height, lines * font->lineHeight(), 1e-6);
    EXPECT_NEAR(unwrapped.height, font->lineHeight(), 1e-6);

    CGSize twoLines = measureText(paragraph, *font, 120, 2);
    EXPECT_NEAR(twoLines.height, 2 * font->lineHeight(), 1e-6);

    // A single word wider than the box breaks inside the word rather than overflowing.
    CGSize longWord = measureText("ABCDEFGHIJKLMNOPQRSTUVWXYZ", *font, 50);
    EXPECT_LE(longWord.width, 50);
    EXPECT_GT(longWord.height, font->lineHeight());

    // Explicit line breaks count.
    EXPECT_NEAR(measureText("a\nb\nc", *font).height, 3 * font->lineHeight(), 1e-6);
}
