#pragma once
// The payload validator: checks a parsed payload field by field and collects every fault as a
// numeric code of TavroErrorConstants. It never stops at the first fault and never throws.
//
// Add-once rule: a rule appends its code unless errorCodes() already holds it, so a result holds
// each code once, in the order first reported. The dialect drivers empty the list first; the
// checksum check adds to what the EMV driver left.
//
// Lengths of payload values count Unicode scalar values (code points), as wallets count them.
// One validation at a time: the shared instance keeps one list and no lock.

#include "platform/foundation/AnyValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

class TavroPayMerchantTLV;

// Patterns for the character after the "?" marker of the legacy identifiers.
inline constexpr std::string_view PRIMARY_ID_REGEX = "^[1-9a-qA-Q]";
inline constexpr std::string_view SECONDARY_ID_REGEX = "^[1-9a-qA-Q]";

class TavroPayMerchantTLVValidator {
public:
    using Dictionary = platform::AnyValue::Dictionary;
    using OptionalText = std::optional<std::string>;

    // The one validator every validation in the system runs on.
    static TavroPayMerchantTLVValidator& sharedValidator();

    TavroPayMerchantTLVValidator() = default;

    // Codes found so far in the current validation.
    const std::vector<std::string>& errorCodes() const { return m_errorCodes; }

    // --- drivers ---
    // EMV dialect: empties the list, then runs every root-field and template check in a fixed
    // order. nullptr (no payload) gives the empty list.
    std::vector<std::string> validatePayMerchantTLV01(const TavroPayMerchantTLV* model);
    // Legacy compact dialect: empties the list, then runs the seven shared root-field rules, the
    // identifier rules and the tip-or-convenience check. nullptr gives the empty list.
    std::vector<std::string> validatePayMerchantTLV00(const TavroPayMerchantTLV* model);
    // A decoded payload with the text it came from: the legacy driver when it has no payload
    // format indicator, else the EMV driver and then the checksum of the text. The codes found.
    std::vector<std::string> validateDecodedPayload(const TavroPayMerchantTLV& model, std::string_view payloadText);

    // `codes` of the EMV dialect as one validation would list them: each once, ordered by the
    // driver's step that reports it (then the checksum), keeping their order within a step.
    // Codes no step of that dialect reports go last, in their order.
    static std::vector<std::string> inStepOrder(const std::vector<std::string>& codes);

    // --- root fields; an absent value is judged by the rule itself ---
    void validatePayloadFormatIndicator(const OptionalText& indicator); // "41", "42"
    // "1", "2", "4", "3" in that order; true when none of the four tests failed.
    bool validateMerchantID(const OptionalText& merchantId);
    void validateMerchantCategoryCode(const OptionalText& code); // "9" or "8"
    void validateCurrencyCode(const OptionalText& code);         // "15" or "14"
    void validateTransactAmount(const OptionalText& amount);     // "16", "17", "18"
    void validateCountryCode(const OptionalText& code);          // "13" or "12"
    void validateMerchantName(const OptionalText& name);         // "7" or "6"
    void validateCityName(const OptionalText& name);             // "11" or "10"
    void validatePostalCode(const OptionalText& code);           // "43"

    // A 7- to 15-character merchant ID becomes 16 characters: its first six, then zeros, then the
    // rest. Any other length comes back unchanged.
    static std::string convertMerchantIdToPan(const std::string& merchantId);
    // Luhn mod-10 check. A character that is not an ASCII digit adds nothing but uses up its
    // position. The empty text passes.
    static bool luhnsAlgorithmCheck(const std::string& merchantPan);

    // Presence and length of one template sub-field (lengths inclusive). A value of the wrong
    // length adds "53", "54", "55" or "45" (by key, then type); a missing mandatory value adds
    // "51" or "52" for the two language keys and nothing otherwise.
    void tagMandatoryLengthCheck(std::string_view type, const std::string& tagKey,
                                 const std::optional<Dictionary>& dataDictionary, bool isMandatory, int minLenght,
                                 int maxLenght);

    // --- tip, convenience fee, templates ---
    void validateTipAndFeeIndicator(const TavroPayMerchantTLV& model);                  // "28"-"40"
    void validateConvenienceFeeAmount(const std::string& amount);                       // "31", "32", "34"
    void validateConveniencePercentage(const std::string& percentage);                  // "35", "36", "38"
    void validateAdditionalDataField(const TavroPayMerchantTLV& model);                 // "45", "46"
    void validateMerchantInformationLanguageTemplate(const TavroPayMerchantTLV& model); // "51"-"55"
    void validateMerchantAccountInformationTemplate(const TavroPayMerchantTLV& model);  // "49", "50"

    // --- checksum ---
    // Compares the checksum value with the CRC-16 of the payload text less its last four
    // characters. Adds "48" when the value is not exactly four hexadecimal digits (either case),
    // when it differs, or when the text has four characters or fewer. Nothing when either is
    // absent.
    void validateCRC(const OptionalText& crc, const OptionalText& tlvString);
    // The same check of payload text that is present, without copying it.
    void validateCRCOfText(const OptionalText& crc, std::string_view tlvString);
    // MSB-first CRC-16 lookup table for the polynomial (low 16 bits of each entry).
    static std::array<std::uint16_t, 256> genCrc16TableMsb(std::uint16_t poly);
    // CRC-16 of the bytes, MSB first, no reflection, no final xor.
    static std::uint16_t calculateCrcMsb(std::span<const std::uint8_t> bytes, std::uint16_t poly,
                                         std::uint16_t initialCrcValue);

    // --- legacy identifiers ---
    void validatePrimaryId(const OptionalText& primaryId);     // "20", "21", "23"
    void validateSecondaryId(const OptionalText& secondaryId); // "24", "25"

private:
    // The drivers' rules, on a list already emptied.
    void runPayMerchantTLV01Rules(const TavroPayMerchantTLV& model);
    void runPayMerchantTLV00Rules(const TavroPayMerchantTLV& model);
    // Appends the code unless the list already holds it.
    void addErrorCode(const std::string& code);
    // tagMandatoryLengthCheck of a value already looked up (nullptr when absent).
    void checkSubfieldLength(std::string_view type, std::string_view tagKey, const platform::AnyValue* value,
                             bool isMandatory, int minLength, int maxLength);
    void validateLegacyIdentifier(const OptionalText& identifier, std::string_view pattern,
                                  const std::string& lengthCode, const std::string& emptyCode,
                                  const std::string& patternCode);

    std::vector<std::string> m_errorCodes;
};

} // namespace tavro
