// Transparency layers and masks on cairo groups.
#include "platform/graphics/CGContext.h"

#include "platform/foundation/DebugLog.h"

namespace platform {

void CGContext::beginTransparencyLayer()
{
    cairo_push_group(m_cr);
    m_layerMarks.push_back(m_saved.size());
    m_saved.push_back(m_state);
}

void CGContext::endTransparencyLayer(CGFloat alpha)
{
    endTransparencyLayer(alpha, {});
}

void CGContext::endTransparencyLayer(CGFloat alpha, const std::function<void()>& drawMask)
{
    if (m_layerMarks.empty()) {
        debugLog("CGContext: endTransparencyLayer without a matching beginTransparencyLayer");
        return;
    }
    std::size_t mark = m_layerMarks.back();
    m_layerMarks.pop_back();
    if (m_saved.size() > mark + 1) {
        debugLog("CGContext: saveGState without restoreGState inside a transparency layer");
        while (m_saved.size() > mark + 1) {
            cairo_restore(m_cr);
            m_saved.pop_back();
        }
    }
    m_state = std::move(m_saved[mark]);
    m_saved.resize(mark);
    cairo_pattern_t* content = cairo_pop_group(m_cr);
    if (!drawMask) {
        cairo_set_source(m_cr, content);
        cairo_paint_with_alpha(m_cr, alpha);
        cairo_pattern_destroy(content);
        return;
    }
    cairo_push_group(m_cr);
    drawMask();
    cairo_pattern_t* mask = cairo_pop_group(m_cr);

    cairo_push_group(m_cr);
    cairo_set_source(m_cr, content);
    cairo_mask(m_cr, mask);
    cairo_pop_group_to_source(m_cr);
    cairo_paint_with_alpha(m_cr, alpha);
    cairo_pattern_destroy(mask);
    cairo_pattern_destroy(content);
}

} // namespace platform
