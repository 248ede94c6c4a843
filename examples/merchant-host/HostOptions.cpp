#include "HostOptions.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// Sides beyond this would make pictures of hundreds of megabytes.
constexpr double kLargestScreenSide = 4096;

// One side of a screen size: a number of points above zero and at most kLargestScreenSide.
bool parseSide(std::string_view text, double& side)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value <= 0 ||
        value > kLargestScreenSide)
        return false;
    side = value;
    return true;
}

// "WxH" in points, as "320x568".
bool parseScreen(std::string_view text, HostOptions& options)
{
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    double width = 0;
    double height = 0;
    if (!parseSide(text.substr(0, x), width) || !parseSide(text.substr(x + 1), height))
        return false;
    options.screenWidth = width;
    options.screenHeight = height;
    return true;
}

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
        if (arg == "--screen") {
            if (i + 1 >= argc) {
                problem = "missing value after --screen";
                return false;
            }
            if (!parseScreen(argv[++i], options)) {
                problem = "bad screen size " + std::string(argv[i]) + " (expected WxH in points, as 320x568)";
                return false;
            }
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
           "  --screen WxH       screen size in points, each side up to 4096\n"
           "                     (default 375x667; 320x568 for a small phone)\n"
           "  --output DIR       where the pictures of the screens go\n"
           "                     (default merchant-host-output)\n";
}
