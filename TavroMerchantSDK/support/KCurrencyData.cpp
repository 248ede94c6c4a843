#include "TavroMerchantSDK/support/KCurrencyData.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/UserDefaults.h"

#include <algorithm>
#include <limits>

namespace tavro {

namespace {

using platform::AnyValue;

// The stored counts when they form a map from text to integer; nullopt otherwise.
std::optional<AnyValue::Dictionary> storedCounts(const platform::UserDefaults& defaults)
{
    auto counts = defaults.dictionaryForKey(KAllSelectedCurrencies);
    if (!counts)
        return std::nullopt;
    for (const auto& [code, value] : *counts) {
        if (!value.isInteger())
            return std::nullopt;
    }
    return counts;
}

const std::string& rowValue(const KCurrencyRow& row, const char* key)
{
    static const std::string missing;
    auto found = row.find(key);
    return found == row.end() ? missing : found->second;
}

} // namespace

KCurrencyData::KCurrencyData() : m_currenciesDicArr(kCurrencyTable()) {}

KCurrencyDataPtr KCurrencyData::create()
{
    return KCurrencyDataPtr(new KCurrencyData());
}

const KCurrencyDataPtr& KCurrencyData::shared()
{
    static const KCurrencyDataPtr record = create();
    return record;
}

void KCurrencyData::setCurrenciesDicArr(std::shared_ptr<const KCurrencyTable> table)
{
    if (!table) {
        platform::debugLog("KCurrencyData: a null currency table was ignored");
        return;
    }
    m_currenciesDicArr = std::move(table);
}

KCurrencyData::CurrencyLists KCurrencyData::getCurrencies() const
{
    auto defaults = platform::UserDefaults::standard();
    const auto counts = storedCounts(*defaults);
    const auto recent = defaults->objectForKey(KRecentCurrency);
    const std::string* recentCode = recent ? recent->asString() : nullptr;

    std::vector<KCurrencyDataPtr> shortList;
    std::vector<KCurrencyDataPtr> mainList;
    mainList.reserve(m_currenciesDicArr->size());
    KCurrencyDataPtr heldBack;

    for (const auto& row : *m_currenciesDicArr) {
        auto record = create();
        record->m_currencyCode = rowValue(row, kCurrencyCodeKey);
        record->m_currencyId = rowValue(row, kCurrencyIdKey);
        record->m_currencyDescription = rowValue(row, kCurrencyDescriptionKey);
        record->m_currenciesDicArr = m_currenciesDicArr;
        if (counts) {
            if (auto found = counts->find(record->m_currencyCode); found != counts->end())
                record->m_count = *found->second.asInteger();
        }
        if (!heldBack && recentCode && *recentCode == record->m_currencyCode)
            heldBack = std::move(record);
        else
            mainList.push_back(std::move(record));
    }

    // Stable, so equal counts keep the table order and the picker's order is deterministic.
    std::stable_sort(mainList.begin(), mainList.end(),
                     [](const KCurrencyDataPtr& a, const KCurrencyDataPtr& b) { return a->m_count > b->m_count; });

    if (heldBack)
        shortList.push_back(std::move(heldBack));
    // Up to two more currencies that were chosen at least once, the most used first.
    std::size_t moved = 0;
    while (moved < 2 && moved < mainList.size() && mainList[moved]->m_count > 0)
        ++moved;
    shortList.insert(shortList.end(), mainList.begin(), mainList.begin() + static_cast<std::ptrdiff_t>(moved));
    mainList.erase(mainList.begin(), mainList.begin() + static_cast<std::ptrdiff_t>(moved));

    return {std::move(shortList), std::move(mainList)};
}

void KCurrencyData::increaseCurrencyCount(const std::string& currencyCode)
{
    auto defaults = platform::UserDefaults::standard();
    AnyValue::Dictionary counts = storedCounts(*defaults).value_or(AnyValue::Dictionary{});
    std::int64_t count = 0;
    if (auto found = counts.find(currencyCode); found != counts.end())
        count = *found->second.asInteger();
    if (count < std::numeric_limits<std::int64_t>::max())
        ++count;
    counts.insert_or_assign(currencyCode, AnyValue(count));
    defaults->set(AnyValue(std::move(counts)), KAllSelectedCurrencies);
    defaults->set(AnyValue(currencyCode), KRecentCurrency);
}

} // namespace tavro
