#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Localization.h"
#include "platform/foundation/ManualClock.h"
#include "platform/foundation/StringsFile.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/ImageContext.h"
#include "platform/testing/ViewTreeDump.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include "MadeLocale.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Whatever locale the host's process sets, localisation names compare in ASCII, the bare words of
// a strings file are ASCII words, and numbers in descriptions, dumps and debug lines are written as
// in the classic locale: everything reads as it does there.
TEST(HostLocale, NamesWordsAndNumbersReadAsUnderTheClassicLocale)
{
    const auto observe = [] {
        auto view = NSObject::create<UIView>(CGRect{0, 0, 2.5, 10});
        view->setAlpha(0.5);
        auto constraint = NSLayoutConstraint::create(view, NSLayoutAttribute::width, NSLayoutRelation::equal, view,
                                                     NSLayoutAttribute::height, 2.5, 1234.5);
        DebugLogCapture log;
        // "cafê": each byte of the ê is a letter of ISO-8859-9.
        std::vector<std::string> seen{
            chooseLocalization({"en", "it"}, {"IT"}).value_or("none"),
            std::to_string(parseStringsFile("caf\xC3\xAA = \"coffee\";", "Word.strings").size()),
            constraint->description(), describeViewTree(view), bitmapSizeProblem(2.5, 40000).value_or("")};
        log.clear();
        parseStringsFile(std::string(1234, '\n') + "\"broken\" = ;", "Long.strings");
        ManualClock(0).advance(-2.5);
        constraint->setPriority(-2.5);
        UIGraphicsBeginImageContextWithOptions({-2.5, 10}, false, 1.5);
        seen.insert(seen.end(), log.lines().begin(), log.lines().end());
        return seen;
    };
    const std::vector<std::string> classic = observe();
    EXPECT_EQ(classic,
              (std::vector<std::string>{
                  "it", "0", "UIView.width == UIView.height * 2.5 + 1234.5 @1000",
                  "UIView {{0, 0}, {2.5, 10}} alpha=0.5\n",
                  "a bitmap of 2.5 x 40000 pixels has a side over 32767 pixels",
                  "Strings file Long.strings: expected a quoted string at line 1235; kept 0 entries",
                  "ManualClock::advance: ignored non-finite or negative step -2.5",
                  "NSLayoutConstraint: ignoring priority -2.5 (not in 0 < p <= 1000)",
                  "UIGraphicsBeginImageContext: no context for size -2.5 x 10 at scale 1.5"}));
    // Its C library lowers 'I' to a dotless i and takes 65 high bytes for letters; it groups
    // thousands with "." and writes "," before a fraction.
    EXPECT_PASSES_UNDER_MADE_LOCALE("tr_TR", "ISO-8859-9", [&] { return observe() == classic; });
}

} // namespace
} // namespace platform
