#pragma once
// Fixture of the card, avatar, networks, share-card and header view tests: a UI driver on the
// manual clock and the session put back to its start state (no flow, not scanned, default
// configuration) before and after every case, plus small pixel and colour helpers.

#include "TavroMerchantSDK/core/TavroConfig.h"
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace cardviews {

inline void resetCardViewsSession()
{
    const auto& session = tavro::TavroSession::sharedSession();
    session->setActiveSessionType(tavro::TavroActiveFlow::none);
    session->setIsScanned(false);
    session->setConfiguration(platform::NSObject::create<tavro::TavroConfig>());
    platform::UIView::cancelAllAnimations();
}

class CardViewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tavro::TavroMerchantSDK::start();
        resetCardViewsSession();
    }
    void TearDown() override { resetCardViewsSession(); }

    const std::shared_ptr<tavro::TavroSession>& session() const { return tavro::TavroSession::sharedSession(); }

    platform::UIDriver driver;
};

// Whether `color` is the colour of the hex text (components within half a step of 255).
inline bool isHexColor(const platform::UIColorPtr& color, const std::string& hex)
{
    return color && platform::isEqual(color, tavro::colorWithHexString(hex));
}

// Whether a rendered pixel is the colour of the hex text, opaque, within `tolerance` steps.
inline bool pixelIsHex(const platform::UIImagePtr& image, int x, int y, const std::string& hex, int tolerance = 2)
{
    auto expected = tavro::colorWithHexString(hex);
    double r = 0, g = 0, b = 0, a = 0;
    expected->getRed(&r, &g, &b, &a);
    auto pixel = image->pixelAt(x, y);
    auto near = [tolerance](int actual, double wanted) {
        return std::abs(actual - int(std::lround(wanted * 255))) <= tolerance;
    };
    return pixel.a == 255 && near(pixel.r, r) && near(pixel.g, g) && near(pixel.b, b);
}

} // namespace cardviews
