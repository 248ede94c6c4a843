// Templates: additional data ("62"), merchant information in an alternate language ("64") and
// merchant account information ("26" to "51").

#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "platform/foundation/DebugLog.h"

#include <array>

namespace tavro {

using namespace validator_text;
using Codes = TavroErrorConstants;
using Dictionary = platform::AnyValue::Dictionary;

namespace {

constexpr std::string_view kAdditionalDataType = "AdditionalDataField";
constexpr std::string_view kLanguageTemplateType = "merchantInformationLanguageTemplate";

// Only the three upper-case letters A, M and E, in any order and repeated.
bool isConsumerDataRequest(std::string_view value)
{
    return value.find_first_not_of("AME") == std::string_view::npos;
}

// One line for the debug log. It holds customers' data, so it never goes to standard output.
std::string describeTemplate(const Dictionary& dictionary)
{
    std::string line = "Additional data field template: {";
    bool first = true;
    for (const auto& [key, value] : dictionary) {
        line += first ? "" : ", ";
        first = false;
        line += key + ": ";
        const std::string* text = value.asString();
        line += text ? *text : std::string("<not text>");
    }
    return line + "}";
}

struct SubtagLimits {
    bool isMandatory;
    int minimum;
    int maximum;
};

SubtagLimits validateSubtags(std::string_view name)
{
    if (name == "languagePreference")
        return {true, 2, 2};
    if (name == "merchantNameAlternateLanguage")
        return {true, 1, 25};
    if (name == "merchantCityAlternateLanguage")
        return {false, 1, 15};
    return {false, 1, 99};
}

// The merchant account templates "26" to "51", in ascending ID order.
std::array<const std::optional<Dictionary>*, 26> merchantAccountTemplates(const TAVROMerchantTLV& m)
{
    return {&m.tag26(), &m.tag27(), &m.tag28(), &m.tag29(), &m.tag30(), &m.tag31(), &m.tag32(), &m.tag33(), &m.tag34(),
            &m.tag35(), &m.tag36(), &m.tag37(), &m.tag38(), &m.tag39(), &m.tag40(), &m.tag41(), &m.tag42(), &m.tag43(),
            &m.tag44(), &m.tag45(), &m.tag46(), &m.tag47(), &m.tag48(), &m.tag49(), &m.tag50(), &m.tag51()};
}

} // namespace

void TavroPayMerchantTLVValidator::validateAdditionalDataField(const TavroPayMerchantTLV& model)
{
    const auto& dataTemplate = model.additionalDataFieldTemplate();
    if (!dataTemplate)
        return;
    platform::debugLog(describeTemplate(*dataTemplate));

    for (const auto& [name, value] : *dataTemplate) {
        if (name == "additionalConsumerDataRequest") {
            const std::string* request = value.asString();
            if (!request)
                continue;
            if (!lengthInRange(*request, 1, 3))
                addErrorCode(Codes::additionalConsumerDataInvalidValue);
            if (!isConsumerDataRequest(*request))
                addErrorCode(Codes::additionalConsumerDataInvalidValue);
            continue;
        }
        tagMandatoryLengthCheck(kAdditionalDataType, name, dataTemplate, false, 1, 25);
    }
}

void TavroPayMerchantTLVValidator::validateMerchantInformationLanguageTemplate(const TavroPayMerchantTLV& model)
{
    const auto& languageTemplate = model.merchantInformationLanguageTemplate();
    if (!languageTemplate)
        return;
    auto check = [&](const std::string& name) {
        const SubtagLimits limits = validateSubtags(name);
        tagMandatoryLengthCheck(kLanguageTemplateType, name, languageTemplate, limits.isMandatory, limits.minimum,
                                limits.maximum);
    };
    // First the known names, so missing mandatory ones are found; then whatever the template holds.
    for (const auto& entry : merchantInformationLanguageTemplateSubTagDictionary())
        check(entry.second);
    for (const auto& entry : *languageTemplate)
        check(entry.first);
}

void TavroPayMerchantTLVValidator::validateMerchantAccountInformationTemplate(const TavroPayMerchantTLV& model)
{
    using Account = Codes::merchantAccountInformationTemplate;
    for (const std::optional<Dictionary>* slot : merchantAccountTemplates(model)) {
        const auto& accountTemplate = *slot;
        if (!accountTemplate)
            continue;
        const auto identifier = accountTemplate->find("00");
        if (identifier == accountTemplate->end()) {
            addErrorCode(Account::missingUniqueIdentifier);
            continue;
        }
        // A unique identifier that is not text is as unusable as one of the wrong length.
        const std::string* text = identifier->second.asString();
        if (!text || !lengthInRange(*text, 1, 32))
            addErrorCode(Account::invalidLength);
    }
}

} // namespace tavro
