#include "platform/foundation/UserDefaults.h"

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/TextAscii.h"
#include "platform/foundation/UserDefaultsFile.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace platform {

namespace {

std::shared_ptr<UserDefaults>& standardSlot()
{
    // Never destroyed: the store may be reached by objects that die during exit.
    static auto* slot = new std::shared_ptr<UserDefaults>();
    return *slot;
}

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

std::int64_t saturatingTruncate(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (value >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<double> parseDouble(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size() && !text.empty())
        return value;
    if (auto number = parseDouble(text))
        return saturatingTruncate(*number);
    return std::nullopt;
}

} // namespace

std::shared_ptr<UserDefaults> UserDefaults::standard()
{
    auto& slot = standardSlot();
    if (!slot) {
        if (auto file = standardFilePath()) {
            slot = persistent(*file);
        } else {
            debugLog("UserDefaults: no configuration directory (HOME unset); defaults kept in memory only");
            slot = inMemory();
        }
    }
    return slot;
}

void UserDefaults::setStandardForTesting(std::shared_ptr<UserDefaults> defaults)
{
    standardSlot() = std::move(defaults);
}

void UserDefaults::resetForTesting()
{
    standardSlot() = inMemory();
}

std::optional<std::filesystem::path> UserDefaults::standardFilePath()
{
    if (auto path = environment("TAVRO_DEFAULTS_PATH"))
        return std::filesystem::path(*path);
    const std::filesystem::path relative = std::filesystem::path("tavro-merchant-sdk") / "defaults.json";
    if (auto config = environment("XDG_CONFIG_HOME"); config && std::filesystem::path(*config).is_absolute())
        return std::filesystem::path(*config) / relative;
    if (auto home = environment("HOME"))
        return std::filesystem::path(*home) / ".config" / relative;
    return std::nullopt;
}

std::shared_ptr<UserDefaults> UserDefaults::inMemory()
{
    return std::shared_ptr<UserDefaults>(new UserDefaults());
}

std::shared_ptr<UserDefaults> UserDefaults::persistent(const std::filesystem::path& file)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) {
        debugLog("UserDefaults: no absolute path for \"" + file.string() + "\" (" + error.message() +
                 "); defaults kept in memory only");
        return inMemory();
    }
    std::shared_ptr<UserDefaults> defaults(new UserDefaults());
    LoadedDefaults loaded = loadDefaultsFile(absolute);
    defaults->m_values = std::move(loaded.values);
    defaults->m_writable = loaded.writable;
    defaults->m_file = std::move(absolute);
    return defaults;
}

std::optional<AnyValue> UserDefaults::objectForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::int64_t UserDefaults::integerForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return 0;
    const AnyValue& value = it->second;
    if (auto integer = value.asInteger())
        return *integer;
    if (value.isDouble())
        return saturatingTruncate(*value.asDouble());
    if (auto flag = value.asBool())
        return *flag ? 1 : 0;
    if (auto* text = value.asString())
        return parseInteger(*text).value_or(0);
    return 0;
}

double UserDefaults::doubleForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return 0;
    const AnyValue& value = it->second;
    if (auto number = value.asDouble())
        return *number;
    if (auto flag = value.asBool())
        return *flag ? 1 : 0;
    if (auto* text = value.asString())
        return parseDouble(*text).value_or(0);
    return 0;
}

bool UserDefaults::boolForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return false;
    const AnyValue& value = it->second;
    if (auto flag = value.asBool())
        return *flag;
    if (auto number = value.asDouble())
        return *number != 0;
    if (auto* text = value.asString()) {
        if (text::equalsIgnoringAsciiCase(trimmed(*text), "yes") ||
            text::equalsIgnoringAsciiCase(trimmed(*text), "true"))
            return true;
        auto number = parseDouble(*text);
        return number && *number != 0;
    }
    return false;
}

std::optional<std::string> UserDefaults::stringForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    if (auto* text = it->second.asString())
        return *text;
    return std::nullopt;
}

std::optional<AnyValue::Array> UserDefaults::arrayForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    if (auto* array = it->second.asArray())
        return *array;
    return std::nullopt;
}

std::optional<AnyValue::Dictionary> UserDefaults::dictionaryForKey(std::string_view key) const
{
    auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    if (auto* dictionary = it->second.asDictionary())
        return *dictionary;
    return std::nullopt;
}

void UserDefaults::set(AnyValue value, std::string_view key)
{
    if (value.isNull()) {
        removeObjectForKey(key);
        return;
    }
    if (nestsDeeperThan(value, kMaxDefaultsValueDepth)) {
        debugLog("UserDefaults: value for \"" + std::string(key) + "\" not stored; it nests deeper than " +
                 std::to_string(kMaxDefaultsValueDepth) + " levels");
        return;
    }
    m_values.insert_or_assign(std::string(key), value);
    if (m_file)
        m_changes.insert_or_assign(std::string(key), std::move(value));
    save();
}

void UserDefaults::removeObjectForKey(std::string_view key)
{
    if (auto it = m_values.find(key); it != m_values.end())
        m_values.erase(it);
    if (!m_file)
        return;
    // Saved even when this store never saw the key: another holder may have set it in the file.
    m_changes.insert_or_assign(std::string(key), std::nullopt);
    save();
}

void UserDefaults::save()
{
    if (!m_file)
        return;
    if (!m_writable)
        return; // loading said why, once
    // Where the file really is, its folder made; a path no save can reach is refused before anything
    // is locked, made or written.
    std::string why;
    const std::optional<std::filesystem::path> file = replacedFile(*m_file, &why);
    if (!file) {
        debugLog("UserDefaults: changes not saved (" + why + "); they are kept in memory");
        return;
    }
    const std::optional<FileLock> lock = lockDefaultsFile(*file, &why);
    if (!lock && !m_toldLockMissing) {
        debugLog("UserDefaults: saving without the lock (" + why + "); another holder's save may be lost");
        m_toldLockMissing = true;
    }
    if (auto saved = saveDefaultsChanges(*file, m_values, m_changes)) {
        m_values = std::move(*saved);
        m_changes.clear();
    }
}

} // namespace platform
