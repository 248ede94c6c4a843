#include "TavroMerchantSDK/core/TavroRefundPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentResponse.h"

#include <gtest/gtest.h>

using platform::NSObject;
using tavro::TavroRefundPaymentRequest;

namespace {

constexpr const char* kEmptyLast4 = "Last four digits of the card cannot be empty";
constexpr const char* kLast4Length = "Last Four digits of the card number should contain only four digits";
constexpr const char* kLast4Numeric = "Card last 4 should be numeric";
constexpr const char* kCardholder = "Cardholder name is invalid";
constexpr const char* kNoCurrency = "Currency code is not present";
constexpr const char* kCurrencyLength = "Currency code must be 3 characters long";
constexpr const char* kCurrencyFormat = "Invalid currency code format. Currency code must be in integer format";
constexpr const char* kCurrencyIso = "Currency Code is not in ISO format";
constexpr const char* kAmount = "Refund amount is invalid";

std::string messageFor(const char* last4, const char* name, const char* currency, const char* amount)
{
    auto request = NSObject::create<TavroRefundPaymentRequest>(last4, name, currency, amount);
    const auto error = request->validate();
    if (!error) {
        return "";
    }
    EXPECT_EQ(error->errorCodes().size(), 1u);
    return error->errorCodes().front();
}

} // namespace

TEST(TavroRefundPaymentRequest, PlainInitialiserUsesTheDefaultCurrency)
{
    auto request = NSObject::create<TavroRefundPaymentRequest>();
    EXPECT_EQ(request->last4(), "");
    EXPECT_EQ(request->cardHolderName(), "");
    EXPECT_EQ(request->currencyCode(), "356");
    EXPECT_EQ(request->refundAmount(), "");
    ASSERT_NE(request->validate(), nullptr);
    EXPECT_EQ(request->validate()->description(), std::string(kEmptyLast4) + "\n");
}

TEST(TavroRefundPaymentRequest, RulesAreCheckedInOrder)
{
    struct Case {
        const char* last4;
        const char* name;
        const char* currency;
        const char* amount;
        const char* message;
    };
    const Case cases[] = {
        {"1234", "A Holder", "356", "100.00", ""},
        {"", "", "", "", kEmptyLast4},
        {"123", "A Holder", "356", "1", kLast4Length},
        {"12345", "A Holder", "356", "1", kLast4Length},
        {"12a4", "A Holder", "356", "1", kLast4Numeric},
        {"\u0661\u0662\u0663\u0664", "A Holder", "356", "1", kLast4Numeric}, // digits of another script
        {"1234", "", "ABC", "-1", kCardholder},                              // later rules are not looked at
        {"1234", "A Holder", "", "1", kNoCurrency},
        {"1234", "A Holder", "35", "1", kCurrencyLength},
        {"1234", "A Holder", "3560", "1", kCurrencyLength},
        {"1234", "A Holder", "ABC", "1", kCurrencyFormat},
        {"1234", "A Holder", "3 6", "1", kCurrencyFormat},
        {"1234", "A Holder", "000", "1", kCurrencyIso},
        {"1234", "A Holder", "-36", "1", kCurrencyIso},
        {"1234", "A Holder", "+36", "1", ""}, // one leading sign: read as 36
        {"1234", "A Holder", "036", "1", ""},
        {"1234", "A Holder", "356", "", kAmount},
        {"1234", "A Holder", "356", "0", kAmount},
        {"1234", "A Holder", "356", "0.00", kAmount},
        {"1234", "A Holder", "356", "-5", kAmount},
        {"1234", "A Holder", "356", "ten", kAmount},
        {"1234", "A Holder", "356", "1e3", kAmount}, // plain decimal text only
        {"1234", "A Holder", "356", "+5", kAmount},
        {"1234", "A Holder", "356", " 5", kAmount},
        {"1234", "A Holder", "356", "inf", kAmount},
        {"1234", "A Holder", "356", "0.01", ""},
        {"1234", "A Holder", "356", "150", ""},
        {"1234", "A Holder", "356", "5.", ""},
        // Currencies without a locale of their own have an amount format too.
        {"1234", "A Holder", "990", "ten", kAmount},
        {"1234", "A Holder", "997", "10", ""},
        {"1234", "A Holder", "426", "10", ""},
        {"1234", "A Holder", "462", "10", ""},
        {"1234", "A Holder", "931", "10", ""},
        {"1234", "A Holder", "932", "10", ""},
        {"1234", "A Holder", "990", "0.00009", kAmount}, // four fraction digits
        // At most 15 digits once cut to the minor unit: the whole digits and every fraction position.
        {"1234", "A Holder", "356", "123456789012345.00", kAmount},
        {"1234", "A Holder", "356", "999999999999999", kAmount},
        {"1234", "A Holder", "356", "10000000000000", kAmount},
        {"1234", "A Holder", "356", "9999999999999.99", ""},
        {"1234", "A Holder", "356", "1234567890123.456", ""},
        {"1234", "A Holder", "356", "12345678901234.56", kAmount},
        {"1234", "A Holder", "392", "999999999999999", ""},
        {"1234", "A Holder", "048", "1000000000000", kAmount},
        {"1234", "A Holder", "048", "999999999999.999", ""},
        {"1234", "A Holder", "990", "99999999999.9999", ""},
        {"1234", "A Holder", "990", "100000000000", kAmount},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(messageFor(c.last4, c.name, c.currency, c.amount), c.message)
            << c.last4 << " / " << c.name << " / " << c.currency << " / " << c.amount;
    }
}

TEST(TavroRefundPaymentResponse, CarriesItsAmount)
{
    EXPECT_EQ(NSObject::create<tavro::TavroRefundPaymentResponse>()->refundAmount(), "0.0");
    auto response = NSObject::create<tavro::TavroRefundPaymentResponse>("12.50");
    EXPECT_EQ(response->refundAmount(), "12.50");
}
