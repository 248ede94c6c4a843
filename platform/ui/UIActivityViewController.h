#pragma once
// UIActivityViewController: the share sheet. It records the items it was given and offers the
// activities that suit them (minus the excluded ones); it presents as a popover, which on this
// phone-sized screen covers the screen without covering the presenter, and keeps the popover's
// anchor.
//
// A person finishes the sheet by tapping Cancel or an activity's row; a driver (or a test) does the
// same through cancel() and performActivity(), and saveImageItem() writes the image item to a PNG
// file. Either way the sheet is dismissed first and the completion handler runs once it has gone.
//
// The host stands in for the system that carries a share out: a chosen activity is handed to the
// host's activity handler, whose answer is what the completion handler is told. Without a handler
// a chosen activity counts as done (completed is true).
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
    // Carries out a chosen activity with the sheet's items; returns whether it was done.
    using HostActivityHandler =
        std::function<bool(const UIActivityType& activityType, const std::vector<UIActivityItem>& items)>;

    // The process-wide handler of chosen activities (main thread). When an activity is chosen, by
    // a tap on its row or by performActivity(), it runs once, after the sheet has gone and before
    // the completion handler, which gets its result as `completed`; the application's own
    // activities go to it too. An empty function removes it (then a chosen activity completes).
    static void setHostActivityHandler(HostActivityHandler handler);

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
    // Chooses an offered activity, as a tap on its row does: dismisses the sheet, then runs the host's
    // activity handler and calls the completion handler with (type, the host's answer, or true
    // without a host handler). An activity the sheet does not offer: false with one debug line, the
    // sheet stays.
    bool performActivity(const UIActivityType& type);
    // Writes the first image item as PNG to `path`, then finishes with UIActivityTypeSaveToCameraRoll
    // and completed true; the host's activity handler is not asked (the image is saved already).
    // False (one debug line, the sheet stays) when saving is not offered, there is no image item or
    // the file cannot be written.
    bool saveImageItem(const std::string& path);
    // True once the sheet was finished (until it is presented again).
    bool isFinished() const { return m_finished; }

    // The view: a dimmed screen with a panel of buttons, one per activity (titled as titleOf()
    // or the application activity's title), and a Cancel button.
    std::shared_ptr<UIButton> cancelButton();
    void loadView() override;
    void viewWillAppear(bool animated) override;

    static std::string titleOf(const UIActivityType& type);

private:
    friend class UIActivityViewControllerView;
    // After the dismissal: the host's handler (when `askHost`), then the completion handler.
    void finish(std::optional<UIActivityType> type, bool completed, bool askHost);
    void layoutPanel(const CGRect& bounds);

    std::vector<UIActivityItem> m_items;
    std::vector<std::shared_ptr<UIActivity>> m_applicationActivities;
    std::vector<UIActivityType> m_excluded;
    CompletionWithItemsHandler m_completion;
    bool m_finished = false;

    UIViewPtr m_panel;
    std::vector<std::shared_ptr<UIButton>> m_activityButtons;
    std::shared_ptr<UIButton> m_cancelButton;
};

} // namespace platform
