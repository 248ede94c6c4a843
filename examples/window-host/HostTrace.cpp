#include "HostTrace.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <cstdio>
#include <unistd.h>

namespace {

// A number as %g writes it: "617", "774.5".
std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// "x y w h".
std::string rectangle(const platform::CGRect& rect)
{
    return number(rect.origin.x) + " " + number(rect.origin.y) + " " + number(rect.size.width) + " " +
           number(rect.size.height);
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

// Whether a click at `point` (screen points) goes to `view` of `window` or to a view inside it, as
// the application's event dispatch finds it.
bool clickReaches(const platform::UIViewPtr& view, const std::shared_ptr<platform::UIWindow>& window,
                  platform::CGPoint point)
{
    if (platform::UIApplication::shared()->windowForTouch(point) != window)
        return false;
    const auto hit = window->hitTest(point, nullptr);
    return hit && hit->isDescendant(*view);
}

void appendViews(std::string& out, const platform::UIViewPtr& view, const std::shared_ptr<platform::UIWindow>& window,
                 const PhoneFit& fit)
{
    if (view->isHidden() || view->alpha() <= 0)
        return;
    if (const std::string name = nameOf(*view); !name.empty()) {
        platform::CGRect frame = view->convert(view->bounds(), nullptr);
        frame.origin.x += window->frame().origin.x;
        frame.origin.y += window->frame().origin.y;
        if (clickReaches(view, window, {frame.midX(), frame.midY()}))
            out += "view " + name + " " + rectangle(fit.pixels(frame)) + "\n";
    }
    for (const auto& child : view->subviews())
        appendViews(out, child, window, fit);
}

} // namespace

void HostTrace::inputDelivered(const char* kind)
{
    if (m_enabled)
        m_inputs.emplace_back(kind, Clock::now());
}

void HostTrace::presented(const PhoneFit& fit)
{
    ++m_frames;
    if (!m_enabled)
        return;
    const auto now = Clock::now();
    std::string out;
    for (const auto& [kind, at] : m_inputs)
        out += "input " + std::string(kind) + " " +
               number(std::chrono::duration<double, std::milli>(now - at).count()) + "\n";
    m_inputs.clear();
    if (settled()) {
        const auto screen = platform::UIScreen::main()->bounds().size;
        out += "idle " + std::to_string(m_frames) + " " + number(screen.width) + "x" + number(screen.height) + " " +
               rectangle(fit.phone()) + "\n";
        for (const auto& window : platform::UIApplication::shared()->windows())
            appendViews(out, window, window, fit);
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
