// Where the window host puts the phone, with no display: every window from 1 to 2,000 pixels each
// way, for phones from the smallest to a tablet.
#include "examples/window-host/PhoneFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

// What is wrong with the fit of `phone` in a window of `width` × `height` pixels; empty when nothing.
std::string faultOf(platform::CGSize phone, int width, int height)
{
    const PhoneFit fit(phone, width, height);
    const platform::CGRect rect = fit.phone();
    const auto whole = [](double pixels) { return pixels >= 0 && pixels == std::floor(pixels); };
    if (!whole(rect.origin.x) || !whole(rect.origin.y) || !whole(rect.size.width) || !whole(rect.size.height))
        return "not on whole pixels";
    if (rect.maxX() > width || rect.maxY() > height)
        return "outside the window";
    // Each side the phone's at the fit's scale, rounded up, and as large as the window holds it.
    const double over[] = {rect.size.width - phone.width * fit.scale(), rect.size.height - phone.height * fit.scale()};
    if (over[0] <= -1e-9 || over[0] >= 1 || over[1] <= -1e-9 || over[1] >= 1)
        return "shape not kept";
    if (rect.size.width != width && rect.size.height != height)
        return "smaller than the window holds";
    // The phone's corner and the window's far pixel, to points and back.
    for (const platform::CGPoint pixel : {rect.origin, platform::CGPoint{width - 1.0, height - 1.0}}) {
        const platform::CGPoint back = fit.pixels({fit.points(pixel.x, pixel.y), {0, 0}}).origin;
        if (std::fabs(back.x - pixel.x) > 1e-6 || std::fabs(back.y - pixel.y) > 1e-6)
            return "a pixel does not map back onto itself";
    }
    return {};
}

TEST(PhoneFitTest, EveryWindowSizeHoldsTheWholePhone)
{
    for (const platform::CGSize phone : {platform::CGSize{320, 568}, {375, 667}, {414, 896}, {428, 926}, {768, 1024}}) {
        int faults = 0;
        std::ostringstream first;
        for (int width = 1; width <= 2000; ++width)
            for (int height = 1; height <= 2000; ++height)
                if (const std::string fault = faultOf(phone, width, height); !fault.empty() && faults++ == 0)
                    first << fault << " in " << width << "x" << height;
        EXPECT_EQ(faults, 0) << phone.width << "x" << phone.height << " phone, first: " << first.str();
    }
}

} // namespace
