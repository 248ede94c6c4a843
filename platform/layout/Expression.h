#pragma once
// A linear expression: sum of terms plus a constant. Variables, terms and numbers convert to it
// implicitly, so `x + 2 * y - 10` reads as written. Products of two variables do not compile:
// the solver is linear.

#include "platform/layout/Term.h"

#include <vector>

namespace platform::layout {

class Expression {
public:
    Expression(double constant = 0.0) : m_constant(constant) {}
    Expression(const Variable& variable) : m_terms{Term(variable)} {}
    Expression(Term term) : m_terms{std::move(term)} {}
    Expression(std::vector<Term> terms, double constant) : m_terms(std::move(terms)), m_constant(constant) {}

    // Terms as written; the same variable may appear more than once.
    const std::vector<Term>& terms() const { return m_terms; }
    double constant() const { return m_constant; }

    // The expression evaluated at the variables' current values.
    double value() const;

    Expression& operator+=(const Expression& other);
    Expression& operator-=(const Expression& other);
    Expression& operator*=(double factor);

private:
    std::vector<Term> m_terms;
    double m_constant = 0.0;
};

Expression operator+(Expression lhs, const Expression& rhs);
Expression operator-(Expression lhs, const Expression& rhs);
Expression operator-(Expression operand);
Expression operator*(Expression lhs, double factor);
Expression operator*(double factor, Expression rhs);
Expression operator/(Expression lhs, double denominator);

} // namespace platform::layout
