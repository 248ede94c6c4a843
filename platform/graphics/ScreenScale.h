#pragma once
// The scale of the main screen as drawing code sees it (image contexts opened with scale 0 use it).
// The UI layer, which owns the screen, installs a provider; until then the scale is 2.

#include <functional>

namespace platform {

double mainScreenScale();
// Installs the function that answers mainScreenScale(); an empty function restores the default of 2.
void setMainScreenScaleProvider(std::function<double()> provider);

} // namespace platform
