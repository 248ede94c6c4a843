#include "platform/foundation/DebugLog.h"
#include "platform/foundation/StringsFile.h"

#include "ResourceFixture.h"
#include "WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using platform::DebugLogCapture;
using platform::parseStringsFile;
using platform::StringsTable;

TEST(StringsFile, ReadsEntriesCommentsAndShorthands)
{
    DebugLogCapture log;
    auto table = parseStringsFile(R"(
/* A block comment
   over two lines with "quotes" and ; */
"SCAN_TO_PAY_TITLE" = "Scan to pay";   // trailing comment
"Merchant ID"="Merchant ID";
  "Invalid [Default Label]"   =   "Invalid [Default Label]" ;
"KEY_ONLY";
bare_key.name = "bare";
"EMPTY" = "";
"SCAN_TO_PAY_TITLE" = "Scan to pay now";
)");
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(table, (StringsTable{
                         {"SCAN_TO_PAY_TITLE", "Scan to pay now"}, // the later entry wins
                         {"Merchant ID", "Merchant ID"},
                         {"Invalid [Default Label]", "Invalid [Default Label]"},
                         {"KEY_ONLY", "KEY_ONLY"},
                         {"bare_key.name", "bare"},
                         {"EMPTY", ""},
                     }));
    EXPECT_TRUE(parseStringsFile("").empty());
    EXPECT_TRUE(parseStringsFile("  // only a comment").empty());
}

TEST(StringsFile, DecodesEscapes)
{
    struct Case {
        const char* source;
        const char* expected;
    };
    const Case cases[] = {
        {R"("k" = "say \"hi\"";)", "say \"hi\""},
        {R"("k" = "back\\slash";)", "back\\slash"},
        {R"("k" = "a\nb\tc\rd";)", "a\nb\tc\rd"},
        {R"("k" = "\U20B9 \u00e9";)", "\u20B9 \u00E9"},
        {R"("k" = "\UD83D\UDE00";)", "\U0001F600"}, // surrogate pair joins
        {R"("k" = "\UD83D!";)", "\uFFFD!"},         // lone surrogate
        {R"("k" = "\101\060";)", "A0"},             // octal
        {R"("k" = "it\'s \/ ok";)", "it's / ok"},
        {"\"k\" = \"na\xC3\xAFve \xE2\x82\xB9\";", "na\u00EFve \u20B9"}, // raw UTF-8
    };
    for (const auto& c : cases) {
        auto table = parseStringsFile(c.source);
        ASSERT_EQ(table.count("k"), 1u) << c.source;
        EXPECT_EQ(table["k"], c.expected) << c.source;
    }
}

TEST(StringsFile, ReadsByteOrderMarksAndRepairsBadUtf8)
{
    std::string utf8WithBom = "\xEF\xBB\xBF\"a\" = \"\xE2\x82\xAC\";";
    EXPECT_EQ(parseStringsFile(utf8WithBom)["a"], "\u20AC");

    // "a" = "€"; in UTF-16 both ways round.
    std::u16string source = u"\"a\" = \"\u20AC\";";
    std::string little = "\xFF\xFE";
    std::string big = "\xFE\xFF";
    for (char16_t unit : source) {
        little += static_cast<char>(unit & 0xFF);
        little += static_cast<char>(unit >> 8);
        big += static_cast<char>(unit >> 8);
        big += static_cast<char>(unit & 0xFF);
    }
    EXPECT_EQ(parseStringsFile(little)["a"], "\u20AC");
    EXPECT_EQ(parseStringsFile(big)["a"], "\u20AC");

    EXPECT_EQ(parseStringsFile("\"a\" = \"x\xFFy\";")["a"], "x\uFFFDy");

    DebugLogCapture log;
    EXPECT_EQ(parseStringsFile(little + "x", "Odd.strings")["a"], "\u20AC");
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("Odd.strings"), std::string::npos);
    EXPECT_NE(log.lines()[0].find("odd"), std::string::npos);
}

TEST(StringsFile, MalformedInputKeepsEarlierEntriesAndLogsOneLine)
{
    const char* broken[] = {
        "\"one\" = \"1\";\n\"two\" = \"2\" \"three\" = \"3\";", // missing ';'
        "\"one\" = \"1\";\n\"two\" = \"never closed;",          // unterminated string
        "\"one\" = \"1\";\n/* never closed",                    // unterminated comment
        "\"one\" = \"1\";\n\"two\" = ;",                        // missing value
        "\"one\" = \"1\";\n= \"2\";",                           // missing key
        "\"one\" = \"1\";\n\"two\" = \"\\U\";",                 // \U without digits
        "\"one\" = \"1\";\n\"two\" =",                          // end of file
    };
    for (const char* source : broken) {
        DebugLogCapture log;
        auto table = parseStringsFile(source, "Broken.strings");
        EXPECT_EQ(table, (StringsTable{{"one", "1"}})) << source;
        ASSERT_EQ(log.lines().size(), 1u) << source;
        EXPECT_NE(log.lines()[0].find("Broken.strings"), std::string::npos);
        EXPECT_NE(log.lines()[0].find("line 2"), std::string::npos) << log.lines()[0];
    }
}

TEST(StringsFile, LoadsFilesAndReportsUnreadableOnes)
{
    testing_support::ScratchDirectory scratch;
    auto path = scratch.write("Localizable.strings", "\"TAVRO_OK\" = \"OK\";");
    auto table = platform::loadStringsFile(path);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)["TAVRO_OK"], "OK");
    DebugLogCapture log;
    EXPECT_FALSE(platform::loadStringsFile(scratch.path("missing.strings")));
    EXPECT_TRUE(log.lines().empty());
    // Present but unreadable: says so once.
    scratch.makeDirectory("Folder.strings");
    EXPECT_FALSE(platform::loadStringsFile(scratch.path("Folder.strings")));
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("Folder.strings"));
    // One byte over the cap: not read at all (sparse, so the test writes nothing either).
    auto huge = scratch.write("Huge.strings", "");
    std::filesystem::resize_file(huge, platform::kMaxStringsFileSize + 1);
    EXPECT_FALSE(platform::loadStringsFile(huge));
    EXPECT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(log.contains("Huge.strings cannot be read (it is larger than 16 MiB)"));
}

TEST(StringsFile, APermissionDeniedFileSaysSo)
{
    testing_support::ScratchDirectory scratch;
    auto path = scratch.write("Locked.strings", "\"a\" = \"b\";");
    ::chmod(path.c_str(), 0);
    EXPECT_EXIT(testing_support::runWithoutPrivileges([&] {
                    DebugLogCapture log;
                    return !platform::loadStringsFile(path) && log.lines().size() == 1 &&
                           log.contains("Locked.strings");
                }),
                ::testing::ExitedWithCode(0), "");
}
