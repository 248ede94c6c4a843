#include "platform/graphics/UIFont.h"

#include "platform/graphics/TextLayout.h"

#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cmath>
#include <map>
#include <utility>

namespace platform {

namespace {

constexpr CGFloat kDefaultFontSize = 12;
constexpr const char* kSystemFamily = "DejaVu Sans";

CGFloat validSize(CGFloat size)
{
    return (std::isfinite(size) && size > 0) ? size : kDefaultFontSize;
}

struct FontMetrics {
    CGFloat ascender;
    CGFloat descender;
    CGFloat lineHeight;
};

// The text engine keeps every font it has loaded, one per size, for the life of the process; this
// drops them (fonts still in use stay alive until released).
void releaseCachedFonts()
{
    PangoFontMap* fontMap = pango_cairo_font_map_get_default();
    if (PANGO_IS_FC_FONT_MAP(fontMap))
        pango_fc_font_map_cache_clear(PANGO_FC_FONT_MAP(fontMap));
}

// Metrics are the same for every font object of one face and size; they are worked out once.
FontMetrics metricsFor(const PangoFontDescription* description, CGFloat size, bool bold)
{
    static std::map<std::pair<bool, CGFloat>, FontMetrics> cache;
    auto key = std::make_pair(bold, size);
    if (auto found = cache.find(key); found != cache.end())
        return found->second;
    if (!textLayoutHasFont()) {
        // No font to ask: the system face's own proportions (DejaVu Sans: ascent 1901 and descent 483
        // of 2048 units), so that lines keep the height they would have.
        constexpr CGFloat kAscent = 1901.0 / 2048;
        constexpr CGFloat kLineHeight = (1901.0 + 483.0) / 2048;
        return {size * kAscent, size * (kAscent - kLineHeight), size * kLineHeight};
    }

    // One laid-out line gives the height the renderer will really use for each line.
    PangoLayoutPtr layout = createMeasuringLayout();
    pango_layout_set_font_description(layout.get(), description);
    pango_layout_set_text(layout.get(), "Xg", -1);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout.get(), 0);
    PangoRectangle logical;
    pango_layout_line_get_extents(line, nullptr, &logical);
    int baseline = pango_layout_get_baseline(layout.get());

    // Shrink-to-fit can ask for any number of fractional sizes; after this many the metrics and the
    // text engine's fonts are dropped together, so memory stays bounded.
    constexpr size_t kMaxCachedSizes = 128;
    if (cache.size() >= kMaxCachedSizes) {
        cache.clear();
        releaseCachedFonts();
    }
    FontMetrics metrics;
    metrics.ascender = static_cast<CGFloat>(baseline) / PANGO_SCALE;
    metrics.lineHeight = static_cast<CGFloat>(logical.height) / PANGO_SCALE;
    metrics.descender = metrics.ascender - metrics.lineHeight;
    cache.emplace(key, metrics);
    return metrics;
}

} // namespace

void UIFont::DescriptionDeleter::operator()(PangoFontDescription* d) const
{
    pango_font_description_free(d);
}

UIFont::UIFont(CGFloat size, bool bold)
    : m_pointSize(validSize(size)), m_bold(bold), m_description(pango_font_description_new())
{
    pango_font_description_set_family(m_description.get(), kSystemFamily);
    pango_font_description_set_weight(m_description.get(), bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(m_description.get(), m_pointSize * PANGO_SCALE);
    FontMetrics metrics = metricsFor(m_description.get(), m_pointSize, m_bold);
    m_ascender = metrics.ascender;
    m_descender = metrics.descender;
    m_lineHeight = metrics.lineHeight;
}

UIFontPtr UIFont::systemFont(CGFloat size)
{
    return std::make_shared<const UIFont>(size, false);
}

UIFontPtr UIFont::boldSystemFont(CGFloat size)
{
    return std::make_shared<const UIFont>(size, true);
}

UIFontPtr UIFont::withSize(CGFloat size) const
{
    return std::make_shared<const UIFont>(size, m_bold);
}

std::string UIFont::familyName() const
{
    return kSystemFamily;
}

std::string UIFont::fontName() const
{
    return m_bold ? "DejaVuSans-Bold" : "DejaVuSans";
}

bool isEqual(const UIFontPtr& a, const UIFontPtr& b)
{
    if (!a || !b)
        return !a && !b;
    return *a == *b;
}

} // namespace platform
