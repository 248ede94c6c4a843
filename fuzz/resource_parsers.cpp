// The parsers of stored and typed data outside the payload codec, chosen by the first byte:
// strings tables, the user-defaults JSON, PNG images, and amount and currency texts. No crash, no
// read outside the input, and what each parser promises holds for every input.

#include "TavroMerchantSDK/support/KCurrencyData.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/StringsFile.h"
#include "platform/foundation/Text.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/PNGDecoder.h"
#include "platform/graphics/PNGEncoder.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void fuzzStringsFile(std::string_view bytes)
{
    platform::StringsTable table = platform::parseStringsFile(bytes, "fuzz.strings");
    for (const auto& [key, value] : table)
        require(platform::text::isValidUtf8(key) && platform::text::isValidUtf8(value));
}

void fuzzJson(std::string_view bytes)
{
    std::optional<platform::AnyValue> value = platform::parseJson(bytes);
    if (!value)
        return;
    require(!platform::nestsDeeperThan(*value, platform::kMaxJsonDepth));
    // What was read writes out as JSON that reads back the same, as the defaults file relies on.
    for (bool pretty : {false, true}) {
        std::optional<platform::AnyValue> again = platform::parseJson(platform::toJson(*value, pretty));
        require(again && *again == *value);
    }
}

// Big-endian 32 bits at `at`, 0 when the input is shorter.
std::uint32_t bigEndian(std::string_view bytes, std::size_t at)
{
    if (bytes.size() < at + 4)
        return 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void fuzzPNG(std::string_view bytes)
{
    // The size limit itself is tested elsewhere; large claimed sizes only slow the search down.
    constexpr double kLargestExplored = 1 << 20;
    if (double(bigEndian(bytes, 16)) * bigEndian(bytes, 20) > kLargestExplored)
        return;
    platform::CGImagePtr image = platform::decodePNG(bytes);
    if (!image)
        return;
    require(!platform::bitmapSizeProblem(image->width(), image->height()));
    // Writing the bitmap and reading it back gives the same pixels.
    platform::CGImagePtr again = platform::decodePNG(platform::encodePNG(*image));
    require(again && again->width() == image->width() && again->height() == image->height());
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x)
            require(again->pixelAt(x, y) == image->pixelAt(x, y));
}

void fuzzAmountsAndCurrencies(std::string_view bytes)
{
    // The first eight bytes are an amount, the next three a currency code, the rest typed text.
    double amount = 0;
    if (bytes.size() >= sizeof amount)
        std::memcpy(&amount, bytes.data(), sizeof amount);
    bytes.remove_prefix(std::min(bytes.size(), sizeof amount));
    const std::string code(bytes.substr(0, 3));
    bytes.remove_prefix(std::min<std::size_t>(bytes.size(), 3));
    const std::string text(bytes);
    // Nothing here may reach a defaults file on disk.
    auto defaults = platform::UserDefaults::inMemory();
    platform::UserDefaults::setStandardForTesting(defaults);

    tavro::CurrencyEntry entry = tavro::Utilities::getCurrency(text);
    require(entry.amount >= 0 && std::isfinite(entry.amount));
    tavro::Utilities::currencyString(amount, code);
    tavro::Utilities::getISOCurrencyComponents(amount, code);
    tavro::Utilities::localizedAmountString("Pay", text, code);

    // Usage counts as stored by any earlier version or by hand: any JSON value under the key.
    if (auto stored = platform::parseJson(text))
        defaults->set(*stored, tavro::KAllSelectedCurrencies);
    defaults->set(code, tavro::KRecentCurrency);
    auto record = tavro::KCurrencyData::create();
    record->increaseCurrencyCount(code);
    auto lists = record->getCurrencies();
    require(lists.first && lists.first->size() <= 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0: fuzzStringsFile(bytes); break;
    case 1: fuzzJson(bytes); break;
    case 2: fuzzPNG(bytes); break;
    default: fuzzAmountsAndCurrencies(bytes); break;
    }
    return 0;
}
