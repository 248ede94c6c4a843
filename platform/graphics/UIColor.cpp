#include "platform/graphics/UIColor.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

double clampUnit(double value)
{
    if (std::isnan(value))
        return 0;
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

UIColor::UIColor(double red, double green, double blue, double alpha)
    : m_red(clampUnit(red)), m_green(clampUnit(green)), m_blue(clampUnit(blue)), m_alpha(clampUnit(alpha))
{
}

UIColorPtr UIColor::create(double red, double green, double blue, double alpha)
{
    return std::make_shared<const UIColor>(red, green, blue, alpha);
}

UIColorPtr UIColor::colorWithWhite(double white, double alpha)
{
    return create(white, white, white, alpha);
}

UIColorPtr UIColor::clear()
{
    return create(0, 0, 0, 0);
}
UIColorPtr UIColor::white()
{
    return colorWithWhite(1);
}
UIColorPtr UIColor::black()
{
    return colorWithWhite(0);
}
UIColorPtr UIColor::gray()
{
    return colorWithWhite(0.5);
}
UIColorPtr UIColor::lightGray()
{
    return colorWithWhite(2.0 / 3.0);
}
UIColorPtr UIColor::darkGray()
{
    return colorWithWhite(1.0 / 3.0);
}
UIColorPtr UIColor::red()
{
    return create(1, 0, 0);
}
UIColorPtr UIColor::green()
{
    return create(0, 1, 0);
}
UIColorPtr UIColor::blue()
{
    return create(0, 0, 1);
}
UIColorPtr UIColor::cyan()
{
    return create(0, 1, 1);
}
UIColorPtr UIColor::yellow()
{
    return create(1, 1, 0);
}
UIColorPtr UIColor::magenta()
{
    return create(1, 0, 1);
}
UIColorPtr UIColor::orange()
{
    return create(1, 0.5, 0);
}
UIColorPtr UIColor::purple()
{
    return create(0.5, 0, 0.5);
}
UIColorPtr UIColor::brown()
{
    return create(0.6, 0.4, 0.2);
}
UIColorPtr UIColor::systemBlue()
{
    return create(0, 122.0 / 255.0, 1);
}

bool UIColor::getRed(double* red, double* green, double* blue, double* alpha) const
{
    if (red)
        *red = m_red;
    if (green)
        *green = m_green;
    if (blue)
        *blue = m_blue;
    if (alpha)
        *alpha = m_alpha;
    return true;
}

UIColorPtr UIColor::withAlphaComponent(double alpha) const
{
    return create(m_red, m_green, m_blue, alpha);
}

void UIColor::setAsSource(cairo_t* cr, double extraAlpha) const
{
    cairo_set_source_rgba(cr, m_red, m_green, m_blue, m_alpha * clampUnit(extraAlpha));
}

bool UIColor::operator==(const UIColor& other) const
{
    return m_red == other.m_red && m_green == other.m_green && m_blue == other.m_blue && m_alpha == other.m_alpha;
}

bool isEqual(const UIColorPtr& a, const UIColorPtr& b)
{
    if (!a || !b)
        return !a && !b;
    return *a == *b;
}

} // namespace platform
