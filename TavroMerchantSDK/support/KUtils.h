#pragma once
// Where the UI kit's resources live: the nested "UIControlsResources.bundle" of the framework
// bundle, or the framework bundle itself when it has none. Nothing is cached.

#include "platform/foundation/Bundle.h"

#include <memory>

namespace tavro {

class KUtils {
public:
    KUtils() = delete;

    // Classes of screen density; nothing classifies a device into one yet.
    enum class KDeviceScale {
        nonRetina,
        retina,
        retinaHD,
    };

    // Writes one line to standard output per loaded bundle, in loading order: the text
    // "bundle <description>" quoted and escaped.
    static void debugPrintAvailableBundles();

    // The UI-controls resource bundle inside the bundle that holds KUtils, or that bundle itself
    // when the nested one is missing. Never null.
    static std::shared_ptr<platform::Bundle> uiControlsBundle();
};

} // namespace tavro
