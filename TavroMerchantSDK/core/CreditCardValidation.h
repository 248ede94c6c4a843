#pragma once
// Vocabulary for card-number validation. It carries no behaviour yet: nothing in the framework
// validates card numbers.

namespace tavro {

// Ways a card number can fail validation.
enum class CreditCardValidationError {
    invalidLength,
    invalidFormat,
    invalidPrefix,
    invalidLuhnCheck,
};

// What a card-number validator offers; it has no requirements yet.
class CreditCardValidationProtocol {
public:
    virtual ~CreditCardValidationProtocol() = default;
};

class CreditCardValidator : public CreditCardValidationProtocol {
public:
    CreditCardValidator() = default;
};

} // namespace tavro
