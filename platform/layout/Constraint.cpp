#include "platform/layout/Constraint.h"

namespace platform::layout {

Constraint::Constraint(Expression expression, Relation relation, Strength strength)
    : m_data(std::make_shared<const Data>(Data{std::move(expression), relation, strength}))
{
}

Constraint::Constraint(const Constraint& other, Strength strength)
    : Constraint(other.expression(), other.relation(), strength)
{
}

bool Constraint::isSatisfied(double tolerance) const
{
    const double value = m_data->expression.value();
    switch (m_data->relation) {
    case Relation::LessOrEqual: return value <= tolerance;
    case Relation::GreaterOrEqual: return value >= -tolerance;
    case Relation::Equal: break;
    }
    return value >= -tolerance && value <= tolerance;
}

Constraint operator==(const Expression& lhs, const Expression& rhs)
{
    return Constraint(lhs - rhs, Relation::Equal);
}

Constraint operator<=(const Expression& lhs, const Expression& rhs)
{
    return Constraint(lhs - rhs, Relation::LessOrEqual);
}

Constraint operator>=(const Expression& lhs, const Expression& rhs)
{
    return Constraint(lhs - rhs, Relation::GreaterOrEqual);
}

Constraint operator|(const Constraint& constraint, Strength strength)
{
    return Constraint(constraint, strength);
}

} // namespace platform::layout
