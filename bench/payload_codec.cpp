// Throughput of the payload codec: checksum, encoder, decoder, decode + validate, and the
// validator's verdict on a megabyte it cannot decode.

#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::TLVGenerator;

namespace {

// About 120 characters: what a shop's static QR usually carries.
Dictionary typicalDictionary()
{
    return {
        {"00", "01"},
        {"02", "4111111111111111"},
        {"26", Dictionary{{"00", "com.tavro.pay"}, {"01", "SHOP0042"}}},
        {"52", "5411"},
        {"53", "356"},
        {"58", "IN"},
        {"59", "Tavro Coffee House"},
        {"60", "Mumbai"},
    };
}

// About 500 characters: each kind of template, long names, an alternate-language block.
Dictionary largeDictionary()
{
    Dictionary dictionary = typicalDictionary();
    dictionary["27"] = Dictionary{{"00", "com.example.network.one"}, {"01", "MERCHANT-ACCOUNT-0000000042"}};
    dictionary["28"] = Dictionary{{"00", "com.example.network.two"}, {"01", "MERCHANT-ACCOUNT-0000000043"}};
    dictionary["54"] = "1250.75";
    dictionary["55"] = "02";
    dictionary["56"] = "10.00";
    dictionary["59"] = "Tavro Coffee House Bandra";
    dictionary["62"] = Dictionary{{"01", "INV-2024-000042"},
                                  {"03", "STORE-0042"},
                                  {"05", "REF-0000000042"},
                                  {"07", "TERMINAL-07"},
                                  {"08", "Coffee and pastries"}};
    dictionary["64"] = Dictionary{
        {"00", "HI"},
        {"01", "\xE0\xA4\x9F\xE0\xA4\xBE\xE0\xA4\xB5\xE0\xA5\x8B \xE0\xA4\x95\xE0\xA5\x89\xE0\xA4\xAB\xE0\xA5\x80"},
        {"02", "\xE0\xA4\xAE\xE0\xA5\x81\xE0\xA4\x82\xE0\xA4\xAC\xE0\xA4\x88"}};
    dictionary["80"] = Dictionary{{"00", "com.example.loyalty"}, {"01", "LOYALTY-PROGRAMME-0042"}};
    return dictionary;
}

void addPayloadCounters(benchmark::State& state, const std::string& text)
{
    state.counters["chars"] = static_cast<double>(text.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Crc1MiB(benchmark::State& state)
{
    std::string data(1 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : data) {
        c = static_cast<char>(random() & 0xFF);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavro::TavroQRUtility::crc16(data));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Crc1MiB);

void BM_Encode(benchmark::State& state, Dictionary dictionary)
{
    std::string text;
    for (auto _ : state) {
        text = TLVGenerator::encodeDictToTLV(dictionary);
        benchmark::DoNotOptimize(text);
    }
    addPayloadCounters(state, text);
}
BENCHMARK_CAPTURE(BM_Encode, typical, typicalDictionary());
BENCHMARK_CAPTURE(BM_Encode, large, largeDictionary());

void BM_Decode(benchmark::State& state, Dictionary dictionary)
{
    const std::string text = TLVGenerator::encodeDictToTLV(dictionary);
    for (auto _ : state) {
        tavro::TavroPayMerchantTLV model;
        benchmark::DoNotOptimize(model.decodeTLV(text));
        benchmark::DoNotOptimize(model);
    }
    addPayloadCounters(state, text);
}
BENCHMARK_CAPTURE(BM_Decode, typical, typicalDictionary());
BENCHMARK_CAPTURE(BM_Decode, large, largeDictionary());

void BM_DecodeValidate(benchmark::State& state, Dictionary dictionary)
{
    const std::string text = TLVGenerator::encodeDictToTLV(dictionary);
    if (!TLVGenerator::tlvValidation(text).empty()) {
        state.SkipWithError("benchmark payload does not validate");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(TLVGenerator::tlvValidation(text));
    }
    addPayloadCounters(state, text);
}
BENCHMARK_CAPTURE(BM_DecodeValidate, typical, typicalDictionary());
BENCHMARK_CAPTURE(BM_DecodeValidate, large, largeDictionary());

// A megabyte of stray bytes and no control character, which the decoder refuses at its first
// look: the verdict must not cost a walk over every character.
void BM_ValidateUndecodable1MiB(benchmark::State& state)
{
    std::string text(1 << 20, '\0');
    std::mt19937 random(11);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(0x80 | (random() & 0x7F));
        c = static_cast<char>(byte <= 0x9F ? byte + 0x20 : byte);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(TLVGenerator::tlvValidation(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ValidateUndecodable1MiB);

} // namespace
