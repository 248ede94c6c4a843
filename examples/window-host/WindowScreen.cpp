#include "WindowScreen.h"

#include "platform/render/Renderer.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>
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
    const platform::CGSize phone = phoneSize();
    const double scale = std::min(platform::UIScreen::main()->scale(), PhoneFit(phone, roomWidth, roomHeight).scale());
    // Whole pixels, a product a hair under one (768 / 667 × 667) counting as it.
    const auto pixels = [&](double points) { return std::max(1, static_cast<int>(points * scale + 1e-6)); };
    return {pixels(phone.width), pixels(phone.height)};
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
    // never blended.
    const platform::CGRect phone = m_fit.phone();
    const int x = static_cast<int>(phone.origin.x);
    const int y = static_cast<int>(phone.origin.y);
    const int width = std::min(surface->w - x, bitmap->width());
    const int height = std::min(surface->h - y, bitmap->height());
    if (width <= 0 || height <= 0)
        return;
    SDL_LockSurface(surface);
    auto* corner = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, bitmap->pixelData(), bitmap->bytesPerRow(),
                      surface->format->format, corner, surface->pitch);
    SDL_UnlockSurface(surface);
    // Beside the phone: left and right of it, or above and below.
    const SDL_Rect margins[] = {{0, 0, x, surface->h},
                                {x + width, 0, surface->w - x - width, surface->h},
                                {x, 0, width, y},
                                {x, y + height, width, surface->h - y - height}};
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
