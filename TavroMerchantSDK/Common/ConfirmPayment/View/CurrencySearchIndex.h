#pragma once
// CurrencySearchIndex: the picker's search over one list of currencies. Keeps each record's
// lower-cased alphabetic code and English name, computed once, so a keystroke only lower-cases
// the typed text and scans. Main thread.

#include "TavroMerchantSDK/support/KCurrencyData.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavro {

class CurrencySearchIndex {
public:
    CurrencySearchIndex() = default;
    explicit CurrencySearchIndex(const std::vector<KCurrencyDataPtr>& records);

    // The records whose alphabetic code or English name contains `text` anywhere, compared
    // lower-cased, in their stored order. The numeric code is not searched. Empty text keeps
    // every record.
    std::vector<KCurrencyDataPtr> filter(std::string_view text) const;

private:
    struct Entry {
        KCurrencyDataPtr record;
        std::string lowerId;
        std::string lowerDescription;
    };
    std::vector<Entry> m_entries;
};

} // namespace tavro
