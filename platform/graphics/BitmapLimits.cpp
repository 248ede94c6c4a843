#include "platform/graphics/BitmapLimits.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"

#include <cmath>
#include <sstream>

namespace platform {

std::optional<std::string> bitmapSizeProblem(double width, double height)
{
    std::ostringstream size = classicStream();
    size << "a bitmap of " << width << " x " << height << " pixels";
    if (!(width >= 1 && height >= 1))
        return size.str() + " has no pixels";
    if (!(width <= kMaxBitmapSide && height <= kMaxBitmapSide))
        return size.str() + " has a side over " + std::to_string(static_cast<int>(kMaxBitmapSide)) + " pixels";
    if (!(width * height <= kMaxBitmapPixels))
        return size.str() + " is over the limit of " + std::to_string(static_cast<long>(kMaxBitmapPixels)) + " pixels";
    return std::nullopt;
}

bool checkBitmapSize(double width, double height, std::string_view who)
{
    std::optional<std::string> problem = bitmapSizeProblem(width, height);
    if (problem)
        debugLog(std::string(who) + ": " + *problem);
    return !problem;
}

} // namespace platform
