#include "HostOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Sides beyond this would make pictures of hundreds of megabytes.
constexpr double kLargestScreenSide = 4096;

// "WxH" in points, as "320x568".
bool parseScreen(std::string_view text, HostOptions& options)
{
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    double width = 0;
    double height = 0;
    if (!parsePositive(text.substr(0, x), kLargestScreenSide, width) ||
        !parsePositive(text.substr(x + 1), kLargestScreenSide, height))
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

// The value after argv[i], moving i onto it; false with `problem` set when there is none.
bool takeValue(int argc, char** argv, int& i, std::string_view& value, std::string& problem)
{
    if (i + 1 >= argc) {
        problem = "missing value after " + std::string(argv[i]);
        return false;
    }
    value = argv[++i];
    return true;
}

// One usage line: the flag with its value's placeholder, then its help from column 21.
std::string usageLine(std::string_view flag, std::string_view value, std::string_view help)
{
    std::string line = "  " + std::string(flag);
    if (!value.empty())
        line += " " + std::string(value);
    line.resize(std::max<std::size_t>(line.size() + 1, 21), ' ');
    return line + std::string(help) + "\n";
}

} // namespace

bool parsePositive(std::string_view text, double largest, double& value)
{
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed) || parsed <= 0 ||
        parsed > largest)
        return false;
    value = parsed;
    return true;
}

bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& problem,
                      const std::vector<HostFlag>& extra)
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
        std::string_view value;
        if (arg == "--screen") {
            if (!takeValue(argc, argv, i, value, problem))
                return false;
            if (!parseScreen(value, options)) {
                problem = "bad screen size " + std::string(argv[i]) + " (expected WxH in points, as 320x568)";
                return false;
            }
            continue;
        }
        const auto field =
            std::find_if(std::begin(kFlags), std::end(kFlags), [&](const Flag& f) { return f.name == arg; });
        if (field != std::end(kFlags)) {
            if (!takeValue(argc, argv, i, value, problem))
                return false;
            options.*field->field = value;
            continue;
        }
        const auto own = std::find_if(extra.begin(), extra.end(), [&](const HostFlag& f) { return f.name == arg; });
        if (own == extra.end()) {
            problem = "unknown option " + std::string(arg);
            return false;
        }
        if (!own->value.empty() && !takeValue(argc, argv, i, value, problem))
            return false;
        if (!own->apply(value)) {
            problem = "bad value " + std::string(value) + " for " + std::string(arg);
            return false;
        }
    }
    return true;
}

std::string hostUsage(std::string_view program, const HostOptions& defaults, const std::vector<HostFlag>& extra)
{
    std::string usage = "usage: " + std::string(program) + " [options]\n";
    usage += usageLine("--merchant-id", "ID", "merchant ID (default " + defaults.merchantID + ")");
    usage += usageLine("", "", "(8 to 16 digits, starting with 4, passing the Luhn check)");
    usage += usageLine("--name", "NAME", "merchant name (default \"" + defaults.merchantName + "\")");
    usage += usageLine("--city", "CITY", "merchant city (default " + defaults.city + ")");
    usage += usageLine("--category", "MCC", "merchant category code (default " + defaults.categoryCode + ")");
    usage += usageLine("--country", "CC", "ISO 3166-1 alpha-2 country (default " + defaults.countryCode + ")");
    usage += usageLine("--currency", "CODE", "ISO 4217 numeric currency (default " + defaults.currencyCode + ")");
    usage += usageLine("--request", "", "only the request-payment flow");
    usage += usageLine("--refund", "", "only the refund flow");
    usage += usageLine("--screen", "WxH", "screen size in points, each side up to 4096");
    usage += usageLine("", "", "(default 375x667; 320x568 for a small phone)");
    usage += usageLine("--output", "DIR", "where the pictures go (default " + defaults.outputDirectory + ")");
    for (const HostFlag& flag : extra)
        usage += usageLine(flag.name, flag.value, flag.help);
    return usage;
}
