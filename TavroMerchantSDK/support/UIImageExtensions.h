#pragma once
// Images by name from the framework's bundles, at the main screen's scale ("name@2x.png", then
// the other scales). Names are passed to the lookup unchanged. Main thread.

#include "platform/graphics/UIImage.h"

#include <string>

namespace tavro {

// The image from KUtils::uiControlsBundle(); null when it has none of that name.
platform::UIImagePtr uiControlsImageNamed(const std::string& name);

// The image from the framework bundle; a new empty image (size zero) when it has none. Never null.
platform::UIImagePtr tavroImage(const std::string& name);

// The image from the framework bundle; null when it has none.
platform::UIImagePtr tavroImageTemp(const std::string& name);

// The framework bundle's image marked to mirror where the interface runs right to left; a new
// empty image when the bundle has none. Never null.
platform::UIImagePtr tavroImageFlip(const std::string& name);

} // namespace tavro
