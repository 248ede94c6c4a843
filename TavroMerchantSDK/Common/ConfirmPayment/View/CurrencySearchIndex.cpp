#include "TavroMerchantSDK/Common/ConfirmPayment/View/CurrencySearchIndex.h"

#include "platform/foundation/Text.h"

namespace tavro {

CurrencySearchIndex::CurrencySearchIndex(const std::vector<KCurrencyDataPtr>& records)
{
    m_entries.reserve(records.size());
    for (const auto& record : records) {
        if (record)
            m_entries.push_back({record, platform::text::toLower(record->currencyId()),
                                 platform::text::toLower(record->currencyDescription())});
    }
}

std::vector<KCurrencyDataPtr> CurrencySearchIndex::filter(std::string_view text) const
{
    std::vector<KCurrencyDataPtr> matches;
    matches.reserve(m_entries.size());
    if (text.empty()) {
        for (const auto& entry : m_entries)
            matches.push_back(entry.record);
        return matches;
    }
    // Both sides are valid UTF-8, so a byte match is a match of whole characters.
    const std::string needle = platform::text::toLower(text);
    for (const auto& entry : m_entries) {
        if (entry.lowerId.find(needle) != std::string::npos || entry.lowerDescription.find(needle) != std::string::npos)
            matches.push_back(entry.record);
    }
    return matches;
}

} // namespace tavro
