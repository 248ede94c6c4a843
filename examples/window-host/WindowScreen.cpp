#include "WindowScreen.h"

#include "platform/render/Renderer.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

WindowScreen::WindowScreen()
{
    const auto screen = platform::UIScreen::main();
    const double scale = screen->scale();
    m_window =
        SDL_CreateWindow("TavroMerchantSDK window host", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         static_cast<int>(std::lround(screen->bounds().size.width * scale)),
                         static_cast<int>(std::lround(screen->bounds().size.height * scale)), SDL_WINDOW_RESIZABLE);
    if (!m_window)
        std::fprintf(stderr, "window-host: no window: %s\n", SDL_GetError());
}

WindowScreen::~WindowScreen()
{
    if (m_window)
        SDL_DestroyWindow(m_window);
}

void WindowScreen::present()
{
    SDL_Surface* surface = SDL_GetWindowSurface(m_window);
    const auto image = platform::Renderer::renderScreen();
    const auto bitmap = image ? image->cgImage() : nullptr;
    if (!surface || !bitmap)
        return;
    // The renderer's words are premultiplied 0xAARRGGBB over an opaque screen: copied as they are,
    // never blended.
    const int width = std::min(surface->w, bitmap->width());
    const int height = std::min(surface->h, bitmap->height());
    SDL_LockSurface(surface);
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, bitmap->pixelData(), bitmap->bytesPerRow(),
                      surface->format->format, surface->pixels, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(m_window);
}

void WindowScreen::resized(int width, int height)
{
    const double scale = platform::UIScreen::main()->scale();
    platform::UIScreen::main()->setBounds({0, 0, width / scale, height / scale});
}
