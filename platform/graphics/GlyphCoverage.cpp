#include "platform/graphics/GlyphCoverage.h"

#include "platform/graphics/TextLayout.h"

#include <algorithm>

namespace platform {

namespace {

PangoLayoutPtr layoutOf(std::string_view text, const UIFont& font)
{
    PangoLayoutPtr layout = createMeasuringLayout();
    pango_layout_set_font_description(layout.get(), font.pangoDescription());
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    return layout;
}

} // namespace

int missingGlyphCount(std::string_view text, const UIFont& font)
{
    if (text.empty()) {
        return 0;
    }
    return pango_layout_get_unknown_glyphs_count(layoutOf(text, font).get());
}

std::vector<std::string> fontFamiliesUsed(std::string_view text, const UIFont& font)
{
    std::vector<std::string> families;
    if (text.empty()) {
        return families;
    }
    auto layout = layoutOf(text, font);
    PangoLayoutIter* iter = pango_layout_get_iter(layout.get());
    do {
        PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
        if (!run) {
            continue;
        }
        PangoFontDescription* description = pango_font_describe(run->item->analysis.font);
        const char* family = pango_font_description_get_family(description);
        std::string name = family ? family : "";
        pango_font_description_free(description);
        if (std::find(families.begin(), families.end(), name) == families.end()) {
            families.push_back(std::move(name));
        }
    } while (pango_layout_iter_next_run(iter));
    pango_layout_iter_free(iter);
    return families;
}

} // namespace platform
