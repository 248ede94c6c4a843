#pragma once
// The bundle that holds a class, with the framework's own classes mapped to the framework
// bundle first (once per process).

#include "platform/foundation/Bundle.h"

#include <memory>
#include <typeindex>

namespace tavro {

// Bundle::forClass(type) once registerFrameworkClasses() has run. Never null.
std::shared_ptr<platform::Bundle> bundleForClass(std::type_index type);

} // namespace tavro
