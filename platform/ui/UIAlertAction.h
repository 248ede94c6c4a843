#pragma once
// UIAlertAction: one button of an alert: a title, a style and a handler. Tapping it dismisses the
// alert and then runs the handler, once the alert has gone.
#include "platform/foundation/NSObject.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class UIButton;

enum class UIAlertActionStyle { default_ = 0, cancel = 1, destructive = 2 };

class UIAlertAction : public NSObject {
public:
    // Gets the action itself (its accessibility label may be changed there).
    using Handler = std::function<void(UIAlertAction& action)>;

    UIAlertAction(std::optional<std::string> title, UIAlertActionStyle style, Handler handler = {})
        : m_title(std::move(title)), m_style(style), m_handler(std::move(handler))
    {
    }

    using NSObject::create;
    static std::shared_ptr<UIAlertAction> create(std::optional<std::string> title, UIAlertActionStyle style,
                                                 Handler handler = {});

    const std::optional<std::string>& title() const { return m_title; }
    UIAlertActionStyle style() const { return m_style; }
    // A disabled action's button takes no taps.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const std::optional<std::string>& accessibilityLabel() const { return m_accessibilityLabel; }
    void setAccessibilityLabel(std::optional<std::string> label);

    bool hasHandler() const { return static_cast<bool>(m_handler); }
    // Performs the action: counts the performance, then runs the handler, if any (the alert calls
    // it after its dismissal).
    void runHandler();
    // How often the action has been performed, with or without a handler.
    int timesPerformed() const { return m_timesPerformed; }

    // The button showing the action (weak); kept in step with the enabled flag and the label.
    void setButton(std::weak_ptr<UIButton> button);
    std::shared_ptr<UIButton> button() const { return m_button.lock(); }

private:
    std::optional<std::string> m_title;
    UIAlertActionStyle m_style;
    Handler m_handler;
    bool m_enabled = true;
    int m_timesPerformed = 0;
    std::optional<std::string> m_accessibilityLabel;
    std::weak_ptr<UIButton> m_button;
};

using UIAlertActionPtr = std::shared_ptr<UIAlertAction>;

} // namespace platform
