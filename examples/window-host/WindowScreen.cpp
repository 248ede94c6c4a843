#include "WindowScreen.h"

#include "platform/render/Renderer.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

// Around the phone: a plain dark grey, so its edges show.
constexpr Uint8 kBackground = 48;
// How long the first window waits for a window manager's frame.
constexpr Uint64 kFramePatienceMs = 100;

platform::CGSize phoneSize()
{
    return platform::UIScreen::main()->bounds().size;
}

// The display's area that windows may take (without panels and docks).
SDL_Rect usableArea()
{
    SDL_Rect area{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &area) != 0)
        SDL_GetDisplayBounds(0, &area);
    return area;
}

// The phone at the screen's scale, or smaller when that does not fit `room` pixels.
SDL_Point windowSize(int roomWidth, int roomHeight)
{
    const platform::CGSize size =
        PhoneFit(phoneSize(), roomWidth, roomHeight, platform::UIScreen::main()->scale()).phone().size;
    return {std::max(1, static_cast<int>(size.width)), std::max(1, static_cast<int>(size.height))};
}

} // namespace

WindowScreen::WindowScreen()
{
    // Every frame replaces the whole picture: handed to the display as it is (shared memory), it shows
    // in half the time it takes through a texture where the 3-D driver is software (a virtual X
    // server, a desktop without a GPU driver). SDL_FRAMEBUFFER_ACCELERATION in the environment wins.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    const SDL_Rect area = usableArea();
    const SDL_Point size = windowSize(area.w, area.h);
    m_window = SDL_CreateWindow("TavroMerchantSDK window host", area.x + (area.w - size.x) / 2,
                                area.y + (area.h - size.y) / 2, size.x, size.y, SDL_WINDOW_RESIZABLE);
    if (!m_window) {
        std::fprintf(stderr, "window-host: no window: %s\n", SDL_GetError());
        return;
    }
    // The surface first: making it may make the window anew (for an accelerated framebuffer), which
    // would undo the placing.
    SDL_GetWindowSurface(m_window);
    place();
}

WindowScreen::~WindowScreen()
{
    if (m_window)
        SDL_DestroyWindow(m_window);
}

// A window manager frames a window once it is shown, a moment later (none frames it without one):
// then the window and its frame together fit the usable area, centred on it.
void WindowScreen::place()
{
    int top = 0, left = 0, bottom = 0, right = 0;
    const Uint64 deadline = SDL_GetTicks64() + kFramePatienceMs;
    for (;;) {
        SDL_PumpEvents();
        SDL_GetWindowBordersSize(m_window, &top, &left, &bottom, &right);
        if (top + left + bottom + right > 0 || SDL_GetTicks64() >= deadline)
            break;
        SDL_Delay(5);
    }
    if (top + left + bottom + right > 0) {
        const SDL_Rect area = usableArea();
        const SDL_Point size = windowSize(area.w - left - right, area.h - top - bottom);
        SDL_SetWindowSize(m_window, size.x, size.y);
        SDL_SetWindowPosition(m_window, area.x + left + (area.w - left - right - size.x) / 2,
                              area.y + top + (area.h - top - bottom - size.y) / 2);
    }
    int width = 0, height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    resized(width, height);
}

void WindowScreen::present()
{
    SDL_Surface* surface = SDL_GetWindowSurface(m_window);
    const auto image = platform::Renderer::renderScreen(m_fit.scale());
    const auto bitmap = image ? image->cgImage() : nullptr;
    if (!surface || !bitmap)
        return;
    // The renderer's words are premultiplied 0xAARRGGBB over an opaque screen: copied as they are,
    // never blended, and only where they land on the surface (it may not have the fit's size yet).
    const platform::CGRect phone = m_fit.phone();
    const SDL_Rect placed{static_cast<int>(phone.origin.x), static_cast<int>(phone.origin.y), bitmap->width(),
                          bitmap->height()};
    const SDL_Rect whole{0, 0, surface->w, surface->h};
    SDL_Rect shown{0, 0, 0, 0};
    if (SDL_IntersectRect(&placed, &whole, &shown)) {
        SDL_LockSurface(surface);
        const std::uint8_t* from =
            bitmap->pixelData() + (shown.y - placed.y) * bitmap->bytesPerRow() + (shown.x - placed.x) * 4;
        auto* to =
            static_cast<Uint8*>(surface->pixels) + shown.y * surface->pitch + shown.x * surface->format->BytesPerPixel;
        SDL_ConvertPixels(shown.w, shown.h, SDL_PIXELFORMAT_ARGB8888, from, bitmap->bytesPerRow(),
                          surface->format->format, to, surface->pitch);
        SDL_UnlockSurface(surface);
    }
    // Beside the phone: left and right of it, or above and below.
    const SDL_Rect margins[] = {{0, 0, shown.x, surface->h},
                                {shown.x + shown.w, 0, surface->w - shown.x - shown.w, surface->h},
                                {shown.x, 0, shown.w, shown.y},
                                {shown.x, shown.y + shown.h, shown.w, surface->h - shown.y - shown.h}};
    const Uint32 background = SDL_MapRGB(surface->format, kBackground, kBackground, kBackground);
    for (const SDL_Rect& margin : margins)
        if (margin.w > 0 && margin.h > 0)
            SDL_FillRect(surface, &margin, background);
    SDL_UpdateWindowSurface(m_window);
}

void WindowScreen::resized(int width, int height)
{
    m_fit = PhoneFit(phoneSize(), width, height);
}
