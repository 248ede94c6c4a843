#include "HostOptions.h"

#include <string_view>

namespace {

struct Flag {
    std::string_view name;
    std::string HostOptions::*field;
};

constexpr Flag kFlags[] = {
    {"--merchant-id", &HostOptions::merchantID},
    {"--name", &HostOptions::merchantName},
    {"--city", &HostOptions::city},
    {"--category", &HostOptions::categoryCode},
    {"--country", &HostOptions::countryCode},
    {"--currency", &HostOptions::currencyCode},
    {"--output", &HostOptions::outputDirectory},
};

} // namespace

bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& problem)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.showHelp = true;
            continue;
        }
        if (arg == "--refund") {
            options.request = false;
            options.refund = true;
            continue;
        }
        if (arg == "--request") {
            options.request = true;
            options.refund = false;
            continue;
        }
        bool known = false;
        for (const Flag& flag : kFlags) {
            if (arg != flag.name)
                continue;
            if (i + 1 >= argc) {
                problem = "missing value after " + std::string(arg);
                return false;
            }
            options.*flag.field = argv[++i];
            known = true;
            break;
        }
        if (!known) {
            problem = "unknown option " + std::string(arg);
            return false;
        }
    }
    return true;
}

std::string hostUsage()
{
    return "usage: merchant-host [options]\n"
           "  --merchant-id ID   merchant ID (default 41234568)\n"
           "  --name NAME        merchant name (default \"Corner Cafe\")\n"
           "  --city CITY        merchant city (default Pune)\n"
           "  --category MCC     merchant category code (default 5812)\n"
           "  --country CC       ISO 3166-1 alpha-2 country (default IN)\n"
           "  --currency CODE    ISO 4217 numeric currency (default 356)\n"
           "  --request          walk only the request-payment flow\n"
           "  --refund           walk only the refund flow\n"
           "  --output DIR       where the pictures of the screens go\n"
           "                     (default merchant-host-output)\n";
}
