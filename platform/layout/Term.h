#pragma once
// coefficient * variable: one summand of a linear expression.

#include "platform/layout/Variable.h"

namespace platform::layout {

struct Term {
    explicit Term(Variable summand, double factor = 1.0) : variable(std::move(summand)), coefficient(factor)
    {
    }

    double value() const { return coefficient * variable.value(); }

    Variable variable;
    double coefficient;
};

inline Term operator*(const Variable& variable, double coefficient)
{
    return Term(variable, coefficient);
}
inline Term operator*(double coefficient, const Variable& variable)
{
    return Term(variable, coefficient);
}
inline Term operator/(const Variable& variable, double denominator)
{
    return Term(variable, 1.0 / denominator);
}
inline Term operator*(const Term& term, double coefficient)
{
    return Term(term.variable, term.coefficient * coefficient);
}
inline Term operator*(double coefficient, const Term& term)
{
    return term * coefficient;
}
inline Term operator/(const Term& term, double denominator)
{
    return Term(term.variable, term.coefficient / denominator);
}

} // namespace platform::layout
