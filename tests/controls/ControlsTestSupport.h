#pragma once
// Shared fixture of the controls tests: a UI driver on a manual clock, a dark theme, and helpers to
// read attributed titles and rendered pixels.

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/UIImage.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace controlstest {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tavro::TavroMerchantSDK::start();
        tavro::KThemes::setCurrentTheme(std::make_shared<tavro::KThemes>(tavro::KUITheme::darkUI));
    }
    void TearDown() override
    {
        platform::UIView::cancelAllAnimations();
        tavro::KThemes::setCurrentTheme(std::make_shared<tavro::KThemes>(tavro::KUITheme::darkUI));
    }

    platform::UIDriver driver;
};

inline platform::UIColorPtr hex(const char* text)
{
    return tavro::colorWithHexString(text);
}

// Colours equal to within one step of 8 bits.
inline bool sameColor(const platform::UIColorPtr& a, const platform::UIColorPtr& b)
{
    if (!a || !b)
        return !a && !b;
    const double step = 1.0 / 255;
    return std::abs(a->redComponent() - b->redComponent()) <= step &&
           std::abs(a->greenComponent() - b->greenComponent()) <= step &&
           std::abs(a->blueComponent() - b->blueComponent()) <= step &&
           std::abs(a->alphaComponent() - b->alphaComponent()) <= step;
}

// The attribute `key` at the first character of `text`.
inline std::optional<platform::AttributeValue> firstAttribute(const platform::NSAttributedString& text,
                                                              const std::string& key)
{
    if (text.length() == 0)
        return std::nullopt;
    return text.attribute(key, 0);
}

// The constraints on `view` itself (no second item) for `attribute`.
inline std::vector<std::shared_ptr<platform::NSLayoutConstraint>> ownConstraints(const platform::UIViewPtr& view,
                                                                                 platform::NSLayoutAttribute attribute)
{
    std::vector<std::shared_ptr<platform::NSLayoutConstraint>> found;
    for (const auto& constraint : view->constraints())
        if (constraint->firstView() == view && !constraint->hasSecondItem() &&
            constraint->firstAttribute() == attribute)
            found.push_back(constraint);
    return found;
}

} // namespace controlstest
