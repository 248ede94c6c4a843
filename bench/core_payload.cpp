// Cost of a payment request's payload: the plain writer for a request with every field, a tip
// rule and full additional data; the same request's validation; and the payload of a request
// made from a tag dictionary (parser priming, encoding and update).

#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include <benchmark/benchmark.h>

using platform::AnyValue;
using platform::NSObject;
using tavro::TavroPaymentRequest;

namespace {

std::shared_ptr<TavroPaymentRequest> fullRequest()
{
    auto request = NSObject::create<TavroPaymentRequest>(
        "01", "12", "4123456784", "Tavro Coffee House", "5812", "Mumbai", "IN", "356", "02", "15.00", "", "400001",
        "5204000000000001", "5204000000000002", "NPCI0001", "NPCI0002");
    request->setTransactionAmount("1250.75");
    request->setBillID("INV-2024-0042");
    request->setMobileNumber("+919800000000");
    request->setStoreID("STORE-17");
    request->setLoyaltyNumber("LOY123");
    request->setReferenceID("REF-9");
    request->setConsumerID("C42");
    request->setTerminalID("T01");
    request->setPurpose("Coffee");
    return request;
}

void BM_FullRequestGetTLV(benchmark::State& state)
{
    auto request = fullRequest();
    for (auto _ : state) {
        std::string payload = request->getTLV();
        benchmark::DoNotOptimize(payload);
    }
    state.SetLabel(std::to_string(request->getTLV().size()) + " bytes");
}
BENCHMARK(BM_FullRequestGetTLV);

void BM_FullRequestValidate(benchmark::State& state)
{
    auto request = fullRequest();
    for (auto _ : state) {
        auto error = request->validate();
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_FullRequestValidate);

void BM_DictionaryRequestGetTLV(benchmark::State& state)
{
    auto request = NSObject::create<TavroPaymentRequest>(AnyValue::Dictionary{
        {"00", "01"},
        {"01", "12"},
        {"02", "4123456784"},
        {"52", "5812"},
        {"53", "356"},
        {"58", "IN"},
        {"59", "Tavro Coffee House"},
        {"60", "Mumbai"},
    });
    request->setTransactionAmount("1250.75");
    request->setBillID("INV-2024-0042");
    request->setStoreID("STORE-17");
    for (auto _ : state) {
        std::string payload = request->getTLV();
        benchmark::DoNotOptimize(payload);
    }
}
BENCHMARK(BM_DictionaryRequestGetTLV);

} // namespace
