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
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return {};
    if (isSomethingElse(file)) {
        debugLog("UserDefaults: " + file.string() +
                 " is not a regular file; it is left alone and defaults are "
                 "kept in memory only");
        return {{}, false};
    }

    FileReadFailure failure = FileReadFailure::unreadable;
    if (auto text = readWholeFile(file, kMaxDefaultsFileSize, &failure)) {
        if (auto value = parseJson(*text)) {
            if (auto* dictionary = value->asDictionary())
                return {std::move(*dictionary), true};
        }
    } else if (failure == FileReadFailure::permissionDenied || failure == FileReadFailure::tooLarge) {
        // Nothing says the file is damaged: it stays for whoever can read it.
        debugLog("UserDefaults: " + file.string() +
                 (failure == FileReadFailure::tooLarge
                      ? " is larger than " + std::to_string(kMaxDefaultsFileSize / (1024 * 1024)) + " MB"
                      : std::string(" may not be read")) +
                 "; it is left alone and defaults are kept in memory only");
        return {{}, false};
    }

    if (auto aside = moveAside(file)) {
        debugLog("UserDefaults: unreadable defaults file moved to " + aside->string() + "; starting empty");
        return {};
    }
    debugLog("UserDefaults: unreadable defaults file " + file.string() +
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
