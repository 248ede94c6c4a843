#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Localization.h"
#include "platform/foundation/ManualClock.h"
#include "platform/foundation/StringsFile.h"

#include "MadeLocale.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Whatever locale the host's process sets, localisation names compare in ASCII, the bare words of
// a strings file are ASCII words, and numbers in debug lines are written as in the classic
// locale: everything reads as it does there.
TEST(HostLocale, NamesWordsAndNumbersReadAsUnderTheClassicLocale)
{
    const auto observe = [] {
        DebugLogCapture log;
        std::vector<std::string> seen{chooseLocalization({"en", "it"}, {"IT"}).value_or("none")};
        // "cafê": each byte of the ê is a letter of ISO-8859-9.
        seen.push_back(std::to_string(parseStringsFile("caf\xC3\xAA = \"coffee\";", "Word.strings").size()));
        parseStringsFile(std::string(1234, '\n') + "\"broken\" = ;", "Long.strings");
        ManualClock(0).advance(-2.5);
        seen.insert(seen.end(), log.lines().begin(), log.lines().end());
        return seen;
    };
    const std::vector<std::string> classic = observe();
    ASSERT_EQ(classic.size(), 5u);
    EXPECT_EQ(classic[0], "it");
    EXPECT_EQ(classic[1], "0");
    EXPECT_NE(classic[3].find("at line 1235;"), std::string::npos) << classic[3];
    EXPECT_NE(classic[4].find("step -2.5"), std::string::npos) << classic[4];
    // Its C library lowers 'I' to a dotless i and takes 65 high bytes for letters; it groups
    // thousands with "." and writes "," before a fraction.
    EXPECT_PASSES_UNDER_MADE_LOCALE("tr_TR", "ISO-8859-9", [&] { return observe() == classic; });
}

} // namespace
} // namespace platform
