#include "TavroMerchantSDK/payload/PayloadFraming.h"

#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include "platform/foundation/Text.h"

#include <algorithm>

namespace tavro::payloadframing {

namespace {

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Byte size of the entry starting at `payload`, or 0 when no whole entry can be read there.
std::size_t entrySize(std::string_view payload)
{
    if (payload.size() < 4 || !isAsciiDigit(payload[2]) || !isAsciiDigit(payload[3])) {
        return 0;
    }
    // The ID is two code points; in well-formed payloads it is two ASCII characters.
    if (static_cast<unsigned char>(payload[0]) >= 0x80 || static_cast<unsigned char>(payload[1]) >= 0x80) {
        return 0;
    }
    const std::size_t length = static_cast<std::size_t>((payload[2] - '0') * 10 + (payload[3] - '0'));
    const auto valueBytes = platform::text::byteOffsetOfCodePoint(payload.substr(4), length);
    if (!valueBytes) {
        return 0;
    }
    return 4 + *valueBytes;
}

} // namespace

void appendChecksumEntry(std::string& payload)
{
    payload.append(QRCodeTag::crc);
    appendLength(payload, kChecksumEntryLength - 4);
    payload.append(TavroQRUtility::checksumText(payload));
}

std::optional<std::string> removingTopLevelEntries(std::string_view payload,
                                                   std::initializer_list<std::string_view> ids)
{
    std::string result;
    result.reserve(payload.size());
    while (!payload.empty()) {
        const std::size_t size = entrySize(payload);
        if (size == 0) {
            return std::nullopt;
        }
        const std::string_view id = payload.substr(0, 2);
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
            result.append(payload.substr(0, size));
        }
        payload.remove_prefix(size);
    }
    return result;
}

std::optional<std::string_view> entriesBeforeChecksumEntry(std::string_view payload)
{
    std::size_t lastEntry = 0;
    for (std::size_t offset = 0; offset < payload.size();) {
        const std::size_t size = entrySize(payload.substr(offset));
        if (size == 0) {
            return std::nullopt;
        }
        lastEntry = offset;
        offset += size;
    }
    const std::string_view last = payload.substr(lastEntry);
    if (last.substr(0, 2) != QRCodeTag::crc || last.substr(2, 2) != "04") {
        return std::nullopt;
    }
    return payload.substr(0, lastEntry);
}

} // namespace tavro::payloadframing
