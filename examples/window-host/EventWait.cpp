#include "EventWait.h"

#include <SDL_syswm.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <string_view>
#include <utility>

EventWait::EventWait(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    const bool x11 = SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool noInput = driver && (std::string_view(driver) == "dummy" || std::string_view(driver) == "offscreen");
    if (x11 || noInput)
        m_wakeUp = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (sdlWaits())
        m_wakeUpEvent = SDL_RegisterEvents(1);
    else if (x11)
        m_display = info.info.x11.display;

    // SIGINT stays ignored where the host was started so (in the background of a script).
    sigset_t quit;
    sigemptyset(&quit);
    sigaddset(&quit, SIGTERM);
    struct sigaction interrupt {};
    if (sigaction(SIGINT, nullptr, &interrupt) == 0 && interrupt.sa_handler != SIG_IGN)
        sigaddset(&quit, SIGINT);
    pthread_sigmask(SIG_BLOCK, &quit, nullptr);
    m_signals = std::thread([this, quit] {
        for (int signal = 0; sigwait(&quit, &signal) == 0 && !m_ending;) {
            m_quit = true;
            wake();
        }
    });
}

EventWait::~EventWait()
{
    m_ending = true;
    pthread_kill(m_signals.native_handle(), SIGTERM);
    m_signals.join();
    if (m_wakeUp >= 0)
        close(m_wakeUp);
}

void EventWait::wake()
{
    if (!sdlWaits()) {
        const std::uint64_t one = 1;
        // Fails only when the counter is full, which wakes the wait as well.
        [[maybe_unused]] const ssize_t written = write(m_wakeUp, &one, sizeof one);
        return;
    }
    if (m_wakeUpPosted.exchange(true))
        return;
    SDL_Event event{};
    event.type = m_wakeUpEvent;
    if (SDL_PushEvent(&event) != 1)
        m_wakeUpPosted = false;
}

void EventWait::wait(int timeoutMs)
{
    if (sdlWaits()) {
        if (!m_holding)
            m_holding = SDL_WaitEventTimeout(&m_held, timeoutMs) == 1;
        return;
    }
    // What the server has sent goes to SDL's queue, and XPending sends what SDL has asked of it.
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || (m_display && XPending(m_display) > 0))
        return;
    pollfd ready[] = {{m_wakeUp, POLLIN, 0}, {m_display ? ConnectionNumber(m_display) : -1, POLLIN, 0}};
    ::poll(ready, 2, timeoutMs);
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(m_wakeUp, &count, sizeof count);
}

bool EventWait::poll(SDL_Event& event)
{
    if (m_quit) {
        event = {};
        event.type = SDL_QUIT;
        return true;
    }
    for (;;) {
        if (std::exchange(m_holding, false))
            event = m_held;
        else if (SDL_PollEvent(&event) != 1)
            return false;
        if (!sdlWaits() || event.type != m_wakeUpEvent)
            return true;
        // Taken before the turn that runs what the wake-up was for: a later wake() posts anew.
        m_wakeUpPosted = false;
    }
}
