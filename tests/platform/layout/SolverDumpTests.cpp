#include "platform/layout/Solver.h"

#include <gtest/gtest.h>

using namespace platform::layout;

TEST(LayoutSolverDump, NamesRowsObjectivesAndVariables)
{
    Solver solver;
    Variable width("width"), unnamed;
    ASSERT_EQ(solver.addConstraint(width == 100.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(Constraint(unnamed >= width * 0.5 + 1.0, Strength::required)), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(Constraint(unnamed == 20.0, Strength::strong)), SolverStatus::Ok);
    solver.updateVariables();

    const std::string text = solver.dump();
    SCOPED_TRACE(text);
    // The required equality pins width: its row reads width = 100 (+ its dummy, which stays zero).
    EXPECT_NE(text.find("  width = 100"), std::string::npos);
    EXPECT_NE(text.find("objective 750: "), std::string::npos);
    EXPECT_NE(text.find(" * e"), std::string::npos) << "the optional equality's error symbols";
    EXPECT_NE(text.find(" * s"), std::string::npos) << "the inequality's slack";
    EXPECT_NE(text.find("variables: width = 100, v"), std::string::npos);
    EXPECT_NE(text.find(" = 51\n"), std::string::npos) << "the unnamed variable, pushed up to 51";
    EXPECT_NE(text.find("3 constraint(s), 0 edit variable(s), 0 stay(s)"), std::string::npos);
}
