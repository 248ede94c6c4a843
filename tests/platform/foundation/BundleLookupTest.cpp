#include "platform/foundation/Bundle.h"
#include "platform/foundation/BundleLookup.h"
#include "platform/foundation/DebugLog.h"

#include "ResourceFixture.h"
#include "WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sys/stat.h>

using platform::Bundle;
using platform::bundleSearchPaths;
using platform::lookUpBundle;

namespace {

// Sets TAVRO_BUNDLE_PATH (nullopt: unsets it) for one scope.
struct BundlePathOverride {
    explicit BundlePathOverride(const std::optional<std::string>& value)
    {
        if (const char* saved = std::getenv("TAVRO_BUNDLE_PATH"))
            m_saved = saved;
        put(value);
    }
    ~BundlePathOverride() { put(m_saved); }
    static void put(const std::optional<std::string>& value)
    {
        value ? ::setenv("TAVRO_BUNDLE_PATH", value->c_str(), 1) : ::unsetenv("TAVRO_BUNDLE_PATH");
    }
    std::optional<std::string> m_saved;
};

} // namespace

TEST(BundleLookup, AnOverrideIsTheOnlyPlaceElseTheDefaultsInOrder)
{
    const std::vector<std::string> defaults{"/prefix/share/A.bundle", "", "/source/A.bundle"};
    struct Case {
        const char* overridePath;
        std::vector<std::string> expected;
    } cases[] = {
        {nullptr, {"/prefix/share/A.bundle", "/source/A.bundle"}},
        {"", {"/prefix/share/A.bundle", "/source/A.bundle"}},
        {"/elsewhere/A.bundle", {"/elsewhere/A.bundle"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.overridePath ? c.overridePath : "(unset)");
        EXPECT_EQ(bundleSearchPaths(c.overridePath, defaults), c.expected);
    }
}

TEST(BundleLookup, TheFirstDirectoryServesAndAFailedLookupNamesEveryPlace)
{
    testing_support::ScratchDirectory scratch;
    const auto good = scratch.makeDirectory("Good.bundle");
    const auto later = scratch.makeDirectory("Later.bundle");
    const auto file = scratch.write("File.bundle", "not a directory");
    const auto missing = scratch.path("Missing.bundle");

    struct Case {
        const char* name;
        std::vector<std::string> places;
        std::string path;
        bool found;
        std::vector<std::string> problemNames;
    } cases[] = {
        {"first serves", {good, later}, good, true, {}},
        {"missing skipped", {missing, good}, good, true, {}},
        {"file skipped", {file, good}, good, true, {}},
        {"none serves", {missing, file}, missing, false, {missing + " (missing)", file + " (not a directory)"}},
        {"nowhere to look", {}, "", false, {"no place"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto lookup = lookUpBundle(c.places);
        EXPECT_EQ(lookup.path, c.path);
        EXPECT_EQ(lookup.found, c.found);
        EXPECT_EQ(lookup.problem.empty(), c.found);
        for (const auto& name : c.problemNames)
            EXPECT_NE(lookup.problem.find(name), std::string::npos) << lookup.problem;
    }
}

TEST(BundleLookup, AnUnreadableDirectoryIsPassedOverAndReportedOnce)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("Locked.bundle/en.lproj/Localizable.strings", "\"KEY\" = \"Word\";");
    const auto good = scratch.makeDirectory("Good.bundle");
    const auto locked = scratch.path("Locked.bundle");
    ::chmod(locked.c_str(), 0);
    EXPECT_EXIT(testing_support::runWithoutPrivileges([&] {
                    auto passedOver = lookUpBundle({locked, good});
                    if (!passedOver.found || passedOver.path != good)
                        return false;
                    // The framework's own bundle, unreadable: one line for the lookup, none more
                    // when its strings are read.
                    BundlePathOverride override(locked);
                    platform::DebugLogCapture log;
                    auto bundle = Bundle::framework();
                    return bundle->localizedString("KEY") == "KEY" && log.lines().size() == 1 &&
                           log.contains(locked + " (cannot be read") && log.contains("TAVRO_BUNDLE_PATH");
                }),
                ::testing::ExitedWithCode(0), "");
    ::chmod(locked.c_str(), 0755);
}

TEST(BundleLookup, TheFrameworkBundleIsFoundWithoutAnOverrideAndAMissingOneIsReportedOnce)
{
    {
        BundlePathOverride unset(std::nullopt);
        platform::DebugLogCapture log;
        EXPECT_NE(Bundle::framework()->localizedString("TAVRO_OK"), "TAVRO_OK") << Bundle::frameworkPath();
        EXPECT_TRUE(log.lines().empty());
    }
    testing_support::ScratchDirectory scratch;
    const auto nowhere = scratch.path("Nowhere.bundle");
    BundlePathOverride override(nowhere);
    platform::DebugLogCapture log;
    EXPECT_EQ(Bundle::framework()->localizedString("TAVRO_OK"), "TAVRO_OK");
    Bundle::framework();
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains(nowhere + " (missing)")) << log.lines().front();
}
