#include "platform/graphics/TextLayout.h"

#include <pango/pangocairo.h>

#include <cmath>

namespace platform {

namespace {

const cairo_font_options_t* textFontOptions()
{
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        return o;
    }();
    return options;
}

// The measuring context lives for the whole process; it is reachable from here until exit.
PangoContext* measuringContext()
{
    static PangoContext* context = [] {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cairo_t* cr = cairo_create(surface);
        PangoContext* c = pango_cairo_create_context(cr);
        configureTextContext(c);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        return c;
    }();
    return context;
}

PangoLayout* sharedMeasuringLayout()
{
    static PangoLayout* layout = pango_layout_new(measuringContext());
    return layout;
}

} // namespace

void GObjectUnref::operator()(void* object) const
{
    if (object)
        g_object_unref(object);
}

void configureTextContext(PangoContext* context)
{
    pango_cairo_context_set_font_options(context, textFontOptions());
    pango_cairo_context_set_resolution(context, 72);
    pango_context_set_round_glyph_positions(context, FALSE);
}

PangoLayoutPtr createTextLayout(cairo_t* cr)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    configureTextContext(pango_layout_get_context(layout));
    pango_layout_context_changed(layout);
    return PangoLayoutPtr(layout);
}

PangoLayoutPtr createMeasuringLayout()
{
    return PangoLayoutPtr(pango_layout_new(measuringContext()));
}

CGSize measureText(std::string_view text, const UIFont& font, CGFloat maxWidth, int maxLines)
{
    if (text.empty())
        return {0, 0};
    PangoLayout* layout = sharedMeasuringLayout();
    pango_layout_set_font_description(layout, font.pangoDescription());
    pango_layout_set_attributes(layout, nullptr);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    bool wraps = maxWidth > 0 && std::isfinite(maxWidth) && maxWidth * PANGO_SCALE < G_MAXINT;
    pango_layout_set_width(layout, wraps ? static_cast<int>(std::floor(maxWidth * PANGO_SCALE)) : -1);
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));

    int widest = 0;
    int bottom = 0;
    int lineCount = 0;
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        int top = 0;
        pango_layout_iter_get_line_yrange(iter, &top, &bottom);
        if (logical.width > widest)
            widest = logical.width;
        ++lineCount;
    } while ((maxLines <= 0 || lineCount < maxLines) && pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return {static_cast<CGFloat>(widest) / PANGO_SCALE, static_cast<CGFloat>(bottom) / PANGO_SCALE};
}

} // namespace platform
