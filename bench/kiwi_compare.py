#!/usr/bin/python3
"""Times the kiwi solver on the same 40-row form that bench/layout_solver.cpp measures.

The form (344 constraints): a 375-point container; per row a label 100 wide (at 750) and a field
filling the rest with 16-point margins and an 8-point gap; rows 8 points apart from 16 points
below the top; even rows 44 high (required), odd rows 44 high at 800 against "at least 60" at 750.

kiwi weighs strengths by summing, so the priorities map onto its tiers: 1000 -> required,
999 -> 999 x strong, 800 -> strong, 750 -> medium. Every figure is the median of several runs,
per operation, and includes the cost of calling kiwi's C++ core from Python.

Run with Debian's interpreter (python3-kiwisolver): /usr/bin/python3 bench/kiwi_compare.py
"""

import statistics
import timeit

import kiwisolver as kiwi

ROWS = 40
WIDTH = 375.0
MARGIN = 16.0
SPACING = 8.0
ROW_HEIGHT = 44.0


def strength(priority):
    return {
        1000: kiwi.strength.required,
        999: kiwi.strength.create(999.0, 0.0, 0.0),
        800: kiwi.strength.strong,
        750: kiwi.strength.medium,
    }[priority]


class Box:
    def __init__(self, name):
        self.left = kiwi.Variable(name + ".left")
        self.top = kiwi.Variable(name + ".top")
        self.width = kiwi.Variable(name + ".width")
        self.height = kiwi.Variable(name + ".height")

    def right(self):
        return self.left + self.width

    def bottom(self):
        return self.top + self.height


def row_height_priority(index):
    return 1000 if index % 2 == 0 else 800


class Form:
    def __init__(self):
        self.container = Box("container")
        c = self.container
        self.container_width = c.width == WIDTH
        self.constraints = [c.left == 0.0, c.top == 0.0, self.container_width]
        self.labels, self.fields, self.heights = [], [], []
        for index in range(ROWS):
            label, field = Box("label%d" % index), Box("field%d" % index)
            above = c.top + MARGIN if index == 0 else self.labels[-1].bottom() + SPACING
            height = (label.height == ROW_HEIGHT) | strength(row_height_priority(index))
            self.constraints += [
                label.left == c.left + MARGIN,
                label.top == above,
                (label.width == 100.0) | strength(750),
                height,
            ]
            if index % 2 == 1:
                self.constraints.append((label.height >= 60.0) | strength(750))
            self.constraints += [
                field.left == label.right() + SPACING,
                field.right() == c.right() - MARGIN,
                field.top == label.top,
                field.height == label.height,
            ]
            self.labels.append(label)
            self.fields.append(field)
            self.heights.append(height)
        self.constraints.append(c.bottom() == self.labels[-1].bottom() + MARGIN)

    def solve(self):
        solver = kiwi.Solver()
        for constraint in self.constraints:
            solver.addConstraint(constraint)
        solver.updateVariables()
        return solver

    def check(self, changed_row=ROWS, extra=0.0):
        for index in range(ROWS):
            top = MARGIN + index * (ROW_HEIGHT + SPACING) + (extra if index > changed_row else 0.0)
            height = ROW_HEIGHT + (extra if index == changed_row else 0.0)
            label, field = self.labels[index], self.fields[index]
            frames = [(label.left, 16.0), (label.width, 100.0), (label.top, top), (label.height, height),
                      (field.left, 124.0), (field.width, 235.0), (field.top, top), (field.height, height)]
            for variable, expected in frames:
                assert abs(variable.value() - expected) < 1e-6, (variable.name(), variable.value(), expected)


def median_seconds(statement, number, repeat=9):
    runs = timeit.repeat(statement, number=number, repeat=repeat)
    return statistics.median(runs) / number


def main():
    form = Form()
    assert len(form.constraints) == 344
    form.solve()
    form.check()

    from_scratch = median_seconds(form.solve, number=200)
    build_and_solve = median_seconds(lambda: Form().solve(), number=100)

    # Row 5's height constant 44 <-> 80 by remove + add.
    solver = form.solve()
    label = form.labels[5]
    alternatives = [(label.height == 80.0) | strength(row_height_priority(5)), form.heights[5]]
    state = {"current": form.heights[5], "next": 0}

    def change_constant():
        solver.removeConstraint(state["current"])
        state["current"] = alternatives[state["next"]]
        state["next"] ^= 1
        solver.addConstraint(state["current"])
        solver.updateVariables()

    change_constant()
    form.check(5, 36.0)
    change_constant()
    form.check()
    constant_change = median_seconds(change_constant, number=5000)

    # The container width as an edit variable, 375 <-> 320.
    solver = form.solve()
    solver.removeConstraint(form.container_width)
    solver.addEditVariable(form.container.width, strength(999))
    widths = [320.0, 375.0]
    edit_state = {"next": 0}

    def suggest():
        solver.suggestValue(form.container.width, widths[edit_state["next"]])
        edit_state["next"] ^= 1
        solver.updateVariables()

    suggest_time = median_seconds(suggest, number=20000)

    print("kiwisolver %s, 40-row form, %d constraints, medians of 9 runs" % (kiwi.__version__, len(form.constraints)))
    print("%-34s %10.1f us" % ("FormSolveFromScratch", from_scratch * 1e6))
    print("%-34s %10.1f us" % ("FormBuildAndSolve", build_and_solve * 1e6))
    print("%-34s %10.2f us" % ("FormResolveAfterConstantChange", constant_change * 1e6))
    print("%-34s %10.2f us" % ("FormResolveBySuggestedValue", suggest_time * 1e6))


if __name__ == "__main__":
    main()
