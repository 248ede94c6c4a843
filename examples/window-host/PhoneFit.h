#pragma once
// Where the phone sits in the host's window: the whole phone, its shape kept, as large as the window's
// client area holds it and centred there (its corner on a whole pixel). Maps the window's pixels to
// the phone's points and back.

#include "platform/graphics/CGRect.h"

class PhoneFit {
public:
    PhoneFit() = default;
    // A phone of `phone` points in a window of `width` × `height` pixels.
    PhoneFit(platform::CGSize phone, int width, int height);

    // Window pixels per point.
    double scale() const { return m_scale; }
    // The phone in window pixels.
    platform::CGRect phone() const { return pixels({{0, 0}, m_phone}); }
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
};
