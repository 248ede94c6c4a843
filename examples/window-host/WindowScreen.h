#pragma once
// The device screen as a desktop window: W × scale by H × scale pixels, resizable (the screen's
// bounds follow the window's size ÷ scale), showing the renderer's pixels unchanged.

#include <SDL.h>

class WindowScreen {
public:
    // Opens the window at the main screen's bounds and scale; check isOpen().
    WindowScreen();
    ~WindowScreen();
    WindowScreen(const WindowScreen&) = delete;
    WindowScreen& operator=(const WindowScreen&) = delete;

    bool isOpen() const { return m_window != nullptr; }
    // Draws every visible window of the application and shows the picture.
    void present();
    // The window's new size in pixels: the main screen takes it in points.
    void resized(int width, int height);

private:
    SDL_Window* m_window = nullptr;
};
