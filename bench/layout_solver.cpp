// Constraint solver speed on a 40-row form (344 constraints, see FormLayout.h):
// solving from scratch, and re-solving after one constant changes.
// bench/kiwi_compare.py measures the same system with the kiwi solver for comparison.
#include "tests/platform/layout/FormLayout.h"

#include <benchmark/benchmark.h>

using namespace formlayout;

namespace {

// Adding the prepared constraints to a new solver and reading the solution out.
void FormSolveFromScratch(benchmark::State& state)
{
    const FormLayout form;
    for (auto _ : state) {
        Solver solver;
        form.addTo(solver);
        solver.updateVariables();
        benchmark::DoNotOptimize(form.container.height.value());
    }
}
BENCHMARK(FormSolveFromScratch);

// The same, including building the variables and constraint objects.
void FormBuildAndSolve(benchmark::State& state)
{
    for (auto _ : state) {
        const FormLayout form;
        Solver solver;
        form.addTo(solver);
        solver.updateVariables();
        benchmark::DoNotOptimize(form.container.height.value());
    }
}
BENCHMARK(FormBuildAndSolve);

// Row 5's height constant changes (44 <-> 80): remove the old constraint, add the new one, read out.
void FormResolveAfterConstantChange(benchmark::State& state)
{
    FormLayout form;
    Solver solver;
    form.addTo(solver);
    solver.updateVariables();
    const FormRow& row = form.rows[5];
    Constraint current = row.height;
    const Constraint alternatives[2] = {(row.label.height == 80.0) | rowHeightStrength(5), row.height};
    int next = 0;
    for (auto _ : state) {
        solver.removeConstraint(current);
        current = alternatives[next];
        next ^= 1;
        solver.addConstraint(current);
        solver.updateVariables();
        benchmark::DoNotOptimize(form.container.height.value());
    }
}
BENCHMARK(FormResolveAfterConstantChange);

// The container width as an edit variable (375 <-> 320): one suggestValue and read out.
void FormResolveBySuggestedValue(benchmark::State& state)
{
    FormLayout form;
    Solver solver;
    form.addTo(solver);
    solver.removeConstraint(form.containerWidth);
    form.container.width.setValue(formWidth);
    solver.addEditVariable(form.container.width, Strength(999.0));
    const double widths[2] = {320.0, 375.0};
    int next = 0;
    for (auto _ : state) {
        solver.suggestValue(form.container.width, widths[next]);
        next ^= 1;
        solver.updateVariables();
        benchmark::DoNotOptimize(form.rows[0].field.width.value());
    }
}
BENCHMARK(FormResolveBySuggestedValue);

} // namespace
