#pragma once
// Command-line options of the sample host: the merchant it presents, with built-in defaults, and
// which flows it walks.

#include <string>

struct HostOptions {
    std::string merchantID = "41234568"; // passes the starting-digit and check-digit rules
    std::string merchantName = "Corner Cafe";
    std::string city = "Pune";
    std::string categoryCode = "5812";
    std::string countryCode = "IN";
    std::string currencyCode = "356";
    // The flows walked; both unless --request or --refund picks one.
    bool request = true;
    bool refund = true;
    // Where the pictures of the screens are written.
    std::string outputDirectory = "merchant-host-output";
    // The device screen the flows are shown on, in points.
    double screenWidth = 375;
    double screenHeight = 667;
    bool showHelp = false;
};

// Fills `options` from argv; on a bad flag returns false with `problem` set.
bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& problem);
std::string hostUsage();
