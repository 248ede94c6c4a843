#pragma once
// UserDefaults: the process-wide key-value store that survives restarts.
//
// Values are AnyValue, so integers and doubles stay apart across a save and load. A persistent
// store saves on every change: under an exclusive lock on "<file>.lock" it reads the file again,
// applies only what this store changed since it last read or wrote it (keys set, keys removed) and
// rewrites it atomically, so other holders of the file (other processes, another copy of the
// library) keep their keys (without locks, holders saving at once can lose each other's changes).
// The same key set by two holders ends with the later save's value. Another holder's values are
// seen at the next load or save of this one; reads never touch the file. A damaged file is moved
// aside and the store starts empty; a file that cannot be read is left as it is and the store keeps
// its values in memory (see UserDefaultsFile.h). Main thread only.

#include "platform/foundation/AnyValue.h"
#include "platform/foundation/UserDefaultsFile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class UserDefaults {
public:
    // The standard store: the file at standardFilePath(), created on first use; in memory (with
    // one debug line) when no path can be found. setStandardForTesting() replaces it; nullptr makes
    // the next call create the file-backed store again.
    static std::shared_ptr<UserDefaults> standard();
    static void setStandardForTesting(std::shared_ptr<UserDefaults> defaults);
    // Makes the standard store a new, empty in-memory store (between tests: nothing a test sets
    // reaches the user's file or the next test).
    static void resetForTesting();
    // $TAVRO_DEFAULTS_PATH when set, else tavro-merchant-sdk/defaults.json under $XDG_CONFIG_HOME
    // (when absolute) or ~/.config; nullopt without a home directory.
    static std::optional<std::filesystem::path> standardFilePath();

    // A store that keeps nothing on disk.
    static std::shared_ptr<UserDefaults> inMemory();
    // A store backed by `file`, read now (missing file: empty store). A relative path is made
    // absolute now, against the current directory, so a later change of directory does not move
    // the store; without a current directory (or with an empty path) the store is kept in memory,
    // with one debug line.
    static std::shared_ptr<UserDefaults> persistent(const std::filesystem::path& file);

    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    std::optional<AnyValue> objectForKey(std::string_view key) const;
    // 0 when absent or not a number; a double is truncated toward zero (saturating), a bool is
    // 0 or 1, a text holding a whole number is read as one.
    std::int64_t integerForKey(std::string_view key) const;
    // 0 when absent or not a number; a bool is 0 or 1, a text holding a number is read as one.
    double doubleForKey(std::string_view key) const;
    // false when absent; numbers are true when not zero; texts "YES"/"true" (any case) and
    // non-zero numbers are true.
    bool boolForKey(std::string_view key) const;
    // Only text values; nullopt otherwise.
    std::optional<std::string> stringForKey(std::string_view key) const;
    std::optional<AnyValue::Array> arrayForKey(std::string_view key) const;
    std::optional<AnyValue::Dictionary> dictionaryForKey(std::string_view key) const;

    // Stores `value` under `key` (a null value removes the key) and saves. A failed save is logged
    // and keeps the previous file; the value stays set in memory and goes out with the next save
    // (a file that could not be read again, a file that would be over 16 MiB, a failed write, a path
    // whose folder cannot be made or whose final name is no file's, as in a link to "z.json/", or
    // that names something other than a regular file, beside which no lock file is made).
    // A value nested deeper than the file can hold is refused with one debug line. A lock that
    // cannot be taken (a file system without locks) leaves the save unguarded, with one debug line
    // per store.
    void set(AnyValue value, std::string_view key);
    // Removes `key` from the file too when this store never saw it.
    void removeObjectForKey(std::string_view key);

    const AnyValue::Dictionary& dictionaryRepresentation() const { return m_values; }
    // The backing file; nullopt for an in-memory store.
    const std::optional<std::filesystem::path>& filePath() const { return m_file; }

private:
    UserDefaults() = default;
    void save();

    AnyValue::Dictionary m_values;
    std::optional<std::filesystem::path> m_file;
    // What the next save applies onto the file: every change since the last load or successful save.
    DefaultsChanges m_changes;
    bool m_writable = true;
    bool m_toldLockMissing = false;
};

} // namespace platform
