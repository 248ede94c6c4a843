#pragma once
// The device as a desktop window: the whole phone (the main screen's bounds, which never follow the
// window) drawn at the window's pixels per point, its shape kept and centred on the host's own plain
// background. The first window shows the phone at the screen's scale when that fits the display's
// usable area, window frame included, else at the largest scale that fits, centred on that area.

#include "PhoneFit.h"

#include <SDL.h>

class WindowScreen {
public:
    // Opens the window; check isOpen().
    WindowScreen();
    ~WindowScreen();
    WindowScreen(const WindowScreen&) = delete;
    WindowScreen& operator=(const WindowScreen&) = delete;

    bool isOpen() const { return m_window != nullptr; }
    SDL_Window* window() const { return m_window; }
    // Where the phone is in the window now.
    const PhoneFit& fit() const { return m_fit; }
    // Draws every visible window of the application and shows the picture.
    void present();
    // The window's new client size in pixels: only the picture changes.
    void resized(int width, int height);

private:
    void place();

    SDL_Window* m_window = nullptr;
    PhoneFit m_fit;
};
