#pragma once
// A solver variable. Copies share one identity: every copy names the same unknown and sees the
// value the solver last wrote (Solver::updateVariables). Relational operators build constraints,
// so identity is compared with sameAs(), not ==.

#include <memory>
#include <string>

namespace platform::layout {

class Variable {
public:
    explicit Variable(std::string name = {});

    const std::string& name() const { return m_data->name; }
    void setName(std::string name) { m_data->name = std::move(name); }

    // The last solved value; 0 until solved or set. Setting it is how a stay learns the value to keep.
    double value() const { return m_data->value; }
    void setValue(double value) { m_data->value = value; }

    bool sameAs(const Variable& other) const { return m_data == other.m_data; }

    // A key that is equal for copies and different for distinct variables.
    const void* identity() const { return m_data.get(); }

private:
    struct Data {
        std::string name;
        double value = 0.0;
    };
    std::shared_ptr<Data> m_data;
};

} // namespace platform::layout
