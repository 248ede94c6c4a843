#include "platform/ui/UIAlertController.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>

namespace platform {

namespace {

constexpr double textMargin = 16;
constexpr double textTopMargin = 20;
constexpr double sheetMargin = 8;
constexpr double screenMargin = 20; // an alert's box from the top and bottom of the screen
constexpr double titleSpacing = 4;
constexpr double separatorWidth = 0.5;

// The alert's box: taps inside it are the alert's own and never reach recognizers around it.
class UIAlertContentView : public UIView {
public:
    using UIView::UIView;
    bool allowsAncestorGestureRecognizer(const UIGestureRecognizer&) const override { return false; }
};

bool hasText(const std::optional<std::string>& text)
{
    return text && !text->empty();
}

} // namespace

// The dimmed full-screen view of an alert; places the box on every layout pass.
class UIAlertControllerView : public UIView {
public:
    using UIView::UIView;
    std::weak_ptr<UIAlertController> owner;

    void layoutSubviews() override
    {
        UIView::layoutSubviews();
        if (auto controller = owner.lock()) {
            controller->layoutContent(bounds());
        }
    }
};

UIAlertController::UIAlertController(std::optional<std::string> title, std::optional<std::string> message,
                                     UIAlertControllerStyle preferredStyle)
    : m_message(std::move(message)), m_preferredStyle(preferredStyle)
{
    UIViewController::setTitle(std::move(title));
    setModalPresentationStyle(UIModalPresentationStyle::overFullScreen);
}

std::shared_ptr<UIAlertController> UIAlertController::create(std::optional<std::string> title,
                                                             std::optional<std::string> message,
                                                             UIAlertControllerStyle preferredStyle)
{
    return NSObject::create<UIAlertController>(std::move(title), std::move(message), preferredStyle);
}

void UIAlertController::setMessage(std::optional<std::string> message)
{
    m_message = std::move(message);
    refreshTexts();
}

void UIAlertController::setTitle(std::optional<std::string> title)
{
    UIViewController::setTitle(std::move(title));
    refreshTexts();
}

void UIAlertController::addAction(const UIAlertActionPtr& action)
{
    if (!action) {
        debugLog("UIAlertController: ignoring a null action");
        return;
    }
    if (std::find(m_actions.begin(), m_actions.end(), action) != m_actions.end()) {
        debugLog("UIAlertController: the action was already added");
        return;
    }
    m_actions.push_back(action);
    if (isViewLoaded()) {
        addButton(action);
    }
}

void UIAlertController::setPreferredAction(const UIAlertActionPtr& action)
{
    if (action && std::find(m_actions.begin(), m_actions.end(), action) == m_actions.end()) {
        debugLog("UIAlertController: the preferred action must be one of the alert's actions");
        return;
    }
    m_preferredAction = action;
    for (std::size_t i = 0; i < m_buttons.size() && i < m_actions.size(); ++i) {
        styleButton(*m_buttons[i], *m_actions[i]);
    }
}

UIAlertActionPtr UIAlertController::actionNamed(const std::string& name) const
{
    for (const auto& action : m_actions) {
        if (action->title() == name || action->accessibilityLabel() == name) {
            return action;
        }
    }
    return nullptr;
}

std::shared_ptr<UIButton> UIAlertController::buttonForAction(const std::string& name)
{
    loadViewIfNeeded();
    auto action = actionNamed(name);
    return action ? action->button() : nullptr;
}

UIViewPtr UIAlertController::contentView()
{
    loadViewIfNeeded();
    return m_box;
}

std::shared_ptr<UILabel> UIAlertController::titleLabel()
{
    loadViewIfNeeded();
    return m_titleLabel;
}

std::shared_ptr<UILabel> UIAlertController::messageLabel()
{
    loadViewIfNeeded();
    return m_messageLabel;
}

// --- the view ---

void UIAlertController::loadView()
{
    auto view = NSObject::create<UIAlertControllerView>(UIScreen::main()->bounds());
    view->owner = sharedFromThis<UIAlertController>();
    view->setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
    setView(view);

    m_box = NSObject::create<UIAlertContentView>();
    m_box->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
    m_box->layer()->setCornerRadius(13);
    m_box->setClipsToBounds(true);
    view->addSubview(m_box);

    auto makeLabel = [this](UIFontPtr font) {
        auto label = NSObject::create<UILabel>();
        label->setFont(std::move(font));
        label->setNumberOfLines(0);
        label->setLineBreakMode(NSLineBreakMode::byWordWrapping);
        label->setTextAlignment(NSTextAlignment::center);
        label->setTextColor(UIColor::black());
        m_box->addSubview(label);
        return label;
    };
    m_titleLabel = makeLabel(UIFont::boldSystemFont(17));
    m_messageLabel = makeLabel(UIFont::systemFont(13));
    refreshTexts();
    for (const auto& action : m_actions) {
        addButton(action);
    }
}

void UIAlertController::refreshTexts()
{
    if (!m_titleLabel) {
        return;
    }
    m_titleLabel->setText(title());
    m_titleLabel->setHidden(!hasText(title()));
    m_messageLabel->setText(m_message);
    m_messageLabel->setHidden(!hasText(m_message));
    if (auto view = viewIfLoaded()) {
        view->setNeedsLayout();
    }
}

void UIAlertController::styleButton(UIButton& button, const UIAlertAction& action) const
{
    bool bold = action.style() == UIAlertActionStyle::cancel || m_preferredAction.get() == &action;
    button.titleLabel()->setFont(bold ? UIFont::boldSystemFont(17) : UIFont::systemFont(17));
    if (action.style() == UIAlertActionStyle::destructive) {
        button.setTitleColor(UIColor::create(1, 59.0 / 255, 48.0 / 255), UIControlState::normal);
    }
}

void UIAlertController::addButton(const UIAlertActionPtr& action)
{
    auto button = NSObject::create<UIButton>(CGRect(), UIButtonType::system);
    button->setTitle(action->title(), UIControlState::normal);
    styleButton(*button, *action);
    std::weak_ptr<UIAlertController> weakSelf = sharedFromThis<UIAlertController>();
    std::weak_ptr<UIAlertAction> weakAction = action;
    button->addAction(
        [weakSelf, weakAction](UIControl&) {
            auto self = weakSelf.lock();
            auto tapped = weakAction.lock();
            if (self && tapped) {
                self->actionTapped(tapped);
            }
        },
        UIControlEvents::touchUpInside);
    action->setButton(button);
    m_buttons.push_back(button);
    m_box->addSubview(button);
    auto separator = NSObject::create<UIView>();
    separator->setBackgroundColor(UIColor::colorWithWhite(0, 0.2));
    separator->setUserInteractionEnabled(false);
    m_separators.push_back(separator);
    m_box->addSubview(separator);
    if (auto view = viewIfLoaded()) {
        view->setNeedsLayout();
    }
}

void UIAlertController::layoutContent(const CGRect& bounds)
{
    bool sheet = m_preferredStyle == UIAlertControllerStyle::actionSheet;
    double width = sheet ? std::max(0.0, bounds.width() - 2 * sheetMargin) : alertWidth;
    double inner = std::max(0.0, width - 2 * textMargin);
    bool sideBySide = !sheet && m_buttons.size() == 2;
    double actionsHeight = buttonHeight * static_cast<double>(sideBySide ? 1 : m_buttons.size());
    // The box stays on screen with all its actions: the title and message get the height left, and
    // whatever does not fit in it is clipped.
    double textRoom = bounds.height() - 2 * (sheet ? sheetMargin : screenMargin) - actionsHeight;
    double y = 0;
    bool titled = hasText(title());
    bool messaged = hasText(m_message);
    if (titled || messaged) {
        textRoom -= 2 * textTopMargin + (titled && messaged ? titleSpacing : 0);
        y += textTopMargin;
        if (titled) {
            double height = m_titleLabel->textRect({0, 0, inner, std::max(0.0, textRoom)}, 0).height();
            m_titleLabel->setFrame({textMargin, y, inner, height});
            y += height;
            textRoom -= height;
        }
        if (messaged) {
            y += titled ? titleSpacing : 0;
            double height = m_messageLabel->textRect({0, 0, inner, std::max(0.0, textRoom)}, 0).height();
            m_messageLabel->setFrame({textMargin, y, inner, height});
            y += height;
        }
        y += textTopMargin;
    }
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (sideBySide) {
            double x = static_cast<double>(i) * width / 2;
            m_buttons[i]->setFrame({x, y, width / 2, buttonHeight});
            m_separators[i]->setFrame(i == 0 ? CGRect(0, y, width, separatorWidth)
                                             : CGRect(x, y, separatorWidth, buttonHeight));
        } else {
            m_buttons[i]->setFrame({0, y, width, buttonHeight});
            m_separators[i]->setFrame({0, y, width, separatorWidth});
            y += buttonHeight;
        }
    }
    if (sideBySide) {
        y += buttonHeight;
    }
    double x = (bounds.width() - width) / 2;
    double top = sheet ? bounds.height() - y - sheetMargin : (bounds.height() - y) / 2;
    m_box->setFrame({x, top, width, y});
}

// --- actions ---

void UIAlertController::actionTapped(const UIAlertActionPtr& action)
{
    // An alert on its way out (its dismissal begun, or already gone) takes no action.
    if (m_actionChosen || !action->isEnabled() || isBeingDismissed() || !presentingViewController()) {
        return;
    }
    m_actionChosen = true;
    std::weak_ptr<UIAlertController> weakSelf = sharedFromThis<UIAlertController>();
    dismiss(true, [weakSelf, action] {
        if (auto self = weakSelf.lock()) {
            self->m_actionChosen = false;
        }
        action->runHandler();
    });
}

} // namespace platform
