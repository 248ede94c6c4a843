#include "platform/foundation/Bundle.h"
#include "platform/foundation/BundleLookup.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Localization.h"

#include "ResourceFixture.h"
#include "WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <sys/stat.h>

using platform::Bundle;
using platform::lookUpFrameworkBundle;

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

// A framework bundle compiled in, as the framework registers its own.
std::string registerBuiltIn()
{
    static constexpr platform::EmbeddedFile files[] = {{"en.lproj/Localizable.strings", "\"KEY\" = \"Built in\";"}};
    Bundle::registerFrameworkFiles("Lookup.bundle", files);
    return "embedded:/Lookup.bundle";
}

} // namespace

TEST(BundleLookup, AReadableOverrideServesElseTheBuiltInBundleWithTheReason)
{
    testing_support::ScratchDirectory scratch;
    const auto good = scratch.makeDirectory("Good.bundle");
    const auto file = scratch.write("File.bundle", "not a directory");
    const auto missing = scratch.path("Missing.bundle");
    const std::string builtIn = "embedded:/Lookup.bundle";

    struct Case {
        const char* overridePath;
        std::string path;
        std::string problem;
    } cases[] = {
        {nullptr, builtIn, ""},
        {"", builtIn, ""},
        {good.c_str(), good, ""},
        {missing.c_str(), builtIn, "TAVRO_BUNDLE_PATH=" + missing + " (missing)"},
        {file.c_str(), builtIn, "TAVRO_BUNDLE_PATH=" + file + " (not a directory)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.overridePath ? c.overridePath : "(unset)");
        auto lookup = lookUpFrameworkBundle(c.overridePath, builtIn);
        EXPECT_EQ(lookup.path, c.path);
        EXPECT_EQ(lookup.problem.substr(0, c.problem.size()), c.problem);
        EXPECT_EQ(lookup.problem.empty(), c.problem.empty());
    }

    const std::string root = registerBuiltIn();
    BundlePathOverride override(good);
    EXPECT_EQ(Bundle::frameworkPath(), good);
    EXPECT_EQ(Bundle::framework(), Bundle::forPath(good));
    BundlePathOverride::put(std::nullopt);
    EXPECT_EQ(Bundle::frameworkPath(), root);
    EXPECT_EQ(Bundle::framework(), Bundle::forPath(root));
    EXPECT_EQ(Bundle::framework()->localizedString("KEY"), "Built in");
}

TEST(BundleLookup, AnUnreadableOverrideIsPassedOver)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("Locked.bundle/en.lproj/Localizable.strings", "\"KEY\" = \"Word\";");
    const auto locked = scratch.path("Locked.bundle");
    ::chmod(locked.c_str(), 0);
    EXPECT_EXIT(testing_support::runWithoutPrivileges([&] {
                    const std::string root = registerBuiltIn();
                    auto lookup = lookUpFrameworkBundle(locked.c_str(), root);
                    BundlePathOverride override(locked);
                    platform::DebugLogCapture log;
                    return lookup.path == root &&
                           lookup.problem.find(locked + " (cannot be read") != std::string::npos &&
                           Bundle::framework()->localizedString("KEY") == "Built in";
                }),
                ::testing::ExitedWithCode(0), "");
    ::chmod(locked.c_str(), 0755);
}

// In a process of its own, so no earlier test has used up the one line.
TEST(BundleLookup, ABadOverrideIsSaidOnStandardErrorOncePerProcessWhateverTheDebugLog)
{
    const std::string savedStyle = ::testing::GTEST_FLAG(death_test_style);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(
        {
            const std::string root = registerBuiltIn();
            platform::setDebugLogEnabled(false);
            BundlePathOverride override("/nowhere/Fw.bundle");
            const bool served = Bundle::framework()->localizedString("KEY") == "Built in" &&
                                Bundle::framework() == Bundle::forPath(root);
            std::exit(served ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^TAVRO_BUNDLE_PATH=/nowhere/Fw.bundle \\(missing\\)[^\n]*\n$");
    ::testing::GTEST_FLAG(death_test_style) = savedStyle;
}

TEST(BundleLookup, AnOverrideLackingAFileTheFrameworkAsksForSaysSoOncePerFile)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("Host.bundle/en.lproj/Errors.strings", "\"KEY\" = \"Host\";");
    scratch.makeDirectory("Host.bundle/fr.lproj");
    scratch.write("Host.bundle/logo@3x.png", "png");
    scratch.makeDirectory("Host.bundle/Kit.bundle");
    const std::string host = scratch.path("Host.bundle");
    auto builtIn = Bundle::forPath(registerBuiltIn());
    BundlePathOverride override(host);
    auto bundle = Bundle::framework();
    auto kit = Bundle::forPath(host + "/Kit.bundle");
    const std::tuple<std::function<void()>, std::string> rows[] = {
        {[&] { bundle->localizedString("KEY"); },
         host + "> has no Localizable.strings (looked in fr.lproj, en.lproj and the top level)"},
        {[&] { bundle->localizedString("KEY", {}, "Errors"); }, ""},
        {[&] { bundle->pathForImage("gone", 2); }, host + "> has no gone.png"},
        {[&] { bundle->pathForImage("logo", 2); }, ""},
        {[&] { kit->pathForImage("gone", 2); }, host + "/Kit.bundle> has no gone.png"},
        {[&] { builtIn->pathForImage("gone", 2); }, ""},
    };
    for (const auto& [ask, line] : rows) {
        SCOPED_TRACE(line);
        platform::setPreferredLanguages({"fr"});
        platform::DebugLogCapture log;
        ask();
        platform::setPreferredLanguages({"fr", "en"}); // tables are read again
        ask();
        EXPECT_EQ(log.lines().size(), line.empty() ? 0u : 1u);
        EXPECT_TRUE(line.empty() || log.contains(line)) << ::testing::PrintToString(log.lines());
    }
    platform::setPreferredLanguages({});
}
