#pragma once
// The numeric codes of payload validation. A validation result is an ordered list of these texts
// (decimal digits, no leading zeros). Numbers 5, 19, 22, 26, 27, 33, 37, 44 and 47 are unused.

#include <string>

namespace tavro {

struct TavroErrorConstants {
    TavroErrorConstants() = delete;

    // Payload text that cannot be decoded.
    static inline const std::string malformedTags = "0";

    static inline const std::string merchantIdInvalidStartingDigit = "1";
    static inline const std::string merchantIdInvalidLength = "2";
    static inline const std::string merchantIdInvalidCheckDigit = "3";
    static inline const std::string merchantIdInvalidFormat = "4";
    static inline const std::string merchantNameInvalidLengthOrCharacters = "6";
    static inline const std::string merchantNameNotPresent = "7";
    static inline const std::string merchantCategoryCodeInvalidLength = "8";
    static inline const std::string merchantCategoryCodeNotPresent = "9";
    static inline const std::string cityNameInvalidLengthOrCharacters = "10";
    static inline const std::string cityNameNotPresent = "11";
    static inline const std::string countryCodeInvalidLengthOrCharacters = "12";
    static inline const std::string countryCodeNotPresent = "13";
    static inline const std::string currencyCodeInvaidLength = "14";
    static inline const std::string currencyCodeNotPresent = "15";
    static inline const std::string transactionAmountInvalidLength = "16";
    static inline const std::string transactionAmountIncorrectValue = "17";
    static inline const std::string transactionAmountTagPresentWithoutAmountValue = "18";
    static inline const std::string primaryIdInvalidLengthOrCharacters = "20";
    static inline const std::string primaryIdTagPresentWithoutValue = "21";
    static inline const std::string primaryIdInvalidFormat = "23";
    static inline const std::string secondaryIdInvalidLengthOrCharacters = "24";
    static inline const std::string secondaryIdTagPresentWithoutValue = "25";
    static inline const std::string tipAndFeeIndicatorInvalidCriteria = "28";
    static inline const std::string tipAndFeeIndicatorInvalidTagsPresent = "29";
    static inline const std::string tipAndFeeIndicatorTagPresentWithoutValue = "30";
    static inline const std::string convenienceFeeAmountInvalidLength = "31";
    static inline const std::string convenienceFeeAmountIncorrectValue = "32";
    static inline const std::string convenienceFeeTagPresentWithoutValue = "34";
    static inline const std::string convenienceFeePercentageInvalidLength = "35";
    static inline const std::string convenienceFeePercentageIncorrectValue = "36";
    static inline const std::string convenienceFeePercentageTagPresentWithoutValue = "38";
    static inline const std::string convenienceInvalidTagPresent = "39";
    static inline const std::string convenienceFeePercentageInvalidTagPresent = "40";
    static inline const std::string payloadFormatIndicatorInvalidLength = "41";
    static inline const std::string payloadFormatIndicatorInvalidValue = "42";
    static inline const std::string postalCodeIndicatorInvalidLength = "43";
    static inline const std::string additionalDataInformationInvalidLength = "45";
    static inline const std::string additionalConsumerDataInvalidValue = "46";
    static inline const std::string crcInvalidValue = "48";

    // Templates "26" to "51".
    struct merchantAccountInformationTemplate {
        merchantAccountInformationTemplate() = delete;
        static inline const std::string missingUniqueIdentifier = "49";
        static inline const std::string invalidLength = "50";
    };

    // Template "64".
    struct merchantLanguageInformationTemplate {
        merchantLanguageInformationTemplate() = delete;
        static inline const std::string missingLanguagePreferenceTag = "51";
        static inline const std::string missingMerchantNameTag = "52";
        static inline const std::string languagePreferenceInvalidTagLength = "53";
        static inline const std::string merchantNameInvalidTagLength = "54";
        static inline const std::string invalidLengthTag = "55";
    };
};

} // namespace tavro
