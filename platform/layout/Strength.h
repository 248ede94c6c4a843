#pragma once
// How much a constraint matters, on the UI's priority scale.
//
// A strength is a priority in (0, 1000]:
//  - 1000 (required) must hold exactly; a required constraint that cannot hold is rejected.
//  - Anything lower is optional. Optional priorities are compared lexicographically, not summed:
//    every distinct priority is its own level of the objective, and the solver first makes the
//    highest level as good as it can, then the next one without worsening the ones above, and so on.
//    So one constraint at 800 beats any number of constraints at 750. Within one level every
//    unsatisfied constraint costs its error (distance from holding) with weight 1.
//
// Priorities above 1000 become required. Zero, negative and NaN priorities become `weak`.

#include <compare>
#include <cmath>

namespace platform::layout {

class Strength {
public:
    constexpr explicit Strength(double priority) : m_priority(clampedPriority(priority)) {}

    static const Strength required; // 1000
    static const Strength strong;   // 750, the UI's "default high"
    static const Strength medium;   // 250, the UI's "default low"
    static const Strength weak;     // 0.5, below every UI priority (1...999); meant for stays

    constexpr double priority() const { return m_priority; }
    constexpr bool isRequired() const { return m_priority >= requiredPriority; }

    friend constexpr auto operator<=>(const Strength&, const Strength&) = default;

private:
    static constexpr double requiredPriority = 1000.0;
    static constexpr double weakPriority = 0.5;

    static constexpr double clampedPriority(double priority)
    {
        if (!(priority > 0.0)) { // also catches NaN
            return weakPriority;
        }
        return priority > requiredPriority ? requiredPriority : priority;
    }

    double m_priority;
};

inline constexpr Strength Strength::required{1000.0};
inline constexpr Strength Strength::strong{750.0};
inline constexpr Strength Strength::medium{250.0};
inline constexpr Strength Strength::weak{0.5};

} // namespace platform::layout
