#include "PayloadCheck.h"

#include "TavroMerchantSDK/payload/TLVGenerator.h"

#include <cstdio>
#include <string>

using platform::AnyValue;
using tavro::TLVGenerator;

bool checkPayload()
{
    AnyValue::Dictionary tags;
    tags["00"] = "01";              // payload format indicator
    tags["01"] = "11";              // static code: the customer enters the amount
    tags["02"] = "4111111111111111"; // the merchant's card-network identifier
    tags["52"] = "5812";
    tags["53"] = "356";
    tags["58"] = "IN";
    tags["59"] = "Chai Point";
    tags["60"] = "Pune";
    const tavro::EncodedPayload payload = TLVGenerator::encode(tags);
    const auto codes = TLVGenerator::tlvValidation(payload);
    std::printf("payload  : %s (%s)\n", payload.text.c_str(), codes.empty() ? "valid" : "INVALID");

    // A scanner that misreads one character must be caught by the checksum.
    std::string misread = payload.text;
    misread[misread.find("Pune")] = 'T';
    const auto misreadCodes = TLVGenerator::tlvValidation(misread);
    std::printf("misread  : %zu error code(s)%s%s\n", misreadCodes.size(), misreadCodes.empty() ? "" : ", first ",
                misreadCodes.empty() ? "" : misreadCodes.front().c_str());
    return payload.framed && codes.empty() && !misreadCodes.empty();
}
