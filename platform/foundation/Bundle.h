#pragma once
// Bundle: a directory of resources (strings tables in "<language>.lproj" folders, images, nested
// "*.bundle" directories), on disk or compiled in (a folder under "embedded:/", EmbeddedFiles.h).
// Bundles are opened once per directory and live for the process, so the same directory always
// gives the same object.

#include "platform/foundation/EmbeddedFiles.h"
#include "platform/foundation/StringsFile.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace platform {

class Bundle {
    struct PassKey {};

public:
    Bundle(PassKey, std::string path);
    Bundle(const Bundle&) = delete;
    Bundle& operator=(const Bundle&) = delete;

    // --- opening ---

    // The host's bundle: the directory of the running executable, unless overridden.
    static std::shared_ptr<Bundle> main();
    // Overrides the main bundle's directory; nullopt restores the executable's directory.
    static void setMainBundlePath(std::optional<std::string> path);
    // The bundle of an existing directory or compiled-in folder; nullptr when `path` is neither.
    static std::shared_ptr<Bundle> forPath(std::string_view path);
    // Every bundle opened so far, in opening order.
    static std::vector<std::shared_ptr<Bundle>> allBundles();

    // The framework's resource bundle: the directory named by the environment variable
    // TAVRO_BUNDLE_PATH when it is set and readable; otherwise the files registered with
    // registerFrameworkFiles(), served from memory. A TAVRO_BUNDLE_PATH that is set but not a
    // readable directory is passed over with one line on standard error, once per process, whatever
    // the debug log setting. Never null: before any registration the built-in bundle is empty.
    static std::shared_ptr<Bundle> framework();
    // The path framework() uses: a directory, or a root under "embedded:/".
    static std::string frameworkPath();
    // Makes `files` (static data, see EmbeddedFiles.h) the framework's built-in bundle, rooted at
    // "embedded:/<name>".
    static void registerFrameworkFiles(std::string_view name, std::span<const EmbeddedFile> files);

    // --- bundle for class ---
    // Classes map to bundles by registration: an exact type, an exact class name, or a class-name
    // prefix (the longest registered prefix wins, e.g. "tavro::" for a whole namespace). Classes
    // with no registration belong to the main bundle. A null bundle removes the registration.
    static void registerClassBundle(std::type_index type, std::shared_ptr<Bundle> bundle);
    static void registerClassBundle(std::string className, std::shared_ptr<Bundle> bundle);
    static void registerClassNamePrefix(std::string prefix, std::shared_ptr<Bundle> bundle);
    // Drops every class registration (tests).
    static void clearClassRegistrations();
    static std::shared_ptr<Bundle> forClass(std::type_index type);
    static std::shared_ptr<Bundle> forClass(std::string_view className);
    template <class T>
    static std::shared_ptr<Bundle> forClass()
    {
        return forClass(std::type_index(typeid(T)));
    }
    // The readable name of a type ("tavro::TAVRONavigationBaseController").
    static std::string className(std::type_index type);

    // --- resources ---

    const std::string& bundlePath() const { return m_path; }
    // "Bundle <path>".
    std::string description() const;

    // Path of the file or directory `name` + "." + `ext` (just `name` when `ext` is empty), looked
    // for in the chosen localisation's folder, then the development localisation's, then the
    // bundle's top level; `subdirectory` is inserted below each of them. nullopt when absent or
    // when a component would leave the bundle ("..", an absolute path).
    std::optional<std::string> pathForResource(std::string_view name, std::string_view ext = {},
                                               std::string_view subdirectory = {}) const;

    struct ImageFile {
        std::string path;
        double scale = 1; // 1 for "name.png", 2 for "name@2x.png", 3 for "name@3x.png"
    };
    // The PNG that best serves `name` at a screen scale (1 to 3): "name@<scale>x.png", then lower
    // scales down to "name.png", then higher ones. A trailing ".png" on `name` is accepted. An image
    // missing from the host's TAVRO_BUNDLE_PATH bundle is said on the debug log, once per process.
    std::optional<ImageFile> pathForImage(std::string_view name, double scale) const;
    // The scales to try for an image, best first: the screen scale rounded into 1 to 3, then the
    // lower ones, then the higher ones (2 -> 2, 1, 3). A scale that is not finite counts as 1.
    static std::vector<int> imageScaleSearchOrder(double screenScale);

    // --- localisation ---

    // Names of the bundle's localisations (the ".lproj" folders, without the extension), sorted.
    std::vector<std::string> localizations() const;
    // The localisation chosen for the preferred languages (see chooseLocalization()).
    std::optional<std::string> preferredLocalization() const;

    // The text of `key` in the strings table `table` ("Localizable" when empty) of the chosen
    // localisation. A missing key (or table) gives `value` when it is not empty, else `key`.
    // Tables are read once and cached until the preferred languages change. A table missing from
    // the host's TAVRO_BUNDLE_PATH bundle is said on the debug log, once per process.
    std::string localizedString(std::string_view key, std::string_view value = {}, std::string_view table = {}) const;

private:
    // The bundle of a normalised directory path, opened once; the directory may be missing.
    static std::shared_ptr<Bundle> open(const std::string& normalizedPath);
    std::shared_ptr<const StringsTable> stringsTable(std::string_view table) const;
    std::vector<std::string> searchDirectories() const;
    // Tells the debug log, once per file per process, that `fileName` was found in none of the
    // search directories, when this bundle is the host's TAVRO_BUNDLE_PATH directory or lies in it:
    // the host's copy is missing something the framework asks for. `effect` ends the line: what
    // shows instead.
    void reportMissingFile(const std::string& fileName, std::string_view effect) const;

    std::string m_path;

    struct CachedTable {
        unsigned generation = 0;
        std::shared_ptr<const StringsTable> table;
    };
    mutable std::mutex m_mutex;
    mutable std::optional<std::vector<std::string>> m_localizations;
    mutable std::map<std::string, CachedTable, std::less<>> m_tables;
};

} // namespace platform
