#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tavro {

namespace {

struct Currency {
    std::int64_t number;
    std::string_view code;
};

// The ISO 4217 currencies, in ascending order of number.
constexpr std::array<Currency, 179> kCurrencies{{
    {8, "ALL"},   {12, "DZD"},  {32, "ARS"},  {36, "AUD"},  {44, "BSD"},  {48, "BHD"},  {50, "BDT"},  {51, "AMD"},
    {52, "BBD"},  {60, "BMD"},  {64, "BTN"},  {68, "BOB"},  {72, "BWP"},  {84, "BZD"},  {90, "SBD"},  {96, "BND"},
    {104, "MMK"}, {108, "BIF"}, {116, "KHR"}, {124, "CAD"}, {132, "CVE"}, {136, "KYD"}, {144, "LKR"}, {152, "CLP"},
    {156, "CNY"}, {170, "COP"}, {174, "KMF"}, {188, "CRC"}, {191, "HRK"}, {192, "CUP"}, {203, "CZK"}, {208, "DKK"},
    {214, "DOP"}, {230, "ETB"}, {232, "ERN"}, {238, "FKP"}, {242, "FJD"}, {262, "DJF"}, {270, "GMD"}, {292, "GIP"},
    {320, "GTQ"}, {324, "GNF"}, {328, "GYD"}, {332, "HTG"}, {340, "HNL"}, {344, "HKD"}, {348, "HUF"}, {352, "ISK"},
    {356, "INR"}, {360, "IDR"}, {364, "IRR"}, {368, "IQD"}, {376, "ILS"}, {388, "JMD"}, {392, "JPY"}, {398, "KZT"},
    {400, "JOD"}, {404, "KES"}, {408, "KPW"}, {410, "KRW"}, {414, "KWD"}, {417, "KGS"}, {418, "LAK"}, {422, "LBP"},
    {426, "LSL"}, {430, "LRD"}, {434, "LYD"}, {440, "LTL"}, {446, "MOP"}, {454, "MWK"}, {458, "MYR"}, {462, "MVR"},
    {478, "MRO"}, {480, "MUR"}, {484, "MXN"}, {496, "MNT"}, {498, "MDL"}, {504, "MAD"}, {512, "OMR"}, {516, "NAD"},
    {524, "NPR"}, {532, "ANG"}, {533, "AWG"}, {548, "VUV"}, {554, "NZD"}, {558, "NIO"}, {566, "NGN"}, {578, "NOK"},
    {586, "PKR"}, {590, "PAB"}, {598, "PGK"}, {600, "PYG"}, {604, "PEN"}, {608, "PHP"}, {634, "QAR"}, {643, "RUB"},
    {646, "RWF"}, {654, "SHP"}, {678, "STD"}, {682, "SAR"}, {690, "SCR"}, {694, "SLL"}, {702, "SGD"}, {704, "VND"},
    {706, "SOS"}, {710, "ZAR"}, {728, "SSP"}, {748, "SZL"}, {752, "SEK"}, {756, "CHF"}, {760, "SYP"}, {764, "THB"},
    {776, "TOP"}, {780, "TTD"}, {784, "AED"}, {788, "TND"}, {800, "UGX"}, {807, "MKD"}, {818, "EGP"}, {826, "GBP"},
    {834, "TZS"}, {840, "USD"}, {858, "UYU"}, {860, "UZS"}, {882, "WST"}, {886, "YER"}, {901, "TWD"}, {931, "CUC"},
    {932, "ZWL"}, {934, "TMT"}, {936, "GHS"}, {937, "VEF"}, {938, "SDG"}, {940, "UYI"}, {941, "RSD"}, {943, "MZN"},
    {944, "AZN"}, {946, "RON"}, {947, "CHE"}, {948, "CHW"}, {949, "TRY"}, {950, "XAF"}, {951, "XCD"}, {952, "XOF"},
    {953, "XPF"}, {955, "XBA"}, {956, "XBB"}, {957, "XBC"}, {958, "XBD"}, {959, "XAU"}, {960, "XDR"}, {961, "XAG"},
    {962, "XPT"}, {963, "XTS"}, {964, "XPD"}, {965, "XUA"}, {967, "ZMW"}, {968, "SRD"}, {969, "MGA"}, {970, "COU"},
    {971, "AFN"}, {972, "TJS"}, {973, "AOA"}, {974, "BYR"}, {975, "BGN"}, {976, "CDF"}, {977, "BAM"}, {978, "EUR"},
    {979, "MXV"}, {980, "UAH"}, {981, "GEL"}, {984, "BOV"}, {985, "PLN"}, {986, "BRL"}, {990, "CLF"}, {994, "XSU"},
    {997, "USN"}, {998, "USS"}, {999, "XXX"},
}};

static_assert(std::is_sorted(kCurrencies.begin(), kCurrencies.end(),
                             [](const Currency& a, const Currency& b) { return a.number < b.number; }));
static_assert(kCurrencies.front().number >= 0 && kCurrencies.back().number < 1000);

// One bit per number 0 to 999: payload validation asks about a number for every payload.
constexpr std::array<std::uint64_t, 16> kCurrencyBits = [] {
    std::array<std::uint64_t, 16> bits{};
    for (const Currency& currency : kCurrencies) {
        bits[static_cast<std::size_t>(currency.number / 64)] |= std::uint64_t{1} << (currency.number % 64);
    }
    return bits;
}();

} // namespace

const std::map<std::int64_t, std::string>& ISOCountryCodes::availableISOCurrencies()
{
    static const std::map<std::int64_t, std::string> currencies = [] {
        std::map<std::int64_t, std::string> map;
        for (const Currency& currency : kCurrencies) {
            map.emplace_hint(map.end(), currency.number, currency.code);
        }
        return map;
    }();
    return currencies;
}

bool ISOCountryCodes::isISOCurrencyNumber(std::int64_t number)
{
    if (number < 0 || number >= 1000) {
        return false;
    }
    return (kCurrencyBits[static_cast<std::size_t>(number / 64)] >> (number % 64)) & 1U;
}

const std::map<std::string, std::string, std::less<>>& ISOCountryCodes::localeIds()
{
    static const std::map<std::string, std::string, std::less<>> ids{
        {"AED", "en_AE"}, {"AFN", "en_AF"}, {"ALL", "en_AL"}, {"AMD", "en_AM"}, {"ANG", "en_SX"}, {"AOA", "en_AO"},
        {"ARS", "en_AR"}, {"AUD", "en_NF"}, {"AWG", "en_AW"}, {"AZN", "en_AZ"}, {"BAM", "en_BA"}, {"BBD", "en_BB"},
        {"BDT", "en_BD"}, {"BGN", "en_BG"}, {"BHD", "en_BH"}, {"BIF", "en_BI"}, {"BMD", "en_BM"}, {"BND", "en_BN"},
        {"BOB", "en_BO"}, {"BRL", "en_BR"}, {"BSD", "en_BS"}, {"BTN", "en_BT"}, {"BWP", "en_BW"}, {"BYR", "en_BY"},
        {"BZD", "en_BZ"}, {"CAD", "en_CA"}, {"CDF", "en_CD"}, {"CHF", "en_LI"}, {"CLP", "en_CL"}, {"CNY", "en_CN"},
        {"COP", "en_CO"}, {"CRC", "en_CR"}, {"CUP", "en_CU"}, {"CVE", "en_CV"}, {"CZK", "en_CZ"}, {"DJF", "en_DJ"},
        {"DKK", "en_GL"}, {"DOP", "en_DO"}, {"DZD", "en_DZ"}, {"EGP", "en_EG"}, {"ERN", "en_ER"}, {"ETB", "en_ET"},
        {"EUR", "en_EA"}, {"FJD", "en_FJ"}, {"FKP", "en_FK"}, {"GBP", "en_GB"}, {"GEL", "en_GE"}, {"GHS", "en_GH"},
        {"GIP", "en_GI"}, {"GMD", "en_GM"}, {"GNF", "en_GN"}, {"GTQ", "en_GT"}, {"GYD", "en_GY"}, {"HKD", "en_HK"},
        {"HNL", "en_HN"}, {"HRK", "en_HR"}, {"HTG", "en_HT"}, {"HUF", "en_HU"}, {"IDR", "en_ID"}, {"ILS", "en_IL"},
        {"INR", "en_IN"}, {"IQD", "en_IQ"}, {"IRR", "en_IR"}, {"ISK", "en_IS"}, {"JMD", "en_JM"}, {"JOD", "en_JO"},
        {"JPY", "en_JP"}, {"KES", "en_KE"}, {"KGS", "en_KG"}, {"KHR", "en_KH"}, {"KMF", "en_KM"}, {"KPW", "en_KP"},
        {"KRW", "en_KR"}, {"KWD", "en_KW"}, {"KYD", "en_KY"}, {"KZT", "en_KZ"}, {"LAK", "en_LA"}, {"LBP", "en_LB"},
        {"LKR", "en_LK"}, {"LRD", "en_LR"}, {"LYD", "en_LY"}, {"MAD", "en_MA"}, {"MDL", "en_MD"}, {"MGA", "en_MG"},
        {"MKD", "en_MK"}, {"MMK", "en_MM"}, {"MNT", "en_MN"}, {"MOP", "en_MO"}, {"MRO", "en_MR"}, {"MUR", "en_MU"},
        {"MWK", "en_MW"}, {"MXN", "en_MX"}, {"MYR", "en_MY"}, {"MZN", "en_MZ"}, {"NAD", "en_NA"}, {"NGN", "en_NG"},
        {"NIO", "en_NI"}, {"NOK", "en_NO"}, {"NPR", "en_NP"}, {"NZD", "en_PN"}, {"OMR", "en_OM"}, {"PAB", "en_PA"},
        {"PEN", "en_PE"}, {"PGK", "en_PG"}, {"PHP", "en_PH"}, {"PKR", "en_IN"}, {"PLN", "en_PL"}, {"PYG", "en_PY"},
        {"QAR", "en_QA"}, {"RON", "en_RO"}, {"RSD", "en_RS"}, {"RUB", "en_RU"}, {"RWF", "en_RW"}, {"SAR", "en_SA"},
        {"SBD", "en_SB"}, {"SCR", "en_SC"}, {"SDG", "en_SD"}, {"SEK", "en_SE"}, {"SGD", "en_SG"}, {"SHP", "en_SH"},
        {"SLL", "en_SL"}, {"SOS", "en_SO"}, {"SRD", "en_SR"}, {"SSP", "en_SS"}, {"STD", "en_ST"}, {"SYP", "en_SY"},
        {"SZL", "en_SZ"}, {"THB", "en_TH"}, {"TJS", "en_TJ"}, {"TMT", "en_TM"}, {"TND", "en_TN"}, {"TOP", "en_TO"},
        {"TRY", "en_TR"}, {"TTD", "en_TT"}, {"TWD", "en_TW"}, {"TZS", "en_TZ"}, {"UAH", "en_UA"}, {"UGX", "en_UG"},
        {"USD", "en_US"}, {"UYU", "en_UY"}, {"UZS", "en_UZ"}, {"VEF", "en_VE"}, {"VND", "en_VN"}, {"VUV", "en_VU"},
        {"WST", "en_WS"}, {"XAF", "en_CM"}, {"XCD", "en_AG"}, {"XOF", "en_TG"}, {"XPF", "en_PF"}, {"YER", "en_YE"},
        {"ZAR", "en_ZA"}, {"ZMW", "en_ZM"},
    };
    return ids;
}

} // namespace tavro
