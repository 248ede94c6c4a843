#include "platform/foundation/Bundle.h"

#include "platform/foundation/BundleLookup.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Localization.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace platform {

namespace {

struct OpenBundles {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<Bundle>, std::less<>> byPath;
    std::vector<std::shared_ptr<Bundle>> inOpeningOrder;
    std::optional<std::string> mainPathOverride;
    // Before any registration, an empty built-in bundle.
    std::string frameworkRoot = std::string(kEmbeddedRoot) + "Framework.bundle";
};

OpenBundles& openBundles()
{
    static OpenBundles bundles;
    return bundles;
}

std::string normalizedDirectory(std::string_view path)
{
    if (isEmbeddedPath(path))
        return normalizedEmbeddedPath(path);
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(fs::path(path), error);
    if (error)
        canonical = fs::path(path).lexically_normal();
    std::string text = canonical.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::string executableDirectory()
{
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error || exe.empty())
        return fs::current_path(error).string();
    return exe.parent_path().string();
}

bool pathExists(const fs::path& path)
{
    if (isEmbeddedPath(path.native()))
        return embeddedEntry(path.native()) != EmbeddedEntry::none;
    std::error_code error;
    return fs::exists(path, error);
}

// A resource name component must stay inside the bundle.
bool isSafeRelativePath(std::string_view part)
{
    if (part.empty())
        return true;
    fs::path path(part);
    if (path.is_absolute())
        return false;
    for (const auto& component : path) {
        if (component == "..")
            return false;
    }
    return true;
}

} // namespace

Bundle::Bundle(PassKey, std::string path) : m_path(std::move(path)) {}

std::shared_ptr<Bundle> Bundle::open(const std::string& normalizedPath)
{
    auto& bundles = openBundles();
    std::lock_guard lock(bundles.mutex);
    if (auto found = bundles.byPath.find(normalizedPath); found != bundles.byPath.end())
        return found->second;
    auto bundle = std::make_shared<Bundle>(PassKey{}, normalizedPath);
    bundles.byPath.emplace(normalizedPath, bundle);
    bundles.inOpeningOrder.push_back(bundle);
    return bundle;
}

std::shared_ptr<Bundle> Bundle::main()
{
    std::optional<std::string> overridePath;
    {
        auto& bundles = openBundles();
        std::lock_guard lock(bundles.mutex);
        overridePath = bundles.mainPathOverride;
    }
    return open(normalizedDirectory(overridePath ? *overridePath : executableDirectory()));
}

void Bundle::setMainBundlePath(std::optional<std::string> path)
{
    auto& bundles = openBundles();
    std::lock_guard lock(bundles.mutex);
    bundles.mainPathOverride = std::move(path);
}

std::shared_ptr<Bundle> Bundle::forPath(std::string_view path)
{
    if (path.empty())
        return nullptr;
    std::error_code error;
    if (isEmbeddedPath(path) ? embeddedEntry(path) != EmbeddedEntry::folder : !fs::is_directory(fs::path(path), error))
        return nullptr;
    return open(normalizedDirectory(path));
}

std::vector<std::shared_ptr<Bundle>> Bundle::allBundles()
{
    auto& bundles = openBundles();
    std::lock_guard lock(bundles.mutex);
    return bundles.inOpeningOrder;
}

std::string Bundle::description() const
{
    return "Bundle <" + m_path + ">";
}

namespace {

BundleLookup lookUpFramework()
{
    std::string builtIn;
    {
        auto& bundles = openBundles();
        std::lock_guard lock(bundles.mutex);
        builtIn = bundles.frameworkRoot;
    }
    return lookUpFrameworkBundle(std::getenv("TAVRO_BUNDLE_PATH"), builtIn);
}

} // namespace

std::string Bundle::frameworkPath()
{
    return lookUpFramework().path;
}

std::shared_ptr<Bundle> Bundle::framework()
{
    BundleLookup lookup = lookUpFramework();
    if (!lookup.problem.empty()) {
        static std::once_flag reported;
        std::call_once(reported, [&lookup] { noticeLog(lookup.problem); });
    }
    return open(normalizedDirectory(lookup.path));
}

void Bundle::registerFrameworkFiles(std::string_view name, std::span<const EmbeddedFile> files)
{
    std::string root = registerEmbeddedFiles(name, files);
    auto& bundles = openBundles();
    std::lock_guard lock(bundles.mutex);
    bundles.frameworkRoot = std::move(root);
}

std::vector<std::string> Bundle::localizations() const
{
    std::lock_guard lock(m_mutex);
    if (!m_localizations) {
        std::vector<std::string> names;
        auto keep = [&names](const fs::path& folder) {
            if (folder.extension() == ".lproj")
                names.push_back(folder.stem().string());
        };
        if (isEmbeddedPath(m_path)) {
            for (const auto& folder : embeddedSubfolders(m_path))
                keep(folder);
        } else {
            std::error_code error;
            for (fs::directory_iterator it(m_path, error), end; !error && it != end; it.increment(error)) {
                std::error_code kindError;
                if (it->is_directory(kindError))
                    keep(it->path().filename());
            }
            // A missing directory is reported where it is opened; one that cannot be read says so here.
            if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
                debugLog(description() + " cannot be read (" + error.message() + "); its strings are shown as keys");
        }
        std::sort(names.begin(), names.end());
        m_localizations = std::move(names);
    }
    return *m_localizations;
}

std::optional<std::string> Bundle::preferredLocalization() const
{
    return chooseLocalization(localizations(), preferredLanguages());
}

std::vector<std::string> Bundle::searchDirectories() const
{
    std::vector<std::string> directories;
    auto chosen = preferredLocalization();
    if (chosen)
        directories.push_back(m_path + "/" + *chosen + ".lproj");
    auto available = localizations();
    auto development = std::find(available.begin(), available.end(), kDevelopmentLocalization);
    if (development != available.end() && (!chosen || *chosen != *development))
        directories.push_back(m_path + "/" + *development + ".lproj");
    directories.push_back(m_path);
    return directories;
}

std::optional<std::string> Bundle::pathForResource(std::string_view name, std::string_view ext,
                                                   std::string_view subdirectory) const
{
    if (name.empty() || !isSafeRelativePath(name) || !isSafeRelativePath(subdirectory) ||
        ext.find('/') != std::string_view::npos)
        return std::nullopt;
    std::string fileName(name);
    if (!ext.empty()) {
        if (ext.front() != '.')
            fileName += '.';
        fileName += ext;
    }
    for (const auto& directory : searchDirectories()) {
        fs::path candidate(directory);
        if (!subdirectory.empty())
            candidate /= fs::path(subdirectory);
        candidate /= fileName;
        if (pathExists(candidate))
            return candidate.lexically_normal().string();
    }
    return std::nullopt;
}

std::vector<int> Bundle::imageScaleSearchOrder(double screenScale)
{
    constexpr int kHighestScale = 3;
    const double rounded = std::isfinite(screenScale) ? std::round(screenScale) : 1.0;
    const int wanted = static_cast<int>(std::clamp(rounded, 1.0, double(kHighestScale)));
    std::vector<int> order;
    for (int s = wanted; s >= 1; --s)
        order.push_back(s);
    for (int s = wanted + 1; s <= kHighestScale; ++s)
        order.push_back(s);
    return order;
}

std::optional<Bundle::ImageFile> Bundle::pathForImage(std::string_view name, double scale) const
{
    constexpr std::string_view png = ".png";
    if (name.size() > png.size() && name.substr(name.size() - png.size()) == png)
        name.remove_suffix(png.size());
    for (int s : imageScaleSearchOrder(scale)) {
        std::string fileName(name);
        if (s > 1)
            fileName += "@" + std::to_string(s) + "x";
        if (auto path = pathForResource(fileName, "png"))
            return ImageFile{*path, static_cast<double>(s)};
    }
    if (!name.empty() && isSafeRelativePath(name))
        reportMissingFile(std::string(name) + ".png", " nor its @2x or @3x form; it is not drawn");
    return std::nullopt;
}

} // namespace platform
