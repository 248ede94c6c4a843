// The timeline of animations attached to a layer: start in the next turn, stop after the active
// duration, or early (finished == false) when removed.
#include "platform/ui/CALayer.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/CAAnimation.h"

#include <algorithm>
#include <cmath>

namespace platform {

struct CALayer::AttachedAnimation {
    std::optional<std::string> key;
    std::shared_ptr<CAAnimation> animation;
    std::shared_ptr<Timer> startTimer;
    std::shared_ptr<Timer> stopTimer;

    void invalidateTimers()
    {
        if (startTimer) {
            startTimer->invalidate();
        }
        if (stopTimer) {
            stopTimer->invalidate();
        }
    }
};

namespace {

void announceStart(const std::shared_ptr<CAAnimation>& animation)
{
    if (auto delegate = animation->delegate()) {
        delegate->animationDidStart(*animation);
    }
}

void announceStop(const std::shared_ptr<CAAnimation>& animation, bool finished)
{
    if (auto delegate = animation->delegate()) {
        delegate->animationDidStop(*animation, finished);
    }
}

} // namespace

CALayer::~CALayer()
{
    // A layer that goes away takes its animations with it; nobody is told.
    for (const auto& attached : m_animations) {
        attached->invalidateTimers();
    }
}

void CALayer::add(const std::shared_ptr<CAAnimation>& animation, const std::optional<std::string>& key)
{
    if (!animation) {
        debugLog("CALayer: ignoring a null animation");
        return;
    }
    auto self = sharedFromThis<CALayer>();
    if (!self) {
        debugLog("CALayer: animations need a layer made with create()");
        return;
    }
    if (key) {
        removeAnimation(*key);
    }
    auto attached = std::make_shared<AttachedAnimation>();
    attached->key = key;
    attached->animation = animation->copy();
    attached->animation->m_running = true;
    attached->animation->m_beginTime = RunLoop::main().now();

    std::weak_ptr<CAAnimation> weakAnimation = attached->animation;
    attached->startTimer = Timer::scheduledTimer(0, false, [weakAnimation](Timer&) {
        auto started = weakAnimation.lock();
        if (!started || started->m_started || started->m_stopped) {
            return;
        }
        started->m_started = true;
        announceStart(started);
    });
    double active = attached->animation->activeDuration();
    if (std::isfinite(active)) {
        std::weak_ptr<CALayer> weakLayer = self;
        attached->stopTimer = Timer::scheduledTimer(active, false, [weakLayer, weakAnimation](Timer&) {
            auto layer = weakLayer.lock();
            auto stopping = weakAnimation.lock();
            if (layer && stopping) {
                layer->stopAnimationNaturally(stopping);
            }
        });
    }
    m_animations.push_back(std::move(attached));
}

void CALayer::stopAnimationNaturally(const std::shared_ptr<CAAnimation>& animation)
{
    if (animation->m_stopped) {
        return;
    }
    if (!animation->m_started) {
        animation->m_started = true;
        announceStart(animation);
    }
    animation->m_stopped = true;
    animation->m_running = false;
    if (animation->isRemovedOnCompletion()) {
        auto at = std::find_if(m_animations.begin(), m_animations.end(),
                               [&](const auto& attached) { return attached->animation == animation; });
        if (at != m_animations.end()) {
            (*at)->invalidateTimers();
            m_animations.erase(at);
        }
    }
    announceStop(animation, true);
}

void CALayer::detachAnimation(const std::shared_ptr<CAAnimation>& animation, bool finished)
{
    auto at = std::find_if(m_animations.begin(), m_animations.end(),
                           [&](const auto& attached) { return attached->animation == animation; });
    if (at == m_animations.end()) {
        return;
    }
    (*at)->invalidateTimers();
    m_animations.erase(at);
    if (animation->m_stopped) {
        return; // finished earlier and kept (not removed on completion)
    }
    animation->m_stopped = true;
    animation->m_running = false;
    // Reported in the next turn, never from inside the removing call.
    RunLoop::main().enqueue([animation, finished] {
        if (!animation->m_started) {
            animation->m_started = true;
            announceStart(animation);
        }
        announceStop(animation, finished);
    });
}

void CALayer::removeAnimation(const std::string& key)
{
    auto at = std::find_if(m_animations.begin(), m_animations.end(),
                           [&](const auto& attached) { return attached->key == key; });
    if (at == m_animations.end()) {
        return;
    }
    auto animation = (*at)->animation;
    detachAnimation(animation, false);
}

void CALayer::removeAllAnimations()
{
    auto attached = m_animations; // snapshot: detaching edits the list
    for (const auto& entry : attached) {
        detachAnimation(entry->animation, false);
    }
}

std::shared_ptr<CAAnimation> CALayer::animation(const std::string& key) const
{
    for (const auto& attached : m_animations) {
        if (attached->key == key) {
            return attached->animation;
        }
    }
    return nullptr;
}

std::vector<std::string> CALayer::animationKeys() const
{
    std::vector<std::string> keys;
    for (const auto& attached : m_animations) {
        if (attached->key) {
            keys.push_back(*attached->key);
        }
    }
    return keys;
}

std::vector<std::shared_ptr<CAAnimation>> CALayer::allAnimations() const
{
    std::vector<std::shared_ptr<CAAnimation>> all;
    for (const auto& attached : m_animations) {
        all.push_back(attached->animation);
    }
    return all;
}

} // namespace platform
