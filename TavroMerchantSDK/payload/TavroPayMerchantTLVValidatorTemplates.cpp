// Templates: additional data ("62"), merchant information in an alternate language ("64") and
// merchant account information ("26" to "51").

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
constexpr std::string_view kConsumerDataRequestName = "additionalConsumerDataRequest";

// Only the three upper-case letters A, M and E, in any order and repeated.
bool isConsumerDataRequest(std::string_view value)
{
    return value.find_first_not_of("AME") == std::string_view::npos;
}

// One line for the debug log. It holds customers' data, so it never goes to standard output. Built
// only when the log is listening: validation runs for every payload read.
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

// The sub-fields of the language template with rules of their own, in the order of their sub-IDs
// "00", "01", "02" (merchantInformationLanguageTemplateSubTagDictionary).
struct LanguageSubfield {
    std::string_view name;
    SubtagLimits limits;
};
constexpr std::array<LanguageSubfield, 3> kLanguageSubfields{{
    {"languagePreference", {true, 2, 2}},
    {"merchantNameAlternateLanguage", {true, 1, 25}},
    {"merchantCityAlternateLanguage", {false, 1, 15}},
}};
// Any other sub-field of the language template.
constexpr SubtagLimits kOtherLanguageSubfieldLimits{false, 1, 99};

// Position of `name` in kLanguageSubfields; kLanguageSubfields.size() for any other name.
std::size_t languageSubfieldIndex(std::string_view name)
{
    std::size_t index = 0;
    while (index < kLanguageSubfields.size() && kLanguageSubfields[index].name != name)
        ++index;
    return index;
}

// Calls `check` with each merchant account template "26" to "51" that the payload holds, in
// ascending ID order. Each accessor is called in place rather than collected in a list first:
// most payloads hold one or two of the 26, and this runs for every payload.
template <typename Check>
void forEachMerchantAccountTemplate(const TAVROMerchantTLV& m, Check&& check)
{
    const auto visit = [&](const std::optional<Dictionary>& slot) {
        if (slot)
            check(*slot);
    };
    visit(m.tag26());
    visit(m.tag27());
    visit(m.tag28());
    visit(m.tag29());
    visit(m.tag30());
    visit(m.tag31());
    visit(m.tag32());
    visit(m.tag33());
    visit(m.tag34());
    visit(m.tag35());
    visit(m.tag36());
    visit(m.tag37());
    visit(m.tag38());
    visit(m.tag39());
    visit(m.tag40());
    visit(m.tag41());
    visit(m.tag42());
    visit(m.tag43());
    visit(m.tag44());
    visit(m.tag45());
    visit(m.tag46());
    visit(m.tag47());
    visit(m.tag48());
    visit(m.tag49());
    visit(m.tag50());
    visit(m.tag51());
}

} // namespace

void TavroPayMerchantTLVValidator::validateAdditionalDataField(const TavroPayMerchantTLV& model)
{
    const auto& dataTemplate = model.additionalDataFieldTemplate();
    if (!dataTemplate)
        return;
    if (platform::isDebugLogActive())
        platform::debugLog(describeTemplate(*dataTemplate));

    for (const auto& [name, value] : *dataTemplate) {
        if (name == kConsumerDataRequestName) {
            const std::string* request = value.asString();
            if (!request)
                continue;
            if (!lengthInRange(*request, 1, 3))
                addErrorCode(Codes::additionalConsumerDataInvalidValue);
            if (!isConsumerDataRequest(*request))
                addErrorCode(Codes::additionalConsumerDataInvalidValue);
            continue;
        }
        checkSubfieldLength(kAdditionalDataType, name, &value, false, 1, 25);
    }
}

void TavroPayMerchantTLVValidator::validateMerchantInformationLanguageTemplate(const TavroPayMerchantTLV& model)
{
    const auto& languageTemplate = model.merchantInformationLanguageTemplate();
    if (!languageTemplate)
        return;
    auto check = [&](std::string_view name, const platform::AnyValue* value, const SubtagLimits& limits) {
        checkSubfieldLength(kLanguageTemplateType, name, value, limits.isMandatory, limits.minimum, limits.maximum);
    };
    // First the known sub-fields, so missing mandatory ones are found; then the other names the
    // template holds, in its order.
    std::array<const platform::AnyValue*, kLanguageSubfields.size()> knownValues{};
    for (const auto& [name, value] : *languageTemplate) {
        if (const std::size_t index = languageSubfieldIndex(name); index < knownValues.size())
            knownValues[index] = &value;
    }
    for (std::size_t index = 0; index < kLanguageSubfields.size(); ++index)
        check(kLanguageSubfields[index].name, knownValues[index], kLanguageSubfields[index].limits);
    for (const auto& [name, value] : *languageTemplate) {
        if (languageSubfieldIndex(name) == kLanguageSubfields.size())
            check(name, &value, kOtherLanguageSubfieldLimits);
    }
}

void TavroPayMerchantTLVValidator::validateMerchantAccountInformationTemplate(const TavroPayMerchantTLV& model)
{
    using Account = Codes::merchantAccountInformationTemplate;
    forEachMerchantAccountTemplate(model, [&](const Dictionary& accountTemplate) {
        const auto identifier = accountTemplate.find("00");
        if (identifier == accountTemplate.end()) {
            addErrorCode(Account::missingUniqueIdentifier);
            return;
        }
        // A unique identifier that is not text is as unusable as one of the wrong length.
        const std::string* text = identifier->second.asString();
        if (!text || !lengthInRange(*text, 1, 32))
            addErrorCode(Account::invalidLength);
    });
}

} // namespace tavro
