#pragma once
// The host's sleep between turns of its loop: until the window system has input for SDL, another
// thread calls wake(), SIGINT or SIGTERM comes, or a time-out passes. How it sleeps depends on SDL's
// video driver:
// - X11: on the display's connection and an eventfd itself, never inside SDL: SDL wakes its own wait
//   by sending an event to the window over a second connection, which the server may run after the
//   first connection's destruction of the window; that send then fails (BadWindow) and the error
//   ends the process when SDL closes the connection.
// - A driver with no input of its own (dummy, offscreen): on the eventfd alone, where SDL's wait
//   would poll every millisecond.
// - Any other (Wayland, KMS/DRM): inside SDL, always taking the event it returns (SDL's wait without
//   one fills its queue and spins), and wake() posts one event until the loop has taken it.
// SIGINT and SIGTERM are taken by a thread of the waiter's own, which wakes the wait, so they end the
// loop whenever they come; the waiter blocks them for every thread the process makes after it.

#include <SDL.h>

#include <atomic>
#include <thread>

struct _XDisplay;

class EventWait {
public:
    // For the window system of `window`. Made before any other thread of the process.
    explicit EventWait(SDL_Window* window);
    ~EventWait();
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Ends a wait under way, or the next one; any thread.
    void wake();
    // Returns once there are events to poll, after a wake(), or after `timeoutMs` (negative: no limit).
    void wait(int timeoutMs);
    // SDL_PollEvent for the loop: the event a wait took first, never a wake-up, and SDL_QUIT once
    // SIGINT or SIGTERM came.
    bool poll(SDL_Event& event);

private:
    // The wait is SDL's, woken by m_wakeUpEvent.
    bool sdlWaits() const { return m_wakeUp < 0; }

    _XDisplay* m_display = nullptr; // X11: its connection is waited on
    int m_wakeUp = -1;              // the eventfd wake() writes to where SDL does not wait
    Uint32 m_wakeUpEvent = 0;
    std::atomic<bool> m_wakeUpPosted{false}; // an m_wakeUpEvent is in SDL's queue
    bool m_holding = false;                  // a wait took m_held
    SDL_Event m_held{};
    std::atomic<bool> m_quit{false};
    std::atomic<bool> m_ending{false};
    std::thread m_signals; // waits for SIGINT and SIGTERM
};
