// UIView::animate: immediate model changes, completions on the run-loop clock, a log for tests.
#include "platform/ui/UIViewAnimation.h"

#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewAnimationCenter.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform {

namespace {

// The log keeps the most recent records; older ones are dropped in bulk.
constexpr std::size_t logCapacity = 20000;
constexpr std::size_t logTrim = 2000;

struct PendingAnimation {
    std::shared_ptr<Timer> timer;
    UIView::Completion completion;
    std::vector<std::weak_ptr<UIView>> views; // copied from the record: the log may be cleared
};

struct AnimationState {
    std::vector<UIViewAnimationRecord> log;
    std::map<std::uint64_t, PendingAnimation> pending;
    std::vector<std::uint64_t> running; // ids of the animations blocks being run, innermost last
    std::uint64_t nextId = 1;
    bool enabled = true;
};

AnimationState& state()
{
    static AnimationState shared;
    return shared;
}

UIViewAnimationRecord* findRecord(std::uint64_t id)
{
    auto& log = state().log;
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->id == id) {
            return &*it;
        }
    }
    return nullptr;
}

double sanitized(double seconds)
{
    return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
}

// Ends a pending animation: logs the outcome and runs the completion (now, or in the next turn).
void finish(std::uint64_t id, bool finished, bool deferCompletion)
{
    auto& pending = state().pending;
    auto found = pending.find(id);
    if (found == pending.end()) {
        return;
    }
    PendingAnimation entry = std::move(found->second);
    pending.erase(found);
    if (entry.timer) {
        entry.timer->invalidate();
    }
    if (auto* record = findRecord(id)) {
        record->finished = finished;
    }
    if (!entry.completion) {
        return;
    }
    if (deferCompletion) {
        RunLoop::main().enqueue([completion = std::move(entry.completion), finished] { completion(finished); });
    } else {
        entry.completion(finished);
    }
}

} // namespace

bool UIViewAnimationRecord::touched(const std::shared_ptr<UIView>& view) const
{
    return std::any_of(views.begin(), views.end(), [&](const auto& entry) { return entry.lock() == view; });
}

void UIViewAnimationCenter::noteChange(UIView& view)
{
    auto& shared = state();
    if (shared.running.empty() || !shared.enabled) {
        return;
    }
    auto* record = findRecord(shared.running.back());
    auto self = view.sharedFromThis<UIView>();
    if (!record || !self || record->touched(self)) {
        return;
    }
    record->views.push_back(self);
}

void UIViewAnimationCenter::finishAnimationsLeftWithoutWindow(const UIView& root)
{
    std::vector<std::uint64_t> leaving;
    for (const auto& [id, entry] : state().pending) {
        bool left = std::any_of(entry.views.begin(), entry.views.end(), [&](const auto& weakView) {
            auto view = weakView.lock();
            return view && view->isDescendant(root) && !view->windowView();
        });
        if (left) {
            leaving.push_back(id);
        }
    }
    for (auto id : leaving) {
        finish(id, false, true);
    }
}

void UIView::noteAnimatableChange()
{
    UIViewAnimationCenter::noteChange(*this);
}

void UIView::animate(double duration, double delay, UIViewAnimationOptions options, const Animations& animations,
                     Completion completion)
{
    auto& shared = state();
    if (shared.log.size() >= logCapacity) {
        shared.log.erase(shared.log.begin(), shared.log.begin() + static_cast<std::ptrdiff_t>(logTrim));
    }
    UIViewAnimationRecord record;
    record.id = shared.nextId++;
    record.duration = sanitized(duration);
    record.delay = sanitized(delay);
    record.options = options;
    record.startTime = RunLoop::main().now();
    record.hasCompletion = static_cast<bool>(completion);
    std::uint64_t id = record.id;
    double total = record.delay + record.duration;
    shared.log.push_back(std::move(record));

    if (animations) {
        shared.running.push_back(id);
        animations();
        auto& running = state().running;
        running.erase(std::remove(running.begin(), running.end(), id), running.end());
    }

    PendingAnimation entry;
    entry.completion = std::move(completion);
    if (auto* logged = findRecord(id)) {
        entry.views = logged->views;
    }
    entry.timer = Timer::scheduledTimer(total, false, [id](Timer&) { finish(id, true, false); });
    state().pending.emplace(id, std::move(entry));
}

void UIView::animate(double duration, const Animations& animations, Completion completion)
{
    animate(duration, 0, UIViewAnimationOptions::none, animations, std::move(completion));
}

void UIView::performWithoutAnimation(const std::function<void()>& actions)
{
    if (!actions) {
        return;
    }
    auto& shared = state();
    bool previous = shared.enabled;
    shared.enabled = false;
    actions();
    state().enabled = previous;
}

bool UIView::areAnimationsEnabled()
{
    return state().enabled;
}

void UIView::setAnimationsEnabled(bool enabled)
{
    state().enabled = enabled;
}

bool UIView::isInAnimationBlock()
{
    return !state().running.empty() && state().enabled;
}

const std::vector<UIViewAnimationRecord>& UIView::animationLog()
{
    return state().log;
}

void UIView::clearAnimationLog()
{
    state().log.clear();
}

std::size_t UIView::pendingAnimationCount()
{
    return state().pending.size();
}

void UIView::cancelAllAnimations()
{
    std::vector<std::uint64_t> ids;
    for (const auto& [id, entry] : state().pending) {
        ids.push_back(id);
    }
    for (auto id : ids) {
        finish(id, false, false);
    }
}

} // namespace platform
