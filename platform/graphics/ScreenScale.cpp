#include "platform/graphics/ScreenScale.h"

#include <cmath>

namespace platform {

namespace {

constexpr double kDefaultScreenScale = 2.0;

std::function<double()>& provider()
{
    static std::function<double()> installed;
    return installed;
}

} // namespace

double mainScreenScale()
{
    if (!provider())
        return kDefaultScreenScale;
    double scale = provider()();
    return (std::isfinite(scale) && scale > 0) ? scale : kDefaultScreenScale;
}

void setMainScreenScaleProvider(std::function<double()> newProvider)
{
    provider() = std::move(newProvider);
}

} // namespace platform
