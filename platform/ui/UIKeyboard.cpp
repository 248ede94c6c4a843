#include "platform/ui/UIKeyboard.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace platform {

namespace {

AnyValue::Dictionary userInfo(const CGRect& begin, const CGRect& end)
{
    return {
        {UIKeyboardFrameBeginUserInfoKey, userInfoValue(begin)},
        {UIKeyboardFrameEndUserInfoKey, userInfoValue(end)},
        {UIKeyboardAnimationDurationUserInfoKey, UIKeyboard::animationDuration},
    };
}

// Observes the text inputs from start-up, so focus reaches the keyboard before anyone asks for it.
[[maybe_unused]] const bool keyboardInstalled = (UIKeyboard::shared(), true);

} // namespace

UIKeyboard::UIKeyboard()
{
    observeNotifications();
}

void UIKeyboard::observeNotifications()
{
    auto& center = NotificationCenter::defaultCenter();
    if (m_inputObservation) {
        center.removeObserver(std::weak_ptr<const void>(m_inputObservation));
    }
    m_inputObservation = std::make_shared<int>(0);
    // The object is the input; it is used only once it is known to be the first responder (or the
    // active input), so a notification posted with any other object does nothing.
    center.addObserver(
        UITextInputDidBecomeFirstResponderNotification, m_inputObservation, [](const Notification& notification) {
            auto input = UIResponder::currentFirstResponder();
            if (input && !input.owner_before(notification.object()) && !notification.object().owner_before(input)) {
                UIKeyboard::shared().textInputDidBecomeFirstResponder(input);
            }
        });
    center.addObserver(
        UITextInputDidResignFirstResponderNotification, m_inputObservation, [](const Notification& notification) {
            auto active = UIKeyboard::shared().activeInput();
            if (active && !active.owner_before(notification.object()) && !notification.object().owner_before(active)) {
                UIKeyboard::shared().textInputDidResignFirstResponder(active);
            }
        });
    // Up, the keyboard moves with the screen's bottom edge and width, from where it was last announced.
    center.addObserver(UIScreenBoundsDidChangeNotification, m_inputObservation, [](const Notification&) {
        auto& keyboard = UIKeyboard::shared();
        if (keyboard.m_visible) {
            keyboard.announce(keyboard.m_announced);
        }
    });
}

UIKeyboard& UIKeyboard::shared()
{
    // Never destroyed: timers and notifications may reach it during exit.
    static UIKeyboard* keyboard = new UIKeyboard();
    return *keyboard;
}

void UIKeyboard::setHeight(double height)
{
    if (!std::isfinite(height) || height <= 0 || height > UIScreen::main()->bounds().height()) {
        debugLog("UIKeyboard: ignoring the height " + classicNumber(height));
        return;
    }
    if (height == m_height) {
        return;
    }
    CGRect before = shownFrame();
    m_height = height;
    if (m_visible) {
        announce(before);
    }
}

CGRect UIKeyboard::shownFrame() const
{
    CGRect screen = UIScreen::main()->bounds();
    const double height = std::min(m_height, screen.height());
    return {screen.minX(), screen.maxY() - height, screen.width(), height};
}

CGRect UIKeyboard::hiddenFrame() const
{
    CGRect screen = UIScreen::main()->bounds();
    return {screen.minX(), screen.maxY(), screen.width(), std::min(m_height, screen.height())};
}

void UIKeyboard::textInputDidBecomeFirstResponder(const std::shared_ptr<UIResponder>& input)
{
    if (!input) {
        debugLog("UIKeyboard: a null text input cannot take the focus");
        return;
    }
    // An input that lost the focus without telling (it died, or the first responder was cleared)
    // leaves a stale "up": the keyboard comes up anew for the next one.
    auto previous = m_activeInput.lock();
    bool stale = m_hasActiveInput && previous != input && (!previous || !previous->isFirstResponder());
    ++m_focusGeneration;
    m_activeInput = input;
    m_hasActiveInput = true;
    if (!m_visible || stale) {
        show();
    } else {
        announce(shownFrame());
    }
}

void UIKeyboard::textInputDidResignFirstResponder(const std::shared_ptr<UIResponder>& input)
{
    if (!input || m_activeInput.lock() != input) {
        return;
    }
    m_activeInput.reset();
    m_hasActiveInput = false;
    std::uint64_t generation = ++m_focusGeneration;
    // Decided in the next turn: another input taking the focus in this one keeps the keyboard up.
    RunLoop::main().enqueue([generation] { UIKeyboard::shared().hideIfNoInputRemains(generation); });
}

void UIKeyboard::hideIfNoInputRemains(std::uint64_t generation)
{
    if (generation != m_focusGeneration || m_activeInput.lock() || !m_visible) {
        return;
    }
    hide();
}

void UIKeyboard::show()
{
    m_visible = true;
    announce(hiddenFrame());
}

void UIKeyboard::hide()
{
    m_visible = false;
    announce(shownFrame());
}

void UIKeyboard::announce(CGRect begin)
{
    // Whatever was on its way is superseded, also when the new state waits for a post in flight.
    cancelPendingDidNotification();
    if (m_posting) {
        m_announceDeferred = true;
        return;
    }
    const bool showing = m_visible;
    m_announced = showing ? shownFrame() : hiddenFrame();
    auto info = userInfo(begin, m_announced);
    // Scheduled before the will post, so a change made by its observers cancels it. Due while a
    // post is in flight (an observer running the loop), it waits for that post to reach everyone.
    m_didTimer = Timer::scheduledTimer(animationDuration, false, [info, showing](Timer& timer) {
        auto& keyboard = UIKeyboard::shared();
        if (keyboard.m_didTimer.get() == &timer) {
            keyboard.m_didTimer = nullptr;
        }
        const char* name = showing ? UIKeyboardDidShowNotification : UIKeyboardDidHideNotification;
        if (keyboard.m_posting) {
            keyboard.m_parkedDid = {name, info};
        } else {
            keyboard.post(name, info);
        }
    });
    post(showing ? UIKeyboardWillShowNotification : UIKeyboardWillHideNotification, info);
}

void UIKeyboard::post(const char* name, const AnyValue::Dictionary& info)
{
    const bool outer = !m_posting;
    m_posting = true;
    NotificationCenter::defaultCenter().post(name, nullptr, info);
    if (!outer) {
        return;
    }
    m_posting = false;
    if (m_announceDeferred) {
        m_announceDeferred = false;
        announce(m_announced);
    } else if (auto parked = std::exchange(m_parkedDid, std::nullopt)) {
        post(parked->first, parked->second);
    }
}

void UIKeyboard::cancelPendingDidNotification()
{
    m_parkedDid.reset();
    auto pending = std::move(m_didTimer);
    m_didTimer = nullptr;
    if (pending) {
        pending->invalidate();
    }
}

void UIKeyboard::reset()
{
    cancelPendingDidNotification();
    ++m_focusGeneration;
    m_visible = false;
    m_activeInput.reset();
    m_hasActiveInput = false;
    m_height = defaultHeight;
    m_announceDeferred = false;
    observeNotifications();
}

} // namespace platform
