#pragma once
// Told which card of the card list was chosen (its index in the list). Held weakly by the list.
// Main thread only.

namespace tavro {

class TransactionCardDelegate {
public:
    virtual ~TransactionCardDelegate() = default;
    virtual void transactionCardChanged(long long index) = 0;
};

} // namespace tavro
