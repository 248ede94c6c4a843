#pragma once
// A linear constraint: expression (relation) 0, with a strength.
// Constraints are immutable and copies share one identity: the solver adds, finds and removes a
// constraint by identity, so two separately built but equal-looking constraints are different.
// Build them with the relational operators: `x + 10 <= y`, `(w == 100) | Strength::strong`.

#include "platform/layout/Expression.h"
#include "platform/layout/Strength.h"

#include <memory>

namespace platform::layout {

enum class Relation { LessOrEqual, Equal, GreaterOrEqual };

class Constraint {
public:
    // Reads as: expression (relation) 0.
    Constraint(Expression expression, Relation relation, Strength strength = Strength::required);

    // The same expression and relation with another strength; a new identity.
    Constraint(const Constraint& other, Strength strength);

    Constraint(const Constraint&) = default;
    Constraint& operator=(const Constraint&) = default;

    const Expression& expression() const { return m_data->expression; }
    Relation relation() const { return m_data->relation; }
    Strength strength() const { return m_data->strength; }

    bool sameAs(const Constraint& other) const { return m_data == other.m_data; }
    // A key that is equal for copies and different for distinct constraints.
    const void* identity() const { return m_data.get(); }

    // Whether the constraint holds at the variables' current values, within tolerance.
    bool isSatisfied(double tolerance = 1.0e-6) const;

private:
    struct Data {
        Expression expression;
        Relation relation;
        Strength strength;
    };
    std::shared_ptr<const Data> m_data;
};

// lhs (relation) rhs, stored as lhs - rhs (relation) 0; required.
Constraint operator==(const Expression& lhs, const Expression& rhs);
Constraint operator<=(const Expression& lhs, const Expression& rhs);
Constraint operator>=(const Expression& lhs, const Expression& rhs);

// The constraint with another strength (a new identity).
Constraint operator|(const Constraint& constraint, Strength strength);

} // namespace platform::layout
