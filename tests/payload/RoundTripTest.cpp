#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"
#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::TAVROMerchantTLV;
using tavro::TavroPayMerchantTLV;
using tavro::TLVGenerator;

namespace {

// Values of 1 to 12 code points: ASCII, precomposed and decomposed Latin, Thai and Khmer with
// combining marks, CJK, and a value that begins with a combining mark.
const std::vector<std::string>
    kValues =
        {
            "A",
            "Shop",
            "12.50",
            "Caf\xC3\xA9",
            "Cafe\xCC\x81",
            "\xE0\xB8\x97\xE0\xB8\xB5\xE0\xB9\x88\xE0\xB8\xA3\xE0\xB9\x89\xE0\xB8\xB2\xE0\xB8\x99", // Thai, with marks
            "\xE1\x9E\xA0\xE1\x9E\xB6\xE1\x9E\x84\xE1\x9E\x80\xE1\x9E\xB6\xE1\x9E\xA0\xE1\x9F\x92\xE1\x9E\x9C\xE1\x9F"
            "\x81", // Khmer
            "\xE5\x8C\x97\xE4\xBA\xAC",
            "\xCC\x81x",
            "with space",
            "0123456789AB",
};

std::string twoDigits(int value)
{
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string subEntry(const std::string& subId, const std::string& value)
{
    const std::size_t length = platform::text::codePointCount(value);
    return subId + twoDigits(static_cast<int>(length)) + value;
}

struct Generated {
    Dictionary input;
    TAVROMerchantTLV expected;
};

Generated generate(std::mt19937& random)
{
    Generated result;
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };

    result.input["00"] = "01";
    result.expected.setPayloadFormatIndicator("01");
    for (int id = 1; id < 100; ++id) {
        if (id == 63 || pick(4) != 0) {
            continue;
        }
        const std::string key = twoDigits(id);
        const auto property = *tavro::tagtable::propertyForId(key);
        const std::string name(TAVROMerchantTLV::nameOf(property));
        // Keys given by ID or by property name alike.
        const std::string inputKey = pick(2) ? key : name;
        if (TAVROMerchantTLV::kindOf(property) == TAVROMerchantTLV::PropertyKind::Text) {
            const std::string& value = kValues[pick(kValues.size())];
            result.input[inputKey] = value;
            result.expected.setValue(property, value);
            if (id == 2) {
                result.expected.setTavroMerchantPAN(value);
            }
            continue;
        }
        // A template of up to five sub-entries (at most 5 * 16 characters).
        Dictionary sub;
        Dictionary decoded;
        std::vector<std::pair<std::string, std::string>> written;
        const std::size_t count = 1 + pick(5);
        for (std::size_t i = 0; i < count; ++i) {
            const int subId = id == 62 ? 1 + static_cast<int>(pick(99)) : static_cast<int>(pick(100));
            const std::string subKey = twoDigits(subId);
            if (sub.contains(subKey)) {
                continue;
            }
            const std::string& value = kValues[pick(kValues.size())];
            sub[subKey] = value;
            written.emplace_back(subKey, value);
            std::string decodedName = subKey;
            if (id == 62 && subId <= 14) {
                const auto subProperty = *tavro::tagtable::propertyForId("62" + subKey);
                decodedName = std::string(TAVROMerchantTLV::nameOf(subProperty));
                result.expected.setValue(subProperty, value);
            } else if (id == 64) {
                const auto& names = tavro::merchantInformationLanguageTemplateSubTagDictionary();
                if (const auto it = names.find(subKey); it != names.end()) {
                    decodedName = it->second;
                }
            }
            decoded[decodedName] = value;
        }
        result.input[inputKey] = sub;
        result.expected.setValue(property, decoded);
        if (id == 62) {
            std::sort(written.begin(), written.end());
            std::string raw;
            for (const auto& [subKey, value] : written) {
                raw += subEntry(subKey, value);
            }
            result.expected.setAdditionalDataField(raw);
        }
    }
    if (const auto& indicator = result.expected.tipAndFeeIndicator()) {
        result.expected.setIsTipAvailable(*indicator == "01" || *indicator == "02" || *indicator == "03");
    }
    return result;
}

// The model's payload entries as a dictionary keyed by property name.
Dictionary dictionaryOf(const TAVROMerchantTLV& model)
{
    Dictionary result;
    for (const auto& [id, name] : tavro::tagKeyMap()) {
        if (id.size() == 2 && id != "63") {
            if (AnyValue value = model.value(name); !value.isNull()) {
                result[name] = std::move(value);
            }
        }
    }
    return result;
}

} // namespace

TEST(RoundTripTest, EncodeThenDecodeGeneratedDictionaries)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Generated generated = generate(random);
        const auto encoded = TLVGenerator::encode(generated.input);
        ASSERT_TRUE(encoded.framed);

        TavroPayMerchantTLV decoded;
        ASSERT_EQ(decoded.decodeTLV(encoded.text), std::nullopt) << encoded.text;
        TAVROMerchantTLV expected = generated.expected;
        expected.setCrc(encoded.text.substr(encoded.text.size() - 4));
        EXPECT_TRUE(static_cast<const TAVROMerchantTLV&>(decoded) == expected) << encoded.text;

        // Written back by property name, the model gives the same text.
        EXPECT_EQ(TLVGenerator::encodeDictToTLV(dictionaryOf(decoded)), encoded.text);
    }
}

TEST(RoundTripTest, NonAsciiNamesKeepTheirChecksums)
{
    for (const std::string& name : kValues) {
        SCOPED_TRACE(name);
        const std::string text = TLVGenerator::encodeDictToTLV({{"00", "01"}, {"59", name}});
        TavroPayMerchantTLV decoded;
        ASSERT_EQ(decoded.decodeTLV(text), std::nullopt);
        EXPECT_EQ(decoded.merchantName(), name);
        const std::string covered = text.substr(0, text.size() - 4);
        EXPECT_EQ(decoded.crc(), tavro::TavroQRUtility::checksumText(covered));
    }
}
