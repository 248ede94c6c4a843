#pragma once
// KCurrencyData: one currency of the picker (alphabetic code, numeric code, English name, usage
// count) and the owner of the currency table and its usage ordering.
//
// Usage is kept in the standard user defaults under two keys: KAllSelectedCurrencies (numeric
// code -> times chosen) and KRecentCurrency (the code chosen last). Nothing else reads or writes
// them. Main thread only.

#include "TavroMerchantSDK/support/KCurrencyTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavro {

inline constexpr const char* KAllSelectedCurrencies = "TAVROSelectedCurrencies";
inline constexpr const char* KRecentCurrency = "TAVRORecentCurrency";

class KCurrencyData;
using KCurrencyDataPtr = std::shared_ptr<KCurrencyData>;

class KCurrencyData {
public:
    // Short list (the last choice and up to two more used currencies, at most three records;
    // always present, possibly empty) and main list (every other currency, highest count first,
    // table order among equal counts).
    using CurrencyLists = std::pair<std::optional<std::vector<KCurrencyDataPtr>>, std::vector<KCurrencyDataPtr>>;

    // A record with empty texts, count 0 and the whole table.
    static KCurrencyDataPtr create();
    // The single record the picker asks for the lists; created on first use.
    static const KCurrencyDataPtr& shared();

    virtual ~KCurrencyData() = default;

    // The table this record orders; every record starts with the shared 177-row table.
    const std::shared_ptr<const KCurrencyTable>& currenciesDicArr() const { return m_currenciesDicArr; }
    // A null table is a misuse: one debug line, the previous table stays.
    void setCurrenciesDicArr(std::shared_ptr<const KCurrencyTable> table);

    const std::string& currencyId() const { return m_currencyId; }
    void setCurrencyId(std::string value) { m_currencyId = std::move(value); }
    // Numeric code without leading zeros ("8", "36", "356").
    const std::string& currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(std::string value) { m_currencyCode = std::move(value); }
    const std::string& currencyDescription() const { return m_currencyDescription; }
    void setCurrencyDescription(std::string value) { m_currencyDescription = std::move(value); }
    std::int64_t count() const { return m_count; }
    void setCount(std::int64_t value) { m_count = value; }

    // One fresh record per row of currenciesDicArr(), split into the short and main lists by the
    // usage read anew from the standard user defaults. Writes nothing.
    virtual CurrencyLists getCurrencies() const;

    // Records one choice of `currencyCode` (any text, stored exactly as given): its count goes up
    // by one (saturating at the largest 64-bit value) and it becomes the recent code. A stored
    // count map of the wrong type is replaced by a map holding only this code.
    void increaseCurrencyCount(const std::string& currencyCode);

protected:
    KCurrencyData();

private:
    std::shared_ptr<const KCurrencyTable> m_currenciesDicArr;
    std::string m_currencyId;
    std::string m_currencyCode;
    std::string m_currencyDescription;
    std::int64_t m_count = 0;
};

} // namespace tavro
