#include "platform/ui/UIActivityViewController.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>

namespace platform {

namespace {

constexpr double panelMargin = 8;
constexpr double rowHeight = 44;

struct BuiltInActivity {
    const UIActivityType* type;
    const char* title;
    bool text;
    bool image;
    bool url;
};

const BuiltInActivity builtInActivities[] = {
    {&UIActivityTypeMessage, "Message", true, true, true},
    {&UIActivityTypeMail, "Mail", true, true, true},
    {&UIActivityTypePrint, "Print", true, true, false},
    {&UIActivityTypeCopyToPasteboard, "Copy", true, true, true},
    {&UIActivityTypeAssignToContact, "Assign to Contact", false, true, false},
    {&UIActivityTypeSaveToCameraRoll, "Save Image", false, true, false},
    {&UIActivityTypeAddToReadingList, "Add to Reading List", false, false, true},
    {&UIActivityTypePostToWeibo, "Post to Weibo", true, true, true},
    {&UIActivityTypePostToVimeo, "Post to Vimeo", false, false, true},
};

UIActivityViewController::HostActivityHandler& hostActivityHandler()
{
    // Never destroyed: a sheet may finish during exit.
    static auto* handler = new UIActivityViewController::HostActivityHandler();
    return *handler;
}

} // namespace

// The sheet's dimmed view; places the panel on every layout pass.
class UIActivityViewControllerView : public UIView {
public:
    using UIView::UIView;
    std::weak_ptr<UIActivityViewController> owner;

    void layoutSubviews() override
    {
        UIView::layoutSubviews();
        if (auto controller = owner.lock()) {
            controller->layoutPanel(bounds());
        }
    }
};

UIActivityViewController::UIActivityViewController(std::vector<UIActivityItem> activityItems,
                                                   std::vector<std::shared_ptr<UIActivity>> applicationActivities)
    : m_items(std::move(activityItems)), m_applicationActivities(std::move(applicationActivities))
{
    std::erase(m_applicationActivities, nullptr);
    setModalPresentationStyle(UIModalPresentationStyle::popover);
}

std::shared_ptr<UIActivityViewController>
UIActivityViewController::create(std::vector<UIActivityItem> activityItems,
                                 std::vector<std::shared_ptr<UIActivity>> applicationActivities)
{
    return NSObject::create<UIActivityViewController>(std::move(activityItems), std::move(applicationActivities));
}

void UIActivityViewController::setHostActivityHandler(HostActivityHandler handler)
{
    hostActivityHandler() = std::move(handler);
}

void UIActivityViewController::setExcludedActivityTypes(std::vector<UIActivityType> types)
{
    m_excluded = std::move(types);
}

std::string UIActivityViewController::titleOf(const UIActivityType& type)
{
    for (const auto& activity : builtInActivities) {
        if (*activity.type == type) {
            return activity.title;
        }
    }
    return type;
}

std::vector<UIActivityType> UIActivityViewController::availableActivityTypes() const
{
    auto has = [this](UIActivityItem::Kind kind) {
        return std::any_of(m_items.begin(), m_items.end(), [kind](const UIActivityItem& item) {
            return item.kind() == kind && (kind != UIActivityItem::Kind::image || item.imageValue());
        });
    };
    bool text = has(UIActivityItem::Kind::text);
    bool image = has(UIActivityItem::Kind::image);
    bool url = has(UIActivityItem::Kind::url);
    auto excluded = [this](const UIActivityType& type) {
        return std::find(m_excluded.begin(), m_excluded.end(), type) != m_excluded.end();
    };
    std::vector<UIActivityType> offered;
    for (const auto& activity : builtInActivities) {
        bool suits = (activity.text && text) || (activity.image && image) || (activity.url && url);
        if (suits && !excluded(*activity.type)) {
            offered.push_back(*activity.type);
        }
    }
    for (const auto& activity : m_applicationActivities) {
        auto type = activity->activityType();
        if (!excluded(type)) {
            offered.push_back(type);
        }
    }
    return offered;
}

// --- finishing ---

void UIActivityViewController::finish(std::optional<UIActivityType> type, bool completed, bool askHost)
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    std::weak_ptr<UIActivityViewController> weakSelf = sharedFromThis<UIActivityViewController>();
    dismiss(true, [weakSelf, type = std::move(type), completed, askHost] {
        auto self = weakSelf.lock();
        if (!self) {
            return;
        }
        bool done = completed;
        // Copies: either handler may replace itself while it runs.
        if (auto host = hostActivityHandler(); askHost && type && host) {
            done = host(*type, self->m_items);
        }
        if (auto handler = self->m_completion) {
            handler(type, done, {});
        }
    });
}

void UIActivityViewController::cancel()
{
    finish(std::nullopt, false, false);
}

bool UIActivityViewController::performActivity(const UIActivityType& type)
{
    auto offered = availableActivityTypes();
    if (std::find(offered.begin(), offered.end(), type) == offered.end()) {
        debugLog("UIActivityViewController: the sheet does not offer " + type);
        return false;
    }
    if (m_finished) {
        return false;
    }
    finish(type, true, true);
    return true;
}

bool UIActivityViewController::saveImageItem(const std::string& path)
{
    auto offered = availableActivityTypes();
    if (std::find(offered.begin(), offered.end(), UIActivityTypeSaveToCameraRoll) == offered.end()) {
        debugLog("UIActivityViewController: saving the image is not offered");
        return false;
    }
    auto item = std::find_if(m_items.begin(), m_items.end(),
                             [](const UIActivityItem& candidate) { return candidate.imageValue() != nullptr; });
    if (item == m_items.end() || m_finished) {
        return false;
    }
    if (!item->imageValue()->writePNG(path)) {
        debugLog("UIActivityViewController: could not save the image to " + path);
        return false;
    }
    finish(UIActivityTypeSaveToCameraRoll, true, false);
    return true;
}

// --- the view ---

std::shared_ptr<UIButton> UIActivityViewController::cancelButton()
{
    loadViewIfNeeded();
    return m_cancelButton;
}

void UIActivityViewController::loadView()
{
    auto view = NSObject::create<UIActivityViewControllerView>(UIScreen::main()->bounds());
    view->owner = sharedFromThis<UIActivityViewController>();
    view->setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
    setView(view);

    m_panel = NSObject::create<UIView>();
    m_panel->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
    m_panel->layer()->setCornerRadius(13);
    view->addSubview(m_panel);

    m_cancelButton = NSObject::create<UIButton>(CGRect(), UIButtonType::system);
    m_cancelButton->setTitle(std::string("Cancel"), UIControlState::normal);
    m_cancelButton->titleLabel()->setFont(UIFont::boldSystemFont(17));
    m_cancelButton->setBackgroundColor(UIColor::white());
    m_cancelButton->layer()->setCornerRadius(13);
    std::weak_ptr<UIActivityViewController> weakSelf = sharedFromThis<UIActivityViewController>();
    m_cancelButton->addAction(
        [weakSelf](UIControl&) {
            if (auto self = weakSelf.lock()) {
                self->cancel();
            }
        },
        UIControlEvents::touchUpInside);
    view->addSubview(m_cancelButton);
}

void UIActivityViewController::viewWillAppear(bool animated)
{
    UIViewController::viewWillAppear(animated);
    m_finished = false;
    for (const auto& button : m_activityButtons) {
        button->removeFromSuperview();
    }
    m_activityButtons.clear();
    std::weak_ptr<UIActivityViewController> weakSelf = sharedFromThis<UIActivityViewController>();
    for (const auto& type : availableActivityTypes()) {
        std::string title = titleOf(type);
        for (const auto& activity : m_applicationActivities) {
            if (activity->activityType() == type && activity->activityTitle()) {
                title = *activity->activityTitle();
            }
        }
        auto button = NSObject::create<UIButton>(CGRect(), UIButtonType::system);
        button->setTitle(title, UIControlState::normal);
        button->titleLabel()->setFont(UIFont::systemFont(17));
        button->addAction(
            [weakSelf, type](UIControl&) {
                if (auto self = weakSelf.lock()) {
                    self->performActivity(type);
                }
            },
            UIControlEvents::touchUpInside);
        m_panel->addSubview(button);
        m_activityButtons.push_back(button);
    }
    view()->setNeedsLayout();
}

void UIActivityViewController::layoutPanel(const CGRect& bounds)
{
    double width = std::max(0.0, bounds.width() - 2 * panelMargin);
    double cancelTop = bounds.height() - panelMargin - rowHeight;
    m_cancelButton->setFrame({panelMargin, cancelTop, width, rowHeight});
    double panelHeight = rowHeight * static_cast<double>(m_activityButtons.size());
    m_panel->setFrame({panelMargin, cancelTop - panelMargin - panelHeight, width, panelHeight});
    for (std::size_t i = 0; i < m_activityButtons.size(); ++i) {
        m_activityButtons[i]->setFrame({0, rowHeight * static_cast<double>(i), width, rowHeight});
    }
}

} // namespace platform
