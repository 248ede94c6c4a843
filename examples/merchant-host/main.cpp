// Sample merchant host: builds the tag dictionary of a merchant, encodes it into an EMV
// merchant-presented payload through the framework's codec, validates it and prints both; then
// walks both flows (or the one --request or --refund picks) through the public entry
// points. With no arguments it uses its built-in default merchant; flags override single fields.

#include "FlowDemo.h"
#include "HostOptions.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"

#include <cstdio>
#include <string>

using platform::AnyValue;
using namespace tavro;

namespace {

AnyValue::Dictionary merchantTags(const HostOptions& options)
{
    AnyValue::Dictionary tags;
    tags["00"] = "01"; // payload format indicator
    tags["01"] = "11"; // static QR: the customer enters the amount
    tags["02"] = options.merchantID;
    tags["52"] = options.categoryCode;
    tags["53"] = options.currencyCode;
    tags["58"] = options.countryCode;
    tags["59"] = options.merchantName;
    tags["60"] = options.city;
    return tags;
}

std::string joined(const std::vector<std::string>& codes)
{
    std::string text;
    for (const std::string& code : codes) {
        if (!text.empty())
            text += ", ";
        text += code;
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    // Each line goes out as it is printed, also when a log reader pipes the output.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    HostOptions options;
    std::string problem;
    if (!parseHostOptions(argc, argv, options, problem)) {
        std::fprintf(stderr, "%s\n\n%s", problem.c_str(), hostUsage("merchant-host", HostOptions()).c_str());
        return 2;
    }
    if (options.showHelp) {
        std::fputs(hostUsage("merchant-host", HostOptions()).c_str(), stdout);
        return 0;
    }

    TLVMapParser& parser = TLVMapParser::shared();
    parser.setTLVDataDictionary(merchantTags(options));
    parser.prepareTLV();

    std::printf("merchant   : %s, %s (ID %s, category %s, country %s, currency %s)\n", options.merchantName.c_str(),
                options.city.c_str(), options.merchantID.c_str(), options.categoryCode.c_str(),
                options.countryCode.c_str(), options.currencyCode.c_str());
    std::printf("payload    : %s\n", parser.tlvString().c_str());

    const std::vector<std::string> codes = TLVGenerator::tlvValidation(parser.tlvString());
    if (codes.empty())
        std::printf("validation : valid\n");
    else
        std::printf("validation : invalid, error codes %s\n", joined(codes).c_str());

    const int flowStatus = runFlowDemo(options);
    return codes.empty() ? flowStatus : 1;
}
