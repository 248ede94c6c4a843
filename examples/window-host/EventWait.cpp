#include "EventWait.h"

#include <SDL_syswm.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

EventWait::EventWait(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        m_wakeUp = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_wakeUp >= 0)
        m_display = info.info.x11.display;
    else
        m_wakeUpEvent = SDL_RegisterEvents(1);
}

EventWait::~EventWait()
{
    if (m_wakeUp >= 0)
        close(m_wakeUp);
}

void EventWait::wake()
{
    if (m_display) {
        const std::uint64_t one = 1;
        // Fails only when the counter is full, which wakes the wait as well.
        [[maybe_unused]] const ssize_t written = write(m_wakeUp, &one, sizeof one);
        return;
    }
    SDL_Event event{};
    event.type = m_wakeUpEvent;
    SDL_PushEvent(&event);
}

void EventWait::wait(int timeoutMs)
{
    if (!m_display) {
        SDL_WaitEventTimeout(nullptr, timeoutMs);
        return;
    }
    // What the server has sent goes to SDL's queue, and XPending sends what SDL has asked of it.
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || XPending(m_display) > 0)
        return;
    pollfd ready[] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_wakeUp, POLLIN, 0}};
    poll(ready, 2, timeoutMs);
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(m_wakeUp, &count, sizeof count);
}
