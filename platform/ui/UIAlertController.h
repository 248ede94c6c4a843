#pragma once
// UIAlertController: a modal alert or action sheet with a title, a message and action buttons.
//
// It presents over the full screen without covering its presenter (the presenter gets no appearance
// callbacks). Its view is a dimmed full-screen view holding the alert's box: title, message and one
// button per action, in the order the actions were added. The box always fits the screen with all its
// actions: a title or message too long for the height left is clipped to the lines that fit. Taps inside the box never reach tap
// recognizers of the views around it; taps on the dimmed area do (a recognizer put on the alert
// view's superview sees taps outside the box).
//
// Tapping an action's button dismisses the alert (animated) and then, once it has gone, runs the
// action's handler; further taps while that happens are ignored, and so is every tap once the
// alert's dismissal has begun for another reason or it is no longer presented.
#include "platform/ui/UIAlertAction.h"
#include "platform/ui/UIViewController.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UIButton;
class UILabel;

enum class UIAlertControllerStyle { actionSheet = 0, alert = 1 };

class UIAlertController : public UIViewController {
public:
    UIAlertController(std::optional<std::string> title, std::optional<std::string> message,
                      UIAlertControllerStyle preferredStyle);

    using NSObject::create;
    static std::shared_ptr<UIAlertController>
    create(std::optional<std::string> title, std::optional<std::string> message, UIAlertControllerStyle preferredStyle);

    const std::optional<std::string>& message() const { return m_message; }
    void setMessage(std::optional<std::string> message);
    void setTitle(std::optional<std::string> title) override;
    UIAlertControllerStyle preferredStyle() const { return m_preferredStyle; }

    // Adds an action (null or already added: logged and ignored). Also after presentation.
    void addAction(const UIAlertActionPtr& action);
    const std::vector<UIAlertActionPtr>& actions() const { return m_actions; }
    // The action drawn as the default (bold); must be one of actions(), else logged and ignored.
    const UIAlertActionPtr& preferredAction() const { return m_preferredAction; }
    void setPreferredAction(const UIAlertActionPtr& action);

    // --- the shown parts (for drivers and tests; they load the view) ---
    // The first action whose title or accessibility label is `name`, and its button.
    UIAlertActionPtr actionNamed(const std::string& name) const;
    std::shared_ptr<UIButton> buttonForAction(const std::string& name);
    // The box in the middle (alert) or at the bottom (action sheet) of the dimmed view.
    UIViewPtr contentView();
    std::shared_ptr<UILabel> titleLabel();
    std::shared_ptr<UILabel> messageLabel();

    void loadView() override;

    static constexpr double alertWidth = 270;
    static constexpr double buttonHeight = 44;

private:
    friend class UIAlertControllerView;
    void actionTapped(const UIAlertActionPtr& action);
    void addButton(const UIAlertActionPtr& action);
    void styleButton(UIButton& button, const UIAlertAction& action) const;
    void refreshTexts();
    void layoutContent(const CGRect& bounds);

    std::optional<std::string> m_message;
    UIAlertControllerStyle m_preferredStyle;
    std::vector<UIAlertActionPtr> m_actions;
    UIAlertActionPtr m_preferredAction;
    bool m_actionChosen = false;

    UIViewPtr m_box;
    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UILabel> m_messageLabel;
    std::vector<std::shared_ptr<UIButton>> m_buttons;
    // A hairline along the top of each button (and, for two buttons side by side, the second one's
    // along its left edge).
    std::vector<UIViewPtr> m_separators;
};

} // namespace platform
