#pragma once
// Where the phone sits in the host's window: the whole phone, its shape kept, as large as the window's
// client area holds it and centred there. Its corner and size are whole pixels, the size counted as the
// renderer counts its bitmap's pixels (pixelCount), so the picture fills exactly that rectangle, which
// never reaches outside the window. Maps the window's pixels to the phone's points and back.

#include "platform/graphics/CGRect.h"

#include <limits>

class PhoneFit {
public:
    PhoneFit() = default;
    // A phone of `phone` points in a window of `width` × `height` pixels, at most `largest` pixels per
    // point.
    PhoneFit(platform::CGSize phone, int width, int height, double largest = std::numeric_limits<double>::infinity());

    // Window pixels per point.
    double scale() const { return m_scale; }
    // The phone in window pixels: whole pixels, inside the window.
    platform::CGRect phone() const { return {m_origin, m_size}; }
    // A window pixel in the phone's points; outside the phone too (a finger dragged off it).
    platform::CGPoint points(double x, double y) const;
    // A rectangle of the phone's points in window pixels.
    platform::CGRect pixels(const platform::CGRect& points) const;
    // Whether the window pixel (x, y) shows the phone.
    bool shows(double x, double y) const;

private:
    platform::CGSize m_phone;
    double m_scale = 1;
    platform::CGPoint m_origin; // the phone's top-left corner in window pixels
    platform::CGSize m_size;    // the phone's size in window pixels
};
