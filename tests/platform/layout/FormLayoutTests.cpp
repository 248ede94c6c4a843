#include "FormLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace formlayout;

namespace {

double rowTop(int index)
{
    return formMargin + index * (formRowHeight + formSpacing);
}

// Checks every row's frames; rows from `changedRow` on are `extra` taller (that row) or lower.
void expectFrames(const FormLayout& form, int changedRow = formRowCount, double extra = 0.0)
{
    for (int index = 0; index < formRowCount; ++index) {
        const FormRow& row = form.rows[index];
        const double top = rowTop(index) + (index > changedRow ? extra : 0.0);
        const double height = formRowHeight + (index == changedRow ? extra : 0.0);
        SCOPED_TRACE("row " + std::to_string(index));
        EXPECT_DOUBLE_EQ(row.label.left.value(), 16.0);
        EXPECT_DOUBLE_EQ(row.label.width.value(), 100.0);
        EXPECT_DOUBLE_EQ(row.label.top.value(), top);
        EXPECT_DOUBLE_EQ(row.label.height.value(), height);
        EXPECT_DOUBLE_EQ(row.field.left.value(), 124.0);
        EXPECT_DOUBLE_EQ(row.field.width.value(), 235.0);
        EXPECT_DOUBLE_EQ(row.field.top.value(), top);
        EXPECT_DOUBLE_EQ(row.field.height.value(), height);
    }
    EXPECT_DOUBLE_EQ(form.container.height.value(), 2104.0 + extra);
}

} // namespace

TEST(LayoutForm, FortyRowsSolveToTheirFramesAndMoveWhenOneRowGrows)
{
    FormLayout form;
    EXPECT_EQ(form.constraints.size(), 344u);
    Solver solver;
    ASSERT_TRUE(form.addTo(solver));
    solver.updateVariables();
    expectFrames(form);

    // Row 5's height constant changes from 44 to 80: rows below move down by 36.
    FormRow& row = form.rows[5];
    const Constraint original = row.height;
    row.height = (row.label.height == 80.0) | rowHeightStrength(5);
    ASSERT_EQ(solver.removeConstraint(original), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(row.height), SolverStatus::Ok);
    solver.updateVariables();
    expectFrames(form, 5, 36.0);

    // Without its 800 height, the competing "at least 60" at 750 decides.
    ASSERT_EQ(solver.removeConstraint(row.height), SolverStatus::Ok);
    solver.updateVariables();
    expectFrames(form, 5, 16.0);

    // A required row that shrinks moves the rows below up.
    const Constraint shorter = form.rows[10].label.height == 30.0;
    ASSERT_EQ(solver.addConstraint(original), SolverStatus::Ok);
    ASSERT_EQ(solver.removeConstraint(form.rows[10].height), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(shorter), SolverStatus::Ok);
    solver.updateVariables();
    expectFrames(form, 10, -14.0);

    ASSERT_EQ(solver.removeConstraint(shorter), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(form.rows[10].height), SolverStatus::Ok);
    solver.updateVariables();
    expectFrames(form);
}

TEST(LayoutForm, ContainerWidthAsAnEditVariableResizesEveryField)
{
    FormLayout form;
    Solver solver;
    ASSERT_TRUE(form.addTo(solver));
    ASSERT_EQ(solver.removeConstraint(form.containerWidth), SolverStatus::Ok);
    form.container.width.setValue(formWidth);
    ASSERT_EQ(solver.addEditVariable(form.container.width, Strength(999.0)), SolverStatus::Ok);
    for (double width : {320.0, 414.0, 375.0}) {
        ASSERT_EQ(solver.suggestValue(form.container.width, width), SolverStatus::Ok);
        solver.updateVariables();
        for (const FormRow& row : form.rows) {
            EXPECT_DOUBLE_EQ(row.field.width.value(), width - 140.0);
            EXPECT_DOUBLE_EQ(row.label.width.value(), 100.0);
        }
    }
    expectFrames(form);
}

TEST(LayoutForm, LongChurnOfConstantChangesKeepsTheSolutionExact)
{
    // Hundreds of removals recycle symbol ids several times over.
    FormLayout form;
    Solver solver;
    ASSERT_TRUE(form.addTo(solver));
    std::vector<double> heights(formRowCount, formRowHeight);
    auto setHeight = [&](int index, double height) {
        FormRow& row = form.rows[index];
        const Constraint replacement = (row.label.height == height) | rowHeightStrength(index);
        ASSERT_EQ(solver.removeConstraint(row.height), SolverStatus::Ok);
        ASSERT_EQ(solver.addConstraint(replacement), SolverStatus::Ok);
        row.height = replacement;
        heights[index] = height;
    };
    for (int round = 0; round < 600; ++round) {
        setHeight((round * 7) % formRowCount, round % 3 == 0 ? 80.0 : formRowHeight);
        if (round % 50 == 49) {
            solver.updateVariables();
            double bottom = formMargin - formSpacing;
            for (int index = 0; index < formRowCount; ++index) {
                bottom += formSpacing + heights[index];
                const Box& field = form.rows[index].field;
                ASSERT_DOUBLE_EQ(field.top.value() + field.height.value(), bottom) << "round " << round;
            }
        }
    }
    for (int index = 0; index < formRowCount; ++index) {
        setHeight(index, formRowHeight);
    }
    solver.updateVariables();
    expectFrames(form);
}
