#pragma once
// A 40-row form as a constraint system, shared by the solver tests and benchmarks.
// Each row is a label (100 wide, preferred at 750) and a field filling the rest of a 375-point
// container with 16-point margins and an 8-point gap. Rows stack 8 points apart from 16 points
// below the container's top. Even rows are 44 high as a required constraint; odd rows are 44 high
// at priority 800 against a competing "at least 60" at priority 750, which must lose.
// Frames: label (16, 16 + 52 i, 100, 44), field (124, 16 + 52 i, 235, 44); container 2104 high.

#include "platform/layout/Constraint.h"
#include "platform/layout/Solver.h"

#include <string>
#include <vector>

namespace formlayout {

using namespace platform::layout;

struct Box {
    explicit Box(const std::string& name)
        : left(name + ".left"), top(name + ".top"), width(name + ".width"), height(name + ".height")
    {
    }

    Expression right() const { return left + width; }
    Expression bottom() const { return top + height; }

    Variable left, top, width, height;
};

struct FormRow {
    explicit FormRow(int index) : label("label" + std::to_string(index)), field("field" + std::to_string(index)) {}

    Box label;
    Box field;
    Constraint height = Constraint(Expression(), Relation::Equal); // the label's fixed height
};

inline constexpr int formRowCount = 40;
inline constexpr double formWidth = 375.0;
inline constexpr double formMargin = 16.0;
inline constexpr double formSpacing = 8.0;
inline constexpr double formRowHeight = 44.0;

inline Strength rowHeightStrength(int index)
{
    return index % 2 == 0 ? Strength::required : Strength(800.0);
}

struct FormLayout {
    FormLayout() : container("container")
    {
        constraints.push_back(container.left == 0.0);
        constraints.push_back(container.top == 0.0);
        containerWidth = container.width == formWidth;
        constraints.push_back(containerWidth);
        rows.reserve(formRowCount);
        for (int index = 0; index < formRowCount; ++index) {
            rows.emplace_back(index);
            FormRow& row = rows.back();
            const Box& label = row.label;
            const Box& field = row.field;
            const Expression above =
                index == 0 ? Expression(container.top) : rows[index - 1].label.bottom() + formSpacing;
            const double topGap = index == 0 ? formMargin : 0.0;
            row.height = (label.height == formRowHeight) | rowHeightStrength(index);

            constraints.push_back(label.left == container.left + formMargin);
            constraints.push_back(label.top == above + topGap);
            constraints.push_back((label.width == 100.0) | Strength::strong);
            constraints.push_back(row.height);
            if (index % 2 == 1) {
                constraints.push_back((label.height >= 60.0) | Strength::strong);
            }
            constraints.push_back(field.left == label.right() + formSpacing);
            constraints.push_back(field.right() == container.right() - formMargin);
            constraints.push_back(field.top == label.top);
            constraints.push_back(field.height == label.height);
        }
        constraints.push_back(container.bottom() == rows.back().label.bottom() + formMargin);
    }

    // Adds every constraint; true when all went in.
    bool addTo(Solver& solver) const
    {
        bool ok = true;
        for (const Constraint& constraint : constraints) {
            ok = solver.addConstraint(constraint) == SolverStatus::Ok && ok;
        }
        return ok;
    }

    Box container;
    Constraint containerWidth = Constraint(Expression(), Relation::Equal);
    std::vector<FormRow> rows;
    std::vector<Constraint> constraints;
};

} // namespace formlayout
