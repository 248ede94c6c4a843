#pragma once
// Puts the main screen into the size and scale UI tests run at, and back.

namespace platform {

// The main screen becomes `width` x `height` points at `scale` pixels per point (all > 0).
void configureTestScreen(double width, double height, double scale);
// The main screen's default size and scale again.
void restoreDefaultScreen();

} // namespace platform
