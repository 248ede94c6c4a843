#pragma once
// UIKeyboard: the simulated on-screen keyboard of the one screen.
//
// Text inputs report their focus here. When one becomes first responder while the keyboard is down,
// the keyboard comes up: UIKeyboardWillShowNotification is posted at once and
// UIKeyboardDidShowNotification when its animation ends on the run-loop clock. When the active input
// resigns and, by the next run-loop turn, no other input has taken the focus, it goes down the same
// way with the will-hide and did-hide notifications.
//
// While it is up, the keyboard shows again for every input that takes the focus (each brings its own
// input accessory view): will-show at once with the begin and end frames both the shown frame, then
// did-show after the animation's duration, and no hide for the input that resigned. A height set
// while it is up applies at once the same way, from the old shown frame to the new one.
//
// Every notification carries the begin and end frames (see UIKeyboardNotifications.h) and the
// animation's duration. Up, the keyboard spans the main screen's width at its bottom edge; down,
// the same rectangle lies just below the screen. A change of the main screen's bounds while it is
// up applies at once, as a height does.
//
// Observers see the notifications in the order the keyboard's state changed. A change made while a
// keyboard notification is being posted (a height set or a focus moved by an observer) is posted
// once that notification has reached every observer: will-show from the frame it announced to the
// current one, then did-show. A did notification belongs to the last will notification: one that
// is superseded is never posted, and one due while a notification is being posted (an observer
// running the loop) goes out once that notification has reached every observer.
//
// Text inputs reach the keyboard through the default notification center: the keyboard observes
// UITextInputDidBecomeFirstResponderNotification, UITextInputDidResignFirstResponderNotification
// and UIScreenBoundsDidChangeNotification from when it is first used (at the latest when the
// program starts, as soon as this file is linked in), and again after every reset().
#include "platform/graphics/CGRect.h"
#include "platform/ui/UIKeyboardNotifications.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace platform {

class Timer;
class UIResponder;

class UIKeyboard {
public:
    static constexpr double defaultHeight = 216;
    static constexpr double animationDuration = 0.25;

    // The keyboard of the process.
    static UIKeyboard& shared();
    UIKeyboard(const UIKeyboard&) = delete;
    UIKeyboard& operator=(const UIKeyboard&) = delete;

    // Height in points (finite, > 0 and at most the main screen's height; anything else is logged
    // and ignored): the whole band the host draws over the screen. While the keyboard is down a
    // change applies from the next time it comes up; while it is up, at once (will-show from the
    // old frame to the new one, then did-show). An equal height posts nothing.
    double height() const { return m_height; }
    void setHeight(double height);
    // True from a show until the next hide; from the will-show notification on, unless that waits
    // for a notification in flight.
    bool isVisible() const { return m_visible; }
    // Where the keyboard is when up, and when down (just below the main screen); never taller than
    // the screen: a screen made shorter than height() gets a band of its own height.
    CGRect shownFrame() const;
    CGRect hiddenFrame() const;
    // The input that has the keyboard's focus, if it is alive.
    std::shared_ptr<UIResponder> activeInput() const { return m_activeInput.lock(); }

    // Called by text inputs right after they became / stopped being the first responder. A
    // resignation of an input other than the active one is ignored.
    void textInputDidBecomeFirstResponder(const std::shared_ptr<UIResponder>& input);
    void textInputDidResignFirstResponder(const std::shared_ptr<UIResponder>& input);

    // Down, default height, no active input; pending notifications are dropped and none is posted;
    // the text inputs' notifications are observed anew (between tests, after the notification
    // center was emptied).
    void reset();

private:
    UIKeyboard();

    void observeNotifications();
    void show();
    void hide();
    // The will notification of the current state (up or down) from `begin`, and its did
    // notification when the animation has run; during a post, deferred until the post returns.
    // `begin` by value: callers pass m_announced, which this replaces.
    void announce(CGRect begin);
    // Posts one notification; a change asked for meanwhile is announced once every observer has it.
    void post(const char* name, const AnyValue::Dictionary& info);
    void hideIfNoInputRemains(std::uint64_t generation);
    void cancelPendingDidNotification();

    double m_height = defaultHeight;
    bool m_visible = false;
    // The end frame of the last will notification: where observers were last told the keyboard goes.
    CGRect m_announced;
    bool m_posting = false;
    bool m_announceDeferred = false;
    std::weak_ptr<UIResponder> m_activeInput;
    bool m_hasActiveInput = false; // tells a dead active input from none
    // Bumped by every focus change and reset, so a deferred hide check made stale by them does nothing.
    std::uint64_t m_focusGeneration = 0;
    std::shared_ptr<Timer> m_didTimer;
    // A did notification that came due during a post: its name and user info, sent when the post ends.
    std::optional<std::pair<const char*, AnyValue::Dictionary>> m_parkedDid;
    // Owns the observations of the text inputs' notifications.
    std::shared_ptr<void> m_inputObservation;
};

} // namespace platform
