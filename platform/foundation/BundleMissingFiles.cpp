// Files missing from a bundle the host supplies through TAVRO_BUNDLE_PATH: said on the debug log
// so that a trimmed copy is found out, instead of silently showing keys or drawing nothing.

#include "platform/foundation/Bundle.h"

#include "platform/foundation/DebugLog.h"

#include <mutex>
#include <set>

namespace platform {

namespace {

// Whether `path` is the directory `root` or lies in it.
bool isInside(const std::string& path, const std::string& root)
{
    if (path == root)
        return true;
    const std::string prefix = root.ends_with('/') ? root : root + "/";
    return path.starts_with(prefix);
}

// Adds `file` to the files already said; false when it was there.
bool firstReport(const std::string& file)
{
    static std::mutex mutex;
    static std::set<std::string> reported;
    std::lock_guard lock(mutex);
    return reported.insert(file).second;
}

} // namespace

void Bundle::reportMissingFile(const std::string& fileName, std::string_view effect) const
{
    if (!isDebugLogActive() || isEmbeddedPath(frameworkPath()))
        return;
    if (!isInside(m_path, framework()->bundlePath()) || !firstReport(m_path + "/" + fileName))
        return;
    std::string lookedIn;
    for (const auto& directory : searchDirectories()) {
        if (!lookedIn.empty())
            lookedIn += directory == m_path ? " and " : ", ";
        lookedIn += directory == m_path ? "the top level" : directory.substr(m_path.size() + 1);
    }
    debugLog("TAVRO_BUNDLE_PATH: " + description() + " has no " + fileName + " (looked in " + lookedIn + ")" +
             std::string(effect));
}

} // namespace platform
