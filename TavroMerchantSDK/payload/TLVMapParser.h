#pragma once
// TLVMapParser: the codec's entry point for the SDK core. Set tLVDataDictionary, call
// prepareTLV(), then read tlvString (the payload text) and tavroError (absent when valid).
// One shared instance; not for use from two threads at once.

#include "TavroMerchantSDK/support/base/TavroError.h"
#include "platform/foundation/AnyValue.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TLVMapParser {
public:
    // The one instance, created on first use; registers resetForTesting() with the platform.
    static TLVMapParser& shared();
    // Puts the shared parser back as it is at start: no dictionary, no text, no error.
    static void resetForTesting();

    // What prepareTLV() encodes: the placeable part of the dictionary last set
    // (TLVGenerator::placeableCopy), so a dictionary nested to any depth is safe to hand over.
    const std::optional<platform::AnyValue::Dictionary>& tLVDataDictionary() const { return m_tLVDataDictionary; }
    void setTLVDataDictionary(const platform::AnyValue::Dictionary& value);
    void setTLVDataDictionary(std::nullopt_t) { m_tLVDataDictionary.reset(); }

    const std::string& tlvString() const { return m_tlvString; }
    void setTlvString(std::string value) { m_tlvString = std::move(value); }

    const std::shared_ptr<TavroError>& tavroError() const { return m_tavroError; }
    void setTavroError(std::shared_ptr<TavroError> value) { m_tavroError = std::move(value); }

    // Encodes the dictionary without its checksum, transaction amount and additional-data
    // template ("63", "crc", "62", "additionalDataFieldTemplate", "54", "transactionAmount"),
    // keeps the text in tlvString and, when validation finds codes, a TavroError holding them.
    // Without a dictionary nothing changes. The stored dictionary itself is left unchanged.
    void prepareTLV();

    TLVMapParser() = default;

private:
    std::optional<platform::AnyValue::Dictionary> m_tLVDataDictionary;
    std::string m_tlvString;
    std::shared_ptr<TavroError> m_tavroError;
};

} // namespace tavro
