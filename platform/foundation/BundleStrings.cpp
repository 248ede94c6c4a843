// Localised strings of a bundle: tables are read once per table name and kept until the
// preferred languages change.

#include "platform/foundation/Bundle.h"

#include "platform/foundation/Localization.h"

namespace platform {

namespace {
constexpr std::string_view kDefaultTable = "Localizable";
}

std::shared_ptr<const StringsTable> Bundle::stringsTable(std::string_view table) const
{
    unsigned generation = preferredLanguagesGeneration();
    {
        std::lock_guard lock(m_mutex);
        auto found = m_tables.find(table);
        if (found != m_tables.end() && found->second.generation == generation)
            return found->second.table;
    }
    // Read outside the lock: a table is a plain file and reading it twice is harmless.
    std::shared_ptr<const StringsTable> loaded;
    if (auto path = pathForResource(table, "strings")) {
        if (auto entries = loadStringsFile(*path))
            loaded = std::make_shared<const StringsTable>(std::move(*entries));
    } else {
        reportMissingFile(std::string(table) + ".strings", "; its texts show as their keys");
    }
    if (!loaded)
        loaded = std::make_shared<const StringsTable>();
    std::lock_guard lock(m_mutex);
    m_tables.insert_or_assign(std::string(table), CachedTable{generation, loaded});
    return loaded;
}

std::string Bundle::localizedString(std::string_view key, std::string_view value, std::string_view table) const
{
    auto entries = stringsTable(table.empty() ? kDefaultTable : table);
    if (auto found = entries->find(std::string(key)); found != entries->end())
        return found->second;
    return std::string(value.empty() ? key : value);
}

} // namespace platform
