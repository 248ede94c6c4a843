#pragma once
// The framework's own resource bundle (strings table, images, nibs), found the way the platform
// finds the bundle of a class: through the bundle-for-class lookup of an anchor class of the
// framework. The screens register their navigation base class as the anchor at start-up; until
// then the anchor is looked up by its class name.

#include "platform/foundation/Bundle.h"

#include <memory>
#include <optional>
#include <typeindex>

namespace tavro {

// Class name of the default anchor, the screens' navigation base class.
inline constexpr const char* kFrameworkBundleAnchorClassName = "tavro::TAVRONavigationBaseController";

// Makes `anchor` the class whose bundle is the framework bundle; nullopt goes back to looking the
// anchor up by kFrameworkBundleAnchorClassName.
void registerFrameworkBundleAnchor(std::optional<std::type_index> anchor);

// Hands the bundle compiled into the library to the platform as its framework bundle. Idempotent;
// start() and registerFrameworkClasses() do it.
void registerBuiltInBundle();

// Maps every class of the framework's namespace ("tavro::") to the platform's framework bundle
// (TAVRO_BUNDLE_PATH, else the built-in one). Idempotent; frameworkBundle() does it on first use.
void registerFrameworkClasses();

// The bundle that holds the anchor class, found anew on every call. When the lookup yields the
// host's main bundle (the framework's classes are not registered), the platform's framework
// bundle is used instead. Never null.
std::shared_ptr<platform::Bundle> frameworkBundle();

} // namespace tavro
