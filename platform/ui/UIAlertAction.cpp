#include "platform/ui/UIAlertAction.h"

#include "platform/ui/UIButton.h"

namespace platform {

std::shared_ptr<UIAlertAction> UIAlertAction::create(std::optional<std::string> title, UIAlertActionStyle style,
                                                     Handler handler)
{
    return NSObject::create<UIAlertAction>(std::move(title), style, std::move(handler));
}

void UIAlertAction::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (auto shown = m_button.lock()) {
        shown->setEnabled(enabled);
    }
}

void UIAlertAction::setAccessibilityLabel(std::optional<std::string> label)
{
    m_accessibilityLabel = std::move(label);
    if (auto shown = m_button.lock()) {
        shown->setAccessibilityLabel(m_accessibilityLabel ? m_accessibilityLabel : m_title);
    }
}

void UIAlertAction::setButton(std::weak_ptr<UIButton> button)
{
    m_button = std::move(button);
    if (auto shown = m_button.lock()) {
        shown->setEnabled(m_enabled);
        shown->setAccessibilityLabel(m_accessibilityLabel ? m_accessibilityLabel : m_title);
    }
}

void UIAlertAction::runHandler()
{
    ++m_timesPerformed;
    if (!m_handler) {
        return;
    }
    auto keepAlive = sharedFromThis<UIAlertAction>();
    Handler handler = m_handler; // the handler may replace or drop itself
    handler(*this);
}

} // namespace platform
