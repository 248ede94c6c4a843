#pragma once
// Command-line options of the sample hosts: the merchant they present, with built-in defaults, which
// flows they run, and the flags a host adds of its own.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct HostOptions {
    std::string merchantID = "41234568"; // passes the starting-digit and check-digit rules
    std::string merchantName = "Corner Cafe";
    std::string city = "Pune";
    std::string categoryCode = "5812";
    std::string countryCode = "IN";
    std::string currencyCode = "356";
    // The flows run; both unless --request or --refund picks one.
    bool request = true;
    bool refund = true;
    // Where the pictures the host writes go.
    std::string outputDirectory = "merchant-host-output";
    // The device screen the flows are shown on, in points.
    double screenWidth = 375;
    double screenHeight = 667;
    bool showHelp = false;
};

// A flag one host adds to the shared ones. `apply` gets the value (empty for a flag without one,
// whose `value` placeholder is empty) and returns false when the value is bad.
struct HostFlag {
    std::string_view name;
    std::string_view value;
    std::string_view help;
    std::function<bool(std::string_view value)> apply;
};

// Fills `options` from argv, taking `extra` beside the shared flags; on a bad flag returns false
// with `problem` set.
bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& problem,
                      const std::vector<HostFlag>& extra = {});
// The usage text of `program`, with the defaults `options` holds before parsing.
std::string hostUsage(std::string_view program, const HostOptions& defaults, const std::vector<HostFlag>& extra = {});

// A number above zero and at most `largest`, as "375" or "2.5".
bool parsePositive(std::string_view text, double largest, double& value);
