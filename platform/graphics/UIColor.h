#pragma once
// An immutable RGBA colour (sRGB components 0..1, alpha not premultiplied).
//
// Colours are shared, never changed: hold them as UIColorPtr (std::shared_ptr<const UIColor>); an optional
// colour is a null UIColorPtr. Two colours are equal when their four components are equal; the pointers
// compare identity (use isEqual for value equality of optional colours).

#include "platform/graphics/DrawingLibraryTypes.h"

#include <memory>
#include <iosfwd>

namespace platform {

class UIColor;
using UIColorPtr = std::shared_ptr<const UIColor>;

class UIColor {
public:
    // Components are clamped to 0..1; a NaN component becomes 0.
    static UIColorPtr create(double red, double green, double blue, double alpha = 1.0);
    static UIColorPtr colorWithWhite(double white, double alpha = 1.0);

    // Standard colours; each call returns a new object.
    static UIColorPtr clear(); // black at alpha 0
    static UIColorPtr white();
    static UIColorPtr black();
    static UIColorPtr gray();      // 50 % white
    static UIColorPtr lightGray(); // 2/3 white
    static UIColorPtr darkGray();  // 1/3 white
    static UIColorPtr red();
    static UIColorPtr green();
    static UIColorPtr blue();
    static UIColorPtr cyan();
    static UIColorPtr yellow();
    static UIColorPtr magenta();
    static UIColorPtr orange();     // 1, 0.5, 0
    static UIColorPtr purple();     // 0.5, 0, 0.5
    static UIColorPtr brown();      // 0.6, 0.4, 0.2
    static UIColorPtr systemBlue(); // the default tint: 0, 122/255, 1

    double redComponent() const { return m_red; }
    double greenComponent() const { return m_green; }
    double blueComponent() const { return m_blue; }
    double alphaComponent() const { return m_alpha; }

    // Writes the four components; always succeeds for these RGB colours.
    bool getRed(double* red, double* green, double* blue, double* alpha) const;

    // The same colour with its alpha replaced (not multiplied) by `alpha` (clamped to 0..1).
    UIColorPtr withAlphaComponent(double alpha) const;

    bool isOpaque() const { return m_alpha >= 1.0; }
    // Sets the colour as the cairo source, its alpha multiplied by `extraAlpha`.
    void setAsSource(cairo_t* cr, double extraAlpha = 1.0) const;

    bool operator==(const UIColor& other) const;

    UIColor(double red, double green, double blue, double alpha);

private:
    double m_red;
    double m_green;
    double m_blue;
    double m_alpha;
};

// Value equality of optional colours: both absent, or both present and equal.
bool isEqual(const UIColorPtr& a, const UIColorPtr& b);

// Written as "UIColor(red, green, blue, alpha)"; an absent colour as "nil". GoogleTest uses PrintTo
// for a UIColorPtr, which it would otherwise print as an address.
std::ostream& operator<<(std::ostream& out, const UIColor& color);
void PrintTo(const UIColorPtr& color, std::ostream* out);

} // namespace platform
