#include "platform/foundation/UserDefaultsFile.h"

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Json.h"

#include <system_error>

namespace platform {

namespace {

// Highest suffix tried when moving a damaged file aside.
constexpr int kMaxCorruptCopies = 1000;

// Renames a damaged file to the first free "<name>.corrupt-<n>". Through a link, the link's target
// goes aside and the link stays, so a host's link into its data folder survives the next save.
std::optional<std::filesystem::path> moveAside(const std::filesystem::path& path)
{
    const std::optional<std::filesystem::path> file = replacedFile(path);
    if (!file)
        return std::nullopt;
    for (int n = 1; n <= kMaxCorruptCopies; ++n) {
        std::filesystem::path aside = *file;
        aside += ".corrupt-" + std::to_string(n);
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, ec)))
            continue;
        std::filesystem::rename(*file, aside, ec);
        if (ec)
            return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

// What a store's path holds, before anything is done about it.
struct StoredDefaults {
    enum class State { found, missing, damaged, leftAlone } state;
    AnyValue::Dictionary values; // when found
    std::string why;             // when left alone: what keeps it from being replaced, after its name
};

StoredDefaults readStoredDefaults(const std::filesystem::path& file)
{
    FileReadFailure failure = FileReadFailure::unreadable;
    int errorNumber = 0;
    const std::optional<std::string> text = readWholeFile(file, kMaxDefaultsFileSize, &failure, &errorNumber);
    if (!text) {
        // A link whose target is not made yet is missing too: a save creates the target.
        if (failure == FileReadFailure::missing)
            return {StoredDefaults::State::missing, {}, {}};
        // Nothing says these are damaged: they stay for whoever can read them, this process
        // included once its trouble (no descriptor, no memory, an I/O error) has passed. Saving
        // this process's values alone over them would lose every value stored before.
        std::string why;
        if (failure == FileReadFailure::notRegularFile)
            why = " is not a regular file";
        else if (failure == FileReadFailure::permissionDenied)
            why = " may not be read";
        else if (failure == FileReadFailure::tooLarge)
            why = " is larger than " + std::to_string(kMaxDefaultsFileSize / (1024 * 1024)) + " MiB";
        else
            why = " could not be read (" + errnoText(errorNumber) + ")";
        return {StoredDefaults::State::leftAlone, {}, std::move(why)};
    }
    if (auto value = parseJson(*text)) {
        if (auto* dictionary = value->asDictionary())
            return {StoredDefaults::State::found, std::move(*dictionary), {}};
    }
    // Only bytes that were read and are no store are damaged.
    return {StoredDefaults::State::damaged, {}, {}};
}

} // namespace

LoadedDefaults loadDefaultsFile(const std::filesystem::path& file)
{
    StoredDefaults stored = readStoredDefaults(file);
    switch (stored.state) {
    case StoredDefaults::State::found: return {std::move(stored.values), true};
    case StoredDefaults::State::missing: return {};
    case StoredDefaults::State::leftAlone:
        debugLog("UserDefaults: " + file.string() + stored.why +
                 "; it is left alone and defaults are kept in memory only");
        return {{}, false};
    case StoredDefaults::State::damaged: break;
    }
    if (auto aside = moveAside(file)) {
        debugLog("UserDefaults: damaged defaults file moved to " + aside->string() + "; starting empty");
        return {};
    }
    debugLog("UserDefaults: damaged defaults file " + file.string() +
             " could not be moved aside; starting empty and not saving over it");
    return {{}, false};
}

std::optional<FileLock> lockDefaultsFile(const std::filesystem::path& replaced, std::string* error)
{
    std::filesystem::path lockFile = replaced;
    lockFile += ".lock";
    return FileLock::acquire(lockFile, error);
}

std::optional<AnyValue::Dictionary> saveDefaultsChanges(const std::filesystem::path& file,
                                                        const AnyValue::Dictionary& ownValues,
                                                        const DefaultsChanges& changes)
{
    auto notSaved = [](const std::string& why) {
        debugLog("UserDefaults: changes not saved (" + why + ")");
        return std::nullopt;
    };
    StoredDefaults stored = readStoredDefaults(file);
    AnyValue::Dictionary merged;
    switch (stored.state) {
    case StoredDefaults::State::found: merged = std::move(stored.values); break;
    case StoredDefaults::State::missing: break;
    case StoredDefaults::State::leftAlone: return notSaved(file.string() + stored.why + "; kept for the next save");
    case StoredDefaults::State::damaged:
        if (auto aside = moveAside(file)) {
            debugLog("UserDefaults: damaged defaults file moved to " + aside->string() +
                     "; this store's values replace it");
            merged = ownValues;
            break;
        }
        return notSaved("damaged defaults file " + file.string() + " could not be moved aside");
    }
    for (const auto& [key, value] : changes) {
        if (value)
            merged.insert_or_assign(key, *value);
        else if (auto it = merged.find(key); it != merged.end())
            merged.erase(it);
    }
    const std::string text = toJson(AnyValue(merged), true);
    if (text.size() > kMaxDefaultsFileSize)
        return notSaved("the file would be larger than " + std::to_string(kMaxDefaultsFileSize / (1024 * 1024)) +
                        " MiB, which no process reads");
    std::string error;
    if (!writeFileAtomically(file, text, &error))
        return notSaved(error);
    return merged;
}

} // namespace platform
