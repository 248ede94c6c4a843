#include "platform/graphics/TextLayout.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/LabelText.h"

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

bool textLayoutHasFont()
{
    static const bool found = [] {
        PangoFontDescription* description = pango_font_description_from_string("DejaVu Sans 12");
        PangoFont* font = pango_context_load_font(measuringContext(), description);
        pango_font_description_free(description);
        if (!font) {
            debugLog("Text layout: no usable font (is the font folder readable?); text is measured without "
                     "glyphs and not drawn");
            return false;
        }
        g_object_unref(font);
        return true;
    }();
    return found;
}

CGSize measureText(std::string_view text, const UIFont& font, CGFloat maxWidth, int maxLines)
{
    if (text.empty())
        return {0, 0};
    LabelTextStyle style;
    style.font = font.withSize(font.pointSize());
    style.alignment = NSTextAlignment::left;
    style.lineBreakMode = NSLineBreakMode::byWordWrapping;
    style.maximumLines = maxLines;
    return measureLabelText(NSAttributedString(text), style, maxWidth);
}

} // namespace platform
