#pragma once
// The flows a session can run, compared by value. This framework sets only none, refundPayment and
// requestPayment; the consumer-side cases exist because rows, screens and the idle time-out table
// branch on them.

namespace tavro {

enum class TavroActiveFlow : int {
    none = 0,
    payMerchant = 1,
    payMerchantAlias = 2,
    payFriend = 3,
    withdrawCash = 4,
    refundPayment = 5,
    requestPayment = 6,
    aliasPayFriend = 7,
};

} // namespace tavro
