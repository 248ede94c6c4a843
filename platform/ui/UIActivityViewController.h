#pragma once
// UIActivityViewController: the share sheet. It records the items it was given and offers the
// activities that suit them (minus the excluded ones); it presents as a popover, which on this
// phone-sized screen covers the screen without covering the presenter, and keeps the popover's
// anchor.
//
// Nothing is shared on its own: a driver (or a test) finishes the sheet as a person would, by
// cancelling it or by choosing an activity; saving the image item writes it to a PNG file. Either
// way the sheet is dismissed first and the completion handler runs once it has gone.
#include "platform/ui/UIActivity.h"
#include "platform/ui/UIViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UIButton;

class UIActivityViewController : public UIViewController {
public:
    using CompletionWithItemsHandler =
        std::function<void(const std::optional<UIActivityType>& activityType, bool completed,
                           const std::vector<UIActivityItem>& returnedItems)>;

    explicit UIActivityViewController(std::vector<UIActivityItem> activityItems,
                                      std::vector<std::shared_ptr<UIActivity>> applicationActivities = {});

    using NSObject::create;
    static std::shared_ptr<UIActivityViewController>
    create(std::vector<UIActivityItem> activityItems,
           std::vector<std::shared_ptr<UIActivity>> applicationActivities = {});

    const std::vector<UIActivityItem>& activityItems() const { return m_items; }
    const std::vector<std::shared_ptr<UIActivity>>& applicationActivities() const { return m_applicationActivities; }
    const std::vector<UIActivityType>& excludedActivityTypes() const { return m_excluded; }
    void setExcludedActivityTypes(std::vector<UIActivityType> types);
    const CompletionWithItemsHandler& completionWithItemsHandler() const { return m_completion; }
    void setCompletionWithItemsHandler(CompletionWithItemsHandler handler) { m_completion = std::move(handler); }

    // The built-in activities that suit the items (images: save, print, copy, message, mail,
    // assign to contact; text: copy, print, message, mail; URLs: also add to reading list, and the
    // two video and micro-blog services), then the application's, without the excluded ones.
    std::vector<UIActivityType> availableActivityTypes() const;

    // --- finishing the sheet, as a person would ---
    // Dismisses the sheet, then calls the handler with (none, false).
    void cancel();
    // Chooses an offered activity: dismisses the sheet, then calls the handler with (type, true).
    // An activity the sheet does not offer: false with one debug line, the sheet stays.
    bool performActivity(const UIActivityType& type);
    // Writes the first image item as PNG to `path`, then finishes as performActivity with
    // UIActivityTypeSaveToCameraRoll. False (one debug line, the sheet stays) when saving is not
    // offered, there is no image item or the file cannot be written.
    bool saveImageItem(const std::string& path);
    // True once the sheet was finished (until it is presented again).
    bool isFinished() const { return m_finished; }

    // The view: a dimmed screen with a panel listing the activities and a Cancel button.
    std::shared_ptr<UIButton> cancelButton();
    void loadView() override;
    void viewWillAppear(bool animated) override;

    static std::string titleOf(const UIActivityType& type);

private:
    friend class UIActivityViewControllerView;
    void finish(std::optional<UIActivityType> type, bool completed);
    void layoutPanel(const CGRect& bounds);

    std::vector<UIActivityItem> m_items;
    std::vector<std::shared_ptr<UIActivity>> m_applicationActivities;
    std::vector<UIActivityType> m_excluded;
    CompletionWithItemsHandler m_completion;
    bool m_finished = false;

    UIViewPtr m_panel;
    std::vector<UIViewPtr> m_activityLabels;
    std::shared_ptr<UIButton> m_cancelButton;
};

} // namespace platform
