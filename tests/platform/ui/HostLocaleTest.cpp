#include "platform/foundation/DebugLog.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/ImageContext.h"
#include "platform/testing/ViewTreeDump.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include "MadeLocale.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Under a host's locale that groups thousands with "." and writes "," before a fraction, numbers in
// descriptions, dumps and debug lines read as in the classic locale.
TEST(HostLocale, NumbersInDescriptionsAndLinesReadAsUnderTheClassicLocale)
{
    const auto described = [] {
        auto view = NSObject::create<UIView>(CGRect{0, 0, 2.5, 10});
        view->setAlpha(0.5);
        auto constraint = NSLayoutConstraint::create(view, NSLayoutAttribute::width, NSLayoutRelation::equal, view,
                                                     NSLayoutAttribute::height, 2.5, 1234.5);
        DebugLogCapture log;
        constraint->setPriority(-2.5);
        UIGraphicsBeginImageContextWithOptions({-2.5, 10}, false, 1.5);
        std::vector<std::string> seen{constraint->description(), describeViewTree(view),
                                      bitmapSizeProblem(2.5, 40000).value_or("")};
        seen.insert(seen.end(), log.lines().begin(), log.lines().end());
        return seen;
    };
    const std::vector<std::string> classic = described();
    EXPECT_EQ(classic,
              (std::vector<std::string>{"UIView.width == UIView.height * 2.5 + 1234.5 @1000",
                                        "UIView {{0, 0}, {2.5, 10}} alpha=0.5\n",
                                        "a bitmap of 2.5 x 40000 pixels has a side over 32767 pixels",
                                        "NSLayoutConstraint: ignoring priority -2.5 (not in 0 < p <= 1000)",
                                        "UIGraphicsBeginImageContext: no context for size -2.5 x 10 at scale 1.5"}));
    EXPECT_PASSES_UNDER_MADE_LOCALE("tr_TR", "ISO-8859-9", [&] { return described() == classic; });
}

} // namespace
} // namespace platform
