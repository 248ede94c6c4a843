#pragma once
// The host's sleep between turns of its loop: until the window system has input for SDL, another
// thread calls wake(), or a time-out passes. On X11 it waits on the display's connection and an
// eventfd itself, never inside SDL: SDL wakes its own wait by sending an event to the window over a
// second connection, which the server may run after the first connection's destruction of the window;
// that send then fails (BadWindow) and the error ends the process when SDL closes the connection.

#include <SDL.h>

struct _XDisplay;

class EventWait {
public:
    // For the window system of `window`.
    explicit EventWait(SDL_Window* window);
    ~EventWait();
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Ends a wait under way, or the next one; any thread.
    void wake();
    // Returns once SDL has events to poll, after a wake(), or after `timeoutMs` (negative: no limit).
    void wait(int timeoutMs);

private:
    _XDisplay* m_display = nullptr; // null: not X11, so SDL waits and wake() posts an SDL event
    int m_wakeUp = -1;              // the eventfd wake() writes to
    Uint32 m_wakeUpEvent = 0;
};
