#pragma once
// The kit's soft fixed sizes: a width or height constraint on the view itself at priority 800, so
// that any stronger constraint of the host wins.

#include "platform/ui/NSLayoutAttribute.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

inline constexpr platform::UILayoutPriority kSoftSizePriority = 800;

// Adds and activates `view.attribute == constant` at priority 800; returns the constraint.
std::shared_ptr<platform::NSLayoutConstraint> activateSoftSize(const platform::UIViewPtr& view,
                                                               platform::NSLayoutAttribute attribute, double constant);

} // namespace tavro
