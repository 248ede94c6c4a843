#include "platform/graphics/TextLine.h"

#include "platform/graphics/AttributedTextLayout.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <vector>

namespace platform {

struct TextLine::Layout {
    PangoLayoutPtr pango;
    std::vector<std::size_t> utf16ToByte;
};

TextLine::TextLine(CGContext& context, const NSAttributedString& text, const LabelTextStyle& style)
    : m_context(context), m_layout(std::make_unique<Layout>())
{
    if (!textLayoutHasFont()) {
        // No glyphs: the line has no width and the height of a line of the font.
        m_height = effectiveFont(style).lineHeight();
        return;
    }
    m_layout->pango = makeAttributedTextLayout(context.cairo(), text, style, 0, &m_layout->utf16ToByte);
    PangoRectangle logical;
    pango_layout_get_extents(m_layout->pango.get(), nullptr, &logical);
    m_width = static_cast<CGFloat>(logical.width) / PANGO_SCALE;
    m_height =
        text.length() > 0 ? static_cast<CGFloat>(logical.height) / PANGO_SCALE : effectiveFont(style).lineHeight();
}

TextLine::~TextLine() = default;

CGFloat TextLine::offsetOf(std::size_t index) const
{
    const auto& offsets = m_layout->utf16ToByte;
    if (offsets.empty() || !m_layout->pango) {
        return 0;
    }
    PangoRectangle position;
    std::size_t byte = offsets[std::min(index, offsets.size() - 1)];
    pango_layout_index_to_pos(m_layout->pango.get(), static_cast<int>(byte), &position);
    return static_cast<CGFloat>(position.x) / PANGO_SCALE;
}

void TextLine::draw(CGPoint origin, const UIColorPtr& color) const
{
    if (!m_layout->pango) {
        return;
    }
    cairo_t* cr = m_context.cairo();
    (color ? color : UIColor::black())->setAsSource(cr, m_context.alpha());
    cairo_move_to(cr, origin.x, origin.y);
    pango_cairo_update_layout(cr, m_layout->pango.get());
    pango_cairo_show_layout(cr, m_layout->pango.get());
}

} // namespace platform
