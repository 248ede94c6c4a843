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

std::optional<std::filesystem::path> moveAside(const std::filesystem::path& file)
{
    for (int n = 1; n <= kMaxCorruptCopies; ++n) {
        std::filesystem::path aside = file;
        aside += ".corrupt-" + std::to_string(n);
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, ec)))
            continue;
        std::filesystem::rename(file, aside, ec);
        if (ec)
            return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

// True when `file` exists and is neither a regular file nor a link to one (a directory, a device,
// a FIFO, a socket, a dangling link).
bool isSomethingElse(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return false;
    return !std::filesystem::is_regular_file(std::filesystem::status(file, ec));
}

} // namespace

LoadedDefaults loadDefaultsFile(const std::filesystem::path& file)
{
    FileReadFailure failure = FileReadFailure::unreadable;
    int errorNumber = 0;
    const std::optional<std::string> text = readWholeFile(file, kMaxDefaultsFileSize, &failure, &errorNumber);
    if (!text) {
        std::error_code ec;
        // A link that leads nowhere reads as missing, but it is something at the path all the same.
        const bool danglingLink = failure == FileReadFailure::missing &&
                                  std::filesystem::is_symlink(std::filesystem::symlink_status(file, ec));
        if (failure == FileReadFailure::missing && !danglingLink)
            return {};
        // Nothing says these are damaged: they stay for whoever can read them, this process
        // included once its trouble (no descriptor, no memory, an I/O error) has passed. Saving
        // this process's values alone over them would lose every value stored before.
        std::string why;
        if (failure == FileReadFailure::notRegularFile || danglingLink)
            why = " is not a regular file";
        else if (failure == FileReadFailure::permissionDenied)
            why = " may not be read";
        else if (failure == FileReadFailure::tooLarge)
            why = " is larger than " + std::to_string(kMaxDefaultsFileSize / (1024 * 1024)) + " MB";
        else
            why = " could not be read (" + errnoText(errorNumber) + ")";
        debugLog("UserDefaults: " + file.string() + why + "; it is left alone and defaults are kept in memory only");
        return {{}, false};
    }
    if (auto value = parseJson(*text)) {
        if (auto* dictionary = value->asDictionary())
            return {std::move(*dictionary), true};
    }
    // Only bytes that were read and are no store are damaged.
    if (auto aside = moveAside(file)) {
        debugLog("UserDefaults: damaged defaults file moved to " + aside->string() + "; starting empty");
        return {};
    }
    debugLog("UserDefaults: damaged defaults file " + file.string() +
             " could not be moved aside; starting empty and not saving over it");
    return {{}, false};
}

bool saveDefaultsFile(const std::filesystem::path& file, const AnyValue::Dictionary& values)
{
    if (isSomethingElse(file)) {
        debugLog("UserDefaults: changes not saved (" + file.string() + " is not a regular file)");
        return false;
    }
    std::string error;
    if (writeFileAtomically(file, toJson(AnyValue(values), true), &error))
        return true;
    debugLog("UserDefaults: changes not saved (" + error + ")");
    return false;
}

} // namespace platform
