#include "platform/foundation/Bundle.h"
#include "platform/foundation/Localization.h"

#include "ResourceFixture.h"

#include <gtest/gtest.h>

using platform::Bundle;
using platform::chooseLocalization;

namespace {

// Restores the environment's preferred languages when a test ends.
struct PreferredLanguages {
    explicit PreferredLanguages(std::vector<std::string> languages)
    {
        platform::setPreferredLanguages(std::move(languages));
    }
    ~PreferredLanguages() { platform::setPreferredLanguages({}); }
};

} // namespace

TEST(Localization, ChoosesTheFirstServedLanguageThenTheDevelopmentRegion)
{
    using List = std::vector<std::string>;
    struct Case {
        List available;
        List preferred;
        std::optional<std::string> chosen;
    };
    const Case cases[] = {
        {{"en", "fr"}, {"fr"}, "fr"},
        {{"en", "fr"}, {"de", "fr"}, "fr"},          // first preferred that is available
        {{"en", "fr"}, {"fr-CA"}, "fr"},             // region dropped
        {{"en", "pt_BR", "pt"}, {"pt-BR"}, "pt_BR"}, // "-" and "_" alike
        {{"en", "pt"}, {"PT-br"}, "pt"},             // case does not matter
        {{"en", "zh-Hans"}, {"zh-Hans-CN"}, "zh-Hans"},
        {{"en", "fr"}, {"de"}, "en"}, // development region
        {{"de", "fr"}, {"ja"}, std::nullopt},
        {{}, {"en"}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLocalization(c.available, c.preferred), c.chosen) << c.preferred.front();
}

TEST(Localization, PreferredLanguagesCanBeReplacedAndRestored)
{
    auto fromEnvironment = platform::preferredLanguages();
    EXPECT_FALSE(fromEnvironment.empty());
    unsigned before = platform::preferredLanguagesGeneration();
    {
        PreferredLanguages french({"fr-FR", "en"});
        EXPECT_EQ(platform::preferredLanguages(), (std::vector<std::string>{"fr-FR", "en"}));
        EXPECT_NE(platform::preferredLanguagesGeneration(), before);
    }
    EXPECT_EQ(platform::preferredLanguages(), fromEnvironment);
}

TEST(Localization, LooksKeysUpInTheChosenTable)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("L.bundle/en.lproj/Localizable.strings",
                  "\"TAVRO_OK\" = \"OK\";\n\"Merchant ID\" = \"Merchant ID\";\n\"ONLY_EN\" = \"English only\";");
    scratch.write("L.bundle/fr.lproj/Localizable.strings", "\"TAVRO_OK\" = \"D'accord\";");
    scratch.write("L.bundle/en.lproj/Errors.strings", "\"E1\" = \"First error\";");
    auto bundle = Bundle::forPath(scratch.path("L.bundle"));
    ASSERT_TRUE(bundle);

    PreferredLanguages english({"en-GB"});
    EXPECT_EQ(bundle->localizedString("TAVRO_OK"), "OK");
    EXPECT_EQ(bundle->localizedString("TAVRO_OK", "", "Localizable"), "OK");
    EXPECT_EQ(bundle->localizedString("E1", "", "Errors"), "First error");
    EXPECT_EQ(bundle->localizedString("E1"), "E1"); // other table

    // A missing key gives the default value, or the key itself when the default is empty.
    EXPECT_EQ(bundle->localizedString("NO_SUCH_KEY"), "NO_SUCH_KEY");
    EXPECT_EQ(bundle->localizedString("NO_SUCH_KEY", "Fallback"), "Fallback");
    EXPECT_EQ(bundle->localizedString("TAVRO_OK", "Fallback"), "OK");
    EXPECT_EQ(bundle->localizedString("X", "", "NoSuchTable"), "X");
    EXPECT_EQ(bundle->localizedString(""), "");

    // Changing the languages switches tables; the whole French table is used, not a mixture.
    platform::setPreferredLanguages({"fr"});
    EXPECT_EQ(bundle->localizedString("TAVRO_OK"), "D'accord");
    EXPECT_EQ(bundle->localizedString("ONLY_EN"), "ONLY_EN");
    platform::setPreferredLanguages({"de"});
    EXPECT_EQ(bundle->localizedString("TAVRO_OK"), "OK");
}

TEST(Localization, TablesAreReadOnceUntilTheLanguagesChange)
{
    testing_support::ScratchDirectory scratch;
    auto file = scratch.write("C.bundle/en.lproj/Localizable.strings", "\"K\" = \"first\";");
    auto bundle = Bundle::forPath(scratch.path("C.bundle"));
    ASSERT_TRUE(bundle);
    PreferredLanguages english({"en"});

    EXPECT_EQ(bundle->localizedString("K"), "first");
    scratch.write("C.bundle/en.lproj/Localizable.strings", "\"K\" = \"second\";");
    EXPECT_EQ(bundle->localizedString("K"), "first");

    platform::setPreferredLanguages({"en-US"});
    EXPECT_EQ(bundle->localizedString("K"), "second");
}

TEST(Localization, UnlocalizedTablesAtTheTopLevelAreFound)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("T.bundle/Localizable.strings", "\"K\" = \"top level\";");
    auto bundle = Bundle::forPath(scratch.path("T.bundle"));
    ASSERT_TRUE(bundle);
    PreferredLanguages japanese({"ja"});
    EXPECT_FALSE(bundle->preferredLocalization());
    EXPECT_EQ(bundle->localizedString("K"), "top level");
}
