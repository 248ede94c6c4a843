#pragma once
// An immutable font: the system face (DejaVu Sans, regular or bold) at a size in points.
//
// Fonts are shared, never changed: hold them as UIFontPtr (std::shared_ptr<const UIFont>); an optional
// font is a null UIFontPtr. Metrics come from Pango with hinting off, the same settings the renderer draws
// with, so a measured text is exactly as wide and tall as it is drawn.

#include "platform/graphics/CGFloat.h"
#include "platform/graphics/DrawingLibraryTypes.h"

#include <memory>
#include <string>

namespace platform {

class UIFont;
using UIFontPtr = std::shared_ptr<const UIFont>;

class UIFont {
public:
    // A size that is not a positive finite number gives the default size, 12 points.
    static UIFontPtr systemFont(CGFloat size);
    static UIFontPtr boldSystemFont(CGFloat size);

    // The same face at another size.
    UIFontPtr withSize(CGFloat size) const;

    CGFloat pointSize() const { return m_pointSize; }
    bool isBold() const { return m_bold; }
    std::string familyName() const; // "DejaVu Sans"
    std::string fontName() const;   // "DejaVuSans" or "DejaVuSans-Bold"

    // Distance from the baseline to the top of the tallest glyphs (positive).
    CGFloat ascender() const { return m_ascender; }
    // Distance from the baseline to the bottom of the lowest glyphs (negative, below the baseline).
    CGFloat descender() const { return m_descender; }
    // Height of one line of text in this font: what one laid-out line occupies.
    CGFloat lineHeight() const { return m_lineHeight; }

    // Owned by the font; valid while the font lives. Sizes are absolute (device units = points).
    const PangoFontDescription* pangoDescription() const { return m_description.get(); }

    bool operator==(const UIFont& other) const { return m_bold == other.m_bold && m_pointSize == other.m_pointSize; }

    UIFont(CGFloat size, bool bold);

private:
    struct DescriptionDeleter {
        void operator()(PangoFontDescription* d) const;
    };

    CGFloat m_pointSize;
    bool m_bold;
    std::unique_ptr<PangoFontDescription, DescriptionDeleter> m_description;
    CGFloat m_ascender = 0;
    CGFloat m_descender = 0;
    CGFloat m_lineHeight = 0;
};

// Value equality of optional fonts: both absent, or both present and equal.
bool isEqual(const UIFontPtr& a, const UIFontPtr& b);

} // namespace platform
