#include "platform/layout/Expression.h"

namespace platform::layout {

double Expression::value() const
{
    double result = m_constant;
    for (const Term& term : m_terms) {
        result += term.value();
    }
    return result;
}

Expression& Expression::operator+=(const Expression& other)
{
    m_terms.insert(m_terms.end(), other.m_terms.begin(), other.m_terms.end());
    m_constant += other.m_constant;
    return *this;
}

Expression& Expression::operator-=(const Expression& other)
{
    m_terms.reserve(m_terms.size() + other.m_terms.size());
    for (const Term& term : other.m_terms) {
        m_terms.emplace_back(term.variable, -term.coefficient);
    }
    m_constant -= other.m_constant;
    return *this;
}

Expression& Expression::operator*=(double factor)
{
    for (Term& term : m_terms) {
        term.coefficient *= factor;
    }
    m_constant *= factor;
    return *this;
}

Expression operator+(Expression lhs, const Expression& rhs)
{
    return lhs += rhs;
}

Expression operator-(Expression lhs, const Expression& rhs)
{
    return lhs -= rhs;
}

Expression operator-(Expression operand)
{
    return operand *= -1.0;
}

Expression operator*(Expression lhs, double factor)
{
    return lhs *= factor;
}

Expression operator*(double factor, Expression rhs)
{
    return rhs *= factor;
}

Expression operator/(Expression lhs, double denominator)
{
    return lhs *= 1.0 / denominator;
}

} // namespace platform::layout
