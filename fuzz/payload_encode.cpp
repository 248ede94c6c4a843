// A tag dictionary built from the bytes through the encoder and the validation. Invariants:
// the text always ends in "6304" and the checksum of everything before its last four
// characters; a payload that could not be framed never validates clean; a framed payload
// decodes back to what was given; what the parser keeps of a dictionary encodes as the whole.

#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;

namespace {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool done() const { return m_position >= m_size; }
    std::uint8_t byte() { return done() ? 0 : m_data[m_position++]; }

    std::string text(std::size_t maxLength)
    {
        const std::size_t length = byte() % (maxLength + 1);
        std::string result;
        for (std::size_t i = 0; i < length && !done(); ++i) {
            result.push_back(static_cast<char>(byte()));
        }
        return result;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

// Keys the encoder understands, and a few it does not.
const char* const kNames[] = {
    "merchantName",
    "tag26",
    "additionalDataFieldTemplate",
    "billID",
    "storeID",
    "crc",
    "payloadFormatIndicator",
    "merchantInformationLanguageTemplate",
    "languagePreference",
    "merchantNameAlternateLanguage",
    "isTipAvailable",
    "amount",
    "transactionAmount",
    "6201",
    "6214",
    "AB",
};

std::string key(ByteReader& reader)
{
    const std::uint8_t selector = reader.byte();
    if (selector < 160) {
        return std::string{static_cast<char>('0' + (selector % 100) / 10), static_cast<char>('0' + selector % 10)};
    }
    if (selector < 224) {
        return kNames[selector % std::size(kNames)];
    }
    return reader.text(4);
}

// Dictionaries and arrays nest at most `depth` levels.
AnyValue value(ByteReader& reader, int depth)
{
    const std::uint8_t kind = reader.byte() % 8;
    if (kind == 0) {
        return static_cast<std::int64_t>(reader.byte());
    }
    if (kind == 1 && depth > 0) {
        Dictionary dictionary;
        const std::size_t count = reader.byte() % 6;
        for (std::size_t i = 0; i < count && !reader.done(); ++i) {
            dictionary[key(reader)] = value(reader, depth - 1);
        }
        return dictionary;
    }
    if (kind == 3 && depth > 0) {
        return AnyValue::Array{value(reader, depth - 1)};
    }
    return reader.text(kind == 2 ? 120 : 20);
}

bool endsInValidChecksum(const std::string& text)
{
    if (text.size() < 8 || text.compare(text.size() - 8, 4, "6304") != 0) {
        return false;
    }
    return text.substr(text.size() - 4) == tavro::TavroQRUtility::checksumText(text.substr(0, text.size() - 4));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    Dictionary dictionary;
    if (reader.byte() % 4 != 0) {
        dictionary["00"] = "01";
    }
    while (!reader.done()) {
        dictionary[key(reader)] = value(reader, 3);
    }

    const auto payload = tavro::TLVGenerator::encode(dictionary);
    if (payload.text != tavro::TLVGenerator::encodeDictToTLV(dictionary) || !endsInValidChecksum(payload.text)) {
        std::abort();
    }
    const auto codes = tavro::TLVGenerator::tlvValidation(payload);
    if (!payload.framed && codes != std::vector<std::string>{"0"}) {
        std::abort();
    }

    auto& parser = tavro::TLVMapParser::shared();
    // The parser keeps only what the encoder reads, and that encodes as the whole does.
    parser.setTLVDataDictionary(dictionary);
    parser.prepareTLV();
    const Dictionary placeable = tavro::TLVGenerator::placeableCopy(dictionary);
    if (parser.tLVDataDictionary() != placeable || tavro::TLVGenerator::encode(placeable).text != payload.text) {
        std::abort();
    }
    const auto& error = parser.tavroError();
    if (error && error->errorCodes().empty()) {
        std::abort();
    }

    // A framed EMV payload that decodes (it may not: an empty value, a repeated sub-ID, an ID
    // that is not numeric) gives back the texts it was given.
    if (payload.framed && payload.text.starts_with("00")) {
        tavro::TavroPayMerchantTLV model;
        if (!model.decodeTLV(payload.text)) {
            if (const auto* name = dictionary.contains("59") ? dictionary.at("59").asString() : nullptr) {
                if (model.merchantName() != *name) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
