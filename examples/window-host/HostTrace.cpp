#include "HostTrace.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <cstdarg>
#include <cstdio>
#include <unistd.h>

namespace {

void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendf(std::string& out, const char* format, ...)
{
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    out += line;
}

// The name a driver finds a view by: its accessibility identifier, else a button's title; empty
// when it has neither.
std::string nameOf(const platform::UIView& view)
{
    if (view.accessibilityIdentifier())
        return *view.accessibilityIdentifier();
    auto button = dynamic_cast<const platform::UIButton*>(&view);
    return button ? button->currentTitle().value_or("") : "";
}

// Transitions, animated scrolls and the keyboard run on timers of a fraction of a second; the idle
// time-out's timer is minutes away.
constexpr double kSettledWithin = 1.0;

// Nothing left to happen on its own soon: no block queued, no view animation pending, no timer due
// within kSettledWithin.
bool settled()
{
    auto& loop = platform::RunLoop::main();
    const auto next = loop.nextFireDate();
    return loop.queuedBlockCount() == 0 && platform::UIView::pendingAnimationCount() == 0 &&
           (!next || *next - loop.now() > kSettledWithin);
}

void appendViews(std::string& out, const platform::UIViewPtr& view, const platform::CGPoint& windowOrigin)
{
    if (view->isHidden() || view->alpha() <= 0)
        return;
    if (const std::string name = nameOf(*view); !name.empty()) {
        const platform::CGRect frame = view->convert(view->bounds(), nullptr);
        appendf(out, "view %s %g %g %g %g\n", name.c_str(), frame.origin.x + windowOrigin.x,
                    frame.origin.y + windowOrigin.y, frame.size.width, frame.size.height);
    }
    for (const auto& child : view->subviews())
        appendViews(out, child, windowOrigin);
}

} // namespace

void HostTrace::inputDelivered(const char* kind)
{
    if (m_enabled)
        m_inputs.emplace_back(kind, Clock::now());
}

void HostTrace::presented()
{
    ++m_frames;
    if (!m_enabled)
        return;
    const auto now = Clock::now();
    std::string out;
    for (const auto& [kind, at] : m_inputs)
        appendf(out, "input %s %.2f\n", kind, std::chrono::duration<double, std::milli>(now - at).count());
    m_inputs.clear();
    if (settled()) {
        const auto screen = platform::UIScreen::main()->bounds().size;
        appendf(out, "idle %ld %gx%g\n", m_frames, screen.width, screen.height);
        for (const auto& window : platform::UIApplication::shared()->windows())
            appendViews(out, window, window->frame().origin);
    }
    // One write, so a reader never sees an idle line without the views that follow it.
    std::fflush(stdout);
    for (std::size_t written = 0; written < out.size();) {
        const ssize_t count = write(STDOUT_FILENO, out.data() + written, out.size() - written);
        if (count <= 0)
            break;
        written += static_cast<std::size_t>(count);
    }
}
