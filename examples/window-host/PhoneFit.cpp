#include "PhoneFit.h"

#include "platform/graphics/PixelCount.h"

#include <algorithm>
#include <cmath>

PhoneFit::PhoneFit(platform::CGSize phone, int width, int height, double largest) : m_phone(phone)
{
    if (phone.width <= 0 || phone.height <= 0 || width <= 0 || height <= 0 || !(largest > 0))
        return;
    m_scale = std::min({width / phone.width, height / phone.height, largest});
    m_size = {std::min<double>(platform::pixelCount(phone.width, m_scale), width),
              std::min<double>(platform::pixelCount(phone.height, m_scale), height)};
    m_origin = {std::floor((width - m_size.width) / 2), std::floor((height - m_size.height) / 2)};
}

platform::CGPoint PhoneFit::points(double x, double y) const
{
    return {(x - m_origin.x) / m_scale, (y - m_origin.y) / m_scale};
}

platform::CGRect PhoneFit::pixels(const platform::CGRect& points) const
{
    return {m_origin.x + points.origin.x * m_scale, m_origin.y + points.origin.y * m_scale, points.size.width * m_scale,
            points.size.height * m_scale};
}

bool PhoneFit::shows(double x, double y) const
{
    const platform::CGPoint point = points(x, y);
    return point.x >= 0 && point.y >= 0 && point.x < m_phone.width && point.y < m_phone.height;
}
