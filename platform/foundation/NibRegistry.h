#pragma once
// NibRegistry: nibs are builders registered under a nib name in a bundle. Instantiating a nib
// runs its builder with the owner and returns the top-level objects it made. A nib that is not
// registered is missing, exactly as a nib file absent from a bundle.
//
// Objects are type-erased here; the UI layer registers and reads back its own view types.

#include "platform/foundation/Bundle.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class NibRegistry {
public:
    using TopLevelObjects = std::vector<std::shared_ptr<void>>;
    // Builds the nib's top-level objects; `owner` may be null (instantiated without an owner).
    using Builder = std::function<TopLevelObjects(const std::shared_ptr<void>& owner)>;

    // Registers (or replaces) the nib `name` of `bundle`. A null bundle or an empty builder is a
    // misuse: one debug line, nothing registered.
    static void registerNib(const std::shared_ptr<Bundle>& bundle, std::string_view name, Builder builder);
    static void unregisterNib(const std::shared_ptr<Bundle>& bundle, std::string_view name);
    static bool has(const std::shared_ptr<Bundle>& bundle, std::string_view name);
    // Unregisters every nib (between tests). Code that registers nibs once per process registers
    // them again after this, e.g. through registerResetForTesting().
    static void resetForTesting();

    // The top-level objects of the nib, or nullopt (and one debug line) when the nib is missing.
    static std::optional<TopLevelObjects> instantiate(const std::shared_ptr<Bundle>& bundle, std::string_view name,
                                                      const std::shared_ptr<void>& owner = nullptr);
};

} // namespace platform
