#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Localization.h"
#include "platform/foundation/NibRegistry.h"

#include "ResourceFixture.h"
#include "WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <span>
#include <sys/stat.h>
#include <typeindex>

using platform::Bundle;
using platform::NibRegistry;

namespace {

struct HostScreen {};

} // namespace

namespace tavro_like {
struct FrameworkScreen {};
namespace controls {
struct KitButton {};
} // namespace controls
} // namespace tavro_like

TEST(Bundle, OpensExistingDirectoriesOnceEach)
{
    testing_support::ScratchDirectory scratch;
    scratch.makeDirectory("Sample.bundle/en.lproj");
    scratch.write("plain.txt", "x");

    auto bundle = Bundle::forPath(scratch.path("Sample.bundle"));
    ASSERT_TRUE(bundle);
    EXPECT_EQ(Bundle::forPath(scratch.path("Sample.bundle/")), bundle);
    EXPECT_EQ(Bundle::forPath(scratch.path("Sample.bundle/en.lproj/..")), bundle);
    EXPECT_EQ(bundle->description(), "Bundle <" + bundle->bundlePath() + ">");

    EXPECT_EQ(Bundle::forPath(scratch.path("Missing.bundle")), nullptr);
    EXPECT_EQ(Bundle::forPath(scratch.path("plain.txt")), nullptr);
    EXPECT_EQ(Bundle::forPath(""), nullptr);

    auto all = Bundle::allBundles();
    EXPECT_NE(std::find(all.begin(), all.end(), bundle), all.end());
}

namespace {

// The same files in a directory and compiled in: every lookup must answer alike from both.
std::vector<std::shared_ptr<Bundle>> onDiskAndInMemory(const testing_support::ScratchDirectory& scratch,
                                                       const std::string& name,
                                                       std::span<const platform::EmbeddedFile> files)
{
    for (const auto& file : files)
        scratch.write(name + "/" + std::string(file.path), file.bytes);
    return {Bundle::forPath(scratch.path(name)), Bundle::forPath(platform::registerEmbeddedFiles(name, files))};
}

} // namespace

TEST(Bundle, FindsResourcesLocalizedFirstAndNeverOutsideTheBundle)
{
    testing_support::ScratchDirectory scratch;
    platform::setPreferredLanguages({"fr"});
    static constexpr platform::EmbeddedFile files[] = {
        {"fr.lproj/greeting.txt", "bonjour"}, {"en.lproj/greeting.txt", "hello"},
        {"en.lproj/only-english.txt", "en"},  {"greeting.txt", "top"},
        {"data/config.json", "{}"},           {"noext", ""},
        {"UIControlsResources.bundle/logo.png", "png"},
    };
    scratch.write("secret.txt", "outside");
    for (const auto& bundle : onDiskAndInMemory(scratch, "B.bundle", files)) {
        ASSERT_TRUE(bundle);
        const std::string root = bundle->bundlePath();
        SCOPED_TRACE(root);

        EXPECT_EQ(bundle->localizations(), (std::vector<std::string>{"en", "fr"}));
        EXPECT_EQ(bundle->preferredLocalization(), "fr");
        EXPECT_EQ(bundle->pathForResource("greeting", "txt"), root + "/fr.lproj/greeting.txt");
        EXPECT_EQ(bundle->pathForResource("greeting.txt"), root + "/fr.lproj/greeting.txt");
        EXPECT_EQ(bundle->pathForResource("greeting", ".txt"), root + "/fr.lproj/greeting.txt");
        EXPECT_EQ(bundle->pathForResource("only-english", "txt"), root + "/en.lproj/only-english.txt");
        EXPECT_EQ(bundle->pathForResource("config", "json", "data"), root + "/data/config.json");
        EXPECT_EQ(bundle->pathForResource("noext"), root + "/noext");
        EXPECT_FALSE(bundle->pathForResource("absent", "txt"));
        EXPECT_FALSE(bundle->pathForResource("", "txt"));
        EXPECT_EQ(platform::readWholeFile(*bundle->pathForResource("greeting", "txt")), "bonjour");

        EXPECT_FALSE(bundle->pathForResource("../secret", "txt"));
        EXPECT_FALSE(bundle->pathForResource("secret", "txt", ".."));
        EXPECT_FALSE(bundle->pathForResource("/etc/passwd"));
        EXPECT_FALSE(bundle->pathForResource("secret", "/../txt"));

        auto nestedPath = bundle->pathForResource("UIControlsResources", "bundle");
        ASSERT_TRUE(nestedPath);
        auto nested = Bundle::forPath(*nestedPath);
        ASSERT_TRUE(nested);
        EXPECT_NE(nested, bundle);
        EXPECT_TRUE(nested->pathForImage("logo", 2));
        EXPECT_FALSE(bundle->pathForResource("Other", "bundle"));
    }
    platform::setPreferredLanguages({});
}

TEST(Bundle, CompiledInFilesAreOpenedAndReadLikeDirectories)
{
    static constexpr platform::EmbeddedFile files[] = {{"en.lproj/Localizable.strings", "\"KEY\" = \"Word\";"},
                                                       {"big.bin", "0123456789"}};
    const std::string root = platform::registerEmbeddedFiles("Read.bundle", files);
    EXPECT_EQ(root, "embedded:/Read.bundle");
    auto bundle = Bundle::forPath(root);
    ASSERT_TRUE(bundle);
    EXPECT_EQ(Bundle::forPath(root + "/"), bundle);
    EXPECT_EQ(Bundle::forPath(root + "/en.lproj/.."), bundle);
    EXPECT_EQ(bundle->localizedString("KEY"), "Word");
    for (const char* notAFolder : {"embedded:/Read.bundle/big.bin", "embedded:/Missing.bundle", "embedded:/.."})
        EXPECT_EQ(Bundle::forPath(notAFolder), nullptr) << notAFolder;

    using platform::FileReadFailure;
    const struct {
        std::string path;
        std::size_t limit;
        std::optional<FileReadFailure> failure;
    } reads[] = {
        {root + "/big.bin", 10, std::nullopt},
        {root + "/big.bin", 9, FileReadFailure::tooLarge},
        {root + "/en.lproj", 100, FileReadFailure::notRegularFile},
        {root + "/absent.bin", 100, FileReadFailure::missing},
    };
    for (const auto& read : reads) {
        FileReadFailure failure{};
        auto bytes = platform::readWholeFile(read.path, read.limit, &failure);
        EXPECT_EQ(bytes.has_value(), !read.failure) << read.path;
        EXPECT_TRUE(!read.failure || failure == *read.failure) << read.path;
    }
    EXPECT_EQ(platform::readWholeFile(root + "/big.bin"), "0123456789");
}

TEST(Bundle, PicksTheImageFileForTheScreenScale)
{
    testing_support::ScratchDirectory scratch;
    static constexpr platform::EmbeddedFile files[] = {
        {"both.png", "1x"},       {"both@2x.png", "2x"}, {"plain.png", "1x"},
        {"retina@2x.png", "2x"}, {"hd@3x.png", "3x"},
    };
    struct Case {
        const char* name;
        double scale;
        std::string file;
        double fileScale;
    };
    const Case cases[] = {
        {"both", 2, "both@2x.png", 2},     {"both", 1, "both.png", 1},   {"both", 3, "both@2x.png", 2},
        {"both.png", 2, "both@2x.png", 2}, {"plain", 2, "plain.png", 1}, {"retina", 1, "retina@2x.png", 2},
        {"hd", 2, "hd@3x.png", 3},         {"both", 0, "both.png", 1},
    };
    for (const auto& bundle : onDiskAndInMemory(scratch, "I.bundle", files)) {
        ASSERT_TRUE(bundle);
        const std::string root = bundle->bundlePath();
        for (const auto& c : cases) {
            auto found = bundle->pathForImage(c.name, c.scale);
            ASSERT_TRUE(found) << root << " " << c.name << " @" << c.scale;
            EXPECT_EQ(found->path, root + "/" + c.file) << c.name << " @" << c.scale;
            EXPECT_EQ(found->scale, c.fileScale) << c.name << " @" << c.scale;
        }
        EXPECT_FALSE(bundle->pathForImage("absent", 2));
    }
}

TEST(Bundle, MapsClassesToRegisteredBundlesAndOthersToMain)
{
    testing_support::ScratchDirectory scratch;
    auto framework = Bundle::forPath(scratch.makeDirectory("Framework.bundle"));
    auto kit = Bundle::forPath(scratch.makeDirectory("Kit.bundle"));
    auto special = Bundle::forPath(scratch.makeDirectory("Special.bundle"));
    Bundle::clearClassRegistrations();

    EXPECT_EQ(Bundle::className(typeid(tavro_like::FrameworkScreen)), "tavro_like::FrameworkScreen");

    Bundle::registerClassNamePrefix("tavro_like::", framework);
    Bundle::registerClassNamePrefix("tavro_like::controls::", kit);
    Bundle::registerClassBundle("Module.Special", special);

    EXPECT_EQ(Bundle::forClass<tavro_like::FrameworkScreen>(), framework);
    EXPECT_EQ(Bundle::forClass<tavro_like::controls::KitButton>(), kit); // longest prefix wins
    EXPECT_EQ(Bundle::forClass("Module.Special"), special);
    EXPECT_EQ(Bundle::forClass<HostScreen>(), Bundle::main());
    EXPECT_EQ(Bundle::forClass("SomeHostClass"), Bundle::main());

    // An exact type registration beats any prefix; a null bundle removes it.
    Bundle::registerClassBundle(std::type_index(typeid(tavro_like::controls::KitButton)), special);
    EXPECT_EQ(Bundle::forClass<tavro_like::controls::KitButton>(), special);
    Bundle::registerClassBundle(std::type_index(typeid(tavro_like::controls::KitButton)), nullptr);
    EXPECT_EQ(Bundle::forClass<tavro_like::controls::KitButton>(), kit);

    Bundle::clearClassRegistrations();
    EXPECT_EQ(Bundle::forClass<tavro_like::FrameworkScreen>(), Bundle::main());
}

TEST(Bundle, MainBundleHonoursItsOverride)
{
    testing_support::ScratchDirectory scratch;
    auto defaultMain = Bundle::main();
    ASSERT_TRUE(defaultMain);

    Bundle::setMainBundlePath(scratch.makeDirectory("Host"));
    EXPECT_EQ(Bundle::main(), Bundle::forPath(scratch.path("Host")));
    Bundle::setMainBundlePath(std::nullopt);
    EXPECT_EQ(Bundle::main(), defaultMain);

}

TEST(Bundle, AnUnreadableDirectorySaysSoOnce)
{
    testing_support::ScratchDirectory scratch;
    scratch.write("Locked/en.lproj/Localizable.strings", "\"KEY\" = \"Word\";");
    auto locked = scratch.path("Locked");
    ::chmod(locked.c_str(), 0);
    EXPECT_EXIT(testing_support::runWithoutPrivileges([&] {
                    platform::DebugLogCapture log;
                    auto bundle = Bundle::forPath(locked);
                    return bundle && bundle->localizedString("KEY") == "KEY" &&
                           bundle->localizedString("KEY") == "KEY" && log.lines().size() == 1 && log.contains("Locked");
                }),
                ::testing::ExitedWithCode(0), "");
    ::chmod(locked.c_str(), 0755);
}

TEST(NibRegistry, InstantiatesRegisteredBuildersWithTheirOwner)
{
    testing_support::ScratchDirectory scratch;
    auto bundle = Bundle::forPath(scratch.makeDirectory("Nibs.bundle"));
    auto other = Bundle::forPath(scratch.makeDirectory("Other.bundle"));

    std::shared_ptr<void> seenOwner;
    NibRegistry::registerNib(bundle, "CardView", [&](const std::shared_ptr<void>& owner) {
        seenOwner = owner;
        return NibRegistry::TopLevelObjects{std::make_shared<int>(1), std::make_shared<int>(2)};
    });
    EXPECT_TRUE(NibRegistry::has(bundle, "CardView"));
    EXPECT_FALSE(NibRegistry::has(other, "CardView"));
    EXPECT_FALSE(NibRegistry::has(bundle, "cardview"));

    auto owner = std::make_shared<std::string>("owner");
    auto objects = NibRegistry::instantiate(bundle, "CardView", owner);
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 2u);
    EXPECT_EQ(*std::static_pointer_cast<int>((*objects)[1]), 2);
    EXPECT_EQ(seenOwner, owner);

    {
        platform::DebugLogCapture log;
        EXPECT_FALSE(NibRegistry::instantiate(other, "CardView"));
        EXPECT_FALSE(NibRegistry::instantiate(nullptr, "CardView"));
        EXPECT_EQ(log.lines().size(), 2u);
        NibRegistry::registerNib(nullptr, "X",
                                 [](const std::shared_ptr<void>&) { return NibRegistry::TopLevelObjects{}; });
        NibRegistry::registerNib(bundle, "Empty", nullptr);
        EXPECT_EQ(log.lines().size(), 4u);
        EXPECT_FALSE(NibRegistry::has(bundle, "Empty"));
    }

    // A builder may instantiate another nib while it runs.
    NibRegistry::registerNib(bundle, "Outer", [bundle](const std::shared_ptr<void>&) {
        auto inner = NibRegistry::instantiate(bundle, "CardView");
        return inner ? *inner : NibRegistry::TopLevelObjects{};
    });
    auto outer = NibRegistry::instantiate(bundle, "Outer");
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->size(), 2u);
    EXPECT_EQ(seenOwner, nullptr);

    NibRegistry::unregisterNib(bundle, "CardView");
    EXPECT_FALSE(NibRegistry::has(bundle, "CardView"));
    NibRegistry::unregisterNib(bundle, "Outer");
}
