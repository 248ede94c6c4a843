#include "platform/foundation/RunLoop.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/ManualClock.h"
#include "platform/foundation/SystemClock.h"
#include "platform/foundation/Timer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace platform {

namespace {
// Turns one runUntilIdle() may take before it decides the work never ends.
constexpr int kMaxTurnsPerDrive = 100000;
// Loop drives (runOnce/runUntilIdle/advanceBy) nested inside callbacks.
constexpr int kMaxDriveDepth = 32;
} // namespace

RunLoop& RunLoop::main()
{
    // Never destroyed: blocks and timers may outlive other singletons at exit.
    static RunLoop* loop = new RunLoop();
    return *loop;
}

RunLoop::RunLoop() : m_clock(std::make_shared<SystemClock>()) {}

void RunLoop::setClock(std::shared_ptr<Clock> clock)
{
    m_clock = clock ? std::move(clock) : std::make_shared<SystemClock>();
}

RunLoop::DisplayPassToken RunLoop::addDisplayPass(std::function<void()> pass)
{
    if (!pass) {
        debugLog("RunLoop::addDisplayPass: empty pass not added");
        return 0;
    }
    DisplayPassToken token = m_nextDisplayPassToken++;
    m_displayPasses.emplace_back(token, std::move(pass));
    return token;
}

void RunLoop::removeDisplayPass(DisplayPassToken token)
{
    std::erase_if(m_displayPasses, [token](const auto& entry) { return entry.first == token; });
}

bool RunLoop::hasDisplayPass(DisplayPassToken token) const
{
    return std::any_of(m_displayPasses.begin(), m_displayPasses.end(),
                       [token](const auto& entry) { return entry.first == token; });
}

void RunLoop::enqueue(std::function<void()> block)
{
    if (!block) {
        debugLog("RunLoop::enqueue: empty block dropped");
        return;
    }
    std::shared_ptr<const std::function<void()>> wakeUp;
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.push_back({m_nextBlockSequence++, std::move(block)});
        wakeUp = m_wakeUpHandler;
    }
    if (wakeUp)
        (*wakeUp)();
}

void RunLoop::setWakeUpHandler(std::function<void()> handler)
{
    auto installed = handler ? std::make_shared<const std::function<void()>>(std::move(handler)) : nullptr;
    std::lock_guard lock(m_queueMutex);
    // The old handler is released outside the lock, once `installed` holds it.
    m_wakeUpHandler.swap(installed);
}

std::size_t RunLoop::queuedBlockCount() const
{
    std::lock_guard lock(m_queueMutex);
    return m_queue.size();
}

bool RunLoop::hasDueTimer() const
{
    return !m_timers.empty() && m_timers.begin()->first.first <= now();
}

std::optional<double> RunLoop::nextFireDate() const
{
    if (m_timers.empty() || std::isinf(m_timers.begin()->first.first))
        return std::nullopt;
    return m_timers.begin()->first.first;
}

bool RunLoop::enterDrive(const char* what)
{
    if (m_driveDepth >= kMaxDriveDepth) {
        debugLog(std::string("RunLoop::") + what + ": nested too deeply inside callbacks; ignored");
        return false;
    }
    ++m_driveDepth;
    return true;
}

RunLoopTurn RunLoop::runOnce()
{
    if (!enterDrive("runOnce"))
        return {};
    RunLoopTurn done = runTurn();
    leaveDrive();
    return done;
}

RunLoopTurn RunLoop::runTurn()
{
    RunLoopTurn done;
    done.ranBlocks = drainQueue();
    done.firedTimers = fireDueTimers();
    runDisplayPasses();
    // Read last, so events delivered by this turn's own work count too.
    done.handledEvents = std::exchange(m_eventHandled, false);
    return done;
}

void RunLoop::runUntilIdle()
{
    if (!enterDrive("runUntilIdle"))
        return;
    for (int turn = 0;; ++turn) {
        if (turn == kMaxTurnsPerDrive) {
            debugLog("RunLoop::runUntilIdle: still busy after " + std::to_string(kMaxTurnsPerDrive) +
                     " turns; stopped");
            break;
        }
        runTurn();
        if (queuedBlockCount() == 0 && !hasDueTimer())
            break;
    }
    leaveDrive();
}

void RunLoop::advanceBy(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0) {
        debugLog("RunLoop::advanceBy: ignored non-finite or negative step " + classicNumber(seconds));
        return;
    }
    // Keep the clock alive even if a callback swaps it.
    auto manual = std::dynamic_pointer_cast<ManualClock>(m_clock);
    if (!manual) {
        debugLog("RunLoop::advanceBy: the run loop's clock is not a ManualClock; only running until idle");
        runUntilIdle();
        return;
    }
    if (!enterDrive("advanceBy"))
        return;
    const double target = manual->now() + seconds;
    runUntilIdle();
    // Each step either fires at least one timer or ends: a fire date <= target is due after setNow.
    while (m_clock == manual) {
        auto next = nextFireDate();
        if (!next || *next > target)
            break;
        if (*next > manual->now())
            manual->setNow(*next);
        runUntilIdle();
    }
    if (m_clock == manual && target > manual->now())
        manual->setNow(target);
    runUntilIdle();
    leaveDrive();
}

bool RunLoop::drainQueue()
{
    bool ran = false;
    std::uint64_t limit;
    {
        std::lock_guard lock(m_queueMutex);
        limit = m_nextBlockSequence;
    }
    for (;;) {
        std::function<void()> block;
        {
            std::lock_guard lock(m_queueMutex);
            if (m_queue.empty() || m_queue.front().sequence >= limit)
                return ran;
            block = std::move(m_queue.front().block);
            m_queue.pop_front();
        }
        block();
        ran = true;
    }
}

bool RunLoop::fireDueTimers()
{
    bool fired = false;
    // Fire what was due when the phase began; timers scheduled by these callbacks wait a turn.
    const double phaseNow = now();
    const std::uint64_t sequenceLimit = m_nextTimerSequence;
    for (;;) {
        auto it = m_timers.begin();
        while (it != m_timers.end() && it->first.first <= phaseNow && it->first.second >= sequenceLimit)
            ++it;
        if (it == m_timers.end() || it->first.first > phaseNow)
            return fired;
        fired = true;

        std::shared_ptr<Timer> timer = it->second;
        m_timers.erase(it);
        timer->m_scheduled = false;
        if (timer->m_repeats) {
            // Re-armed before the call, so the block sees the next fire date and a nested drive
            // cannot fire it twice.
            timer->m_fireDate = timer->nextFireDateAfter(now());
            timer->m_scheduled = true;
            m_timers.emplace(TimerKey{timer->m_fireDate, timer->m_sequence}, timer);
        }
        // A copy: the block may invalidate its own timer, which releases the stored one.
        Timer::Block block = timer->m_block;
        if (block)
            block(*timer);
        if (!timer->m_repeats)
            timer->invalidate();
    }
}

void RunLoop::runDisplayPasses()
{
    // A snapshot: passes may add or remove passes (or themselves) while they run.
    auto passes = m_displayPasses;
    for (auto& [token, pass] : passes) {
        if (hasDisplayPass(token))
            pass();
    }
}

void RunLoop::schedule(const std::shared_ptr<Timer>& timer)
{
    timer->m_sequence = takeTimerSequence();
    timer->m_scheduled = true;
    m_timers.emplace(TimerKey{timer->m_fireDate, timer->m_sequence}, timer);
}

void RunLoop::unschedule(const Timer& timer)
{
    if (!timer.m_scheduled)
        return;
    auto it = m_timers.find(TimerKey{timer.m_fireDate, timer.m_sequence});
    if (it != m_timers.end() && it->second.get() == &timer) {
        // Keep the timer alive until after the erase: this may drop the last reference.
        auto keepAlive = it->second;
        keepAlive->m_scheduled = false;
        m_timers.erase(it);
    }
}

void RunLoop::reset()
{
    std::deque<QueuedBlock> dropped;
    std::shared_ptr<const std::function<void()>> droppedWakeUp;
    {
        std::lock_guard lock(m_queueMutex);
        dropped.swap(m_queue);
        droppedWakeUp.swap(m_wakeUpHandler);
    }
    std::vector<std::shared_ptr<Timer>> timers;
    for (auto& [key, timer] : m_timers)
        timers.push_back(timer);
    for (auto& timer : timers)
        timer->invalidate();
    m_timers.clear();
    m_displayPasses.clear();
    m_eventHandled = false;
}

} // namespace platform
