// The driver's screens: table rows, alerts, the share sheet and the current screen.
#include "platform/testing/UIDriver.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/ViewQuery.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UIWindow.h"

#include <filesystem>

namespace platform {

namespace {

// Alerts and share sheets float over a screen; they are not screens of their own.
bool isTransient(const UIViewControllerPtr& controller)
{
    return std::dynamic_pointer_cast<UIAlertController>(controller) ||
           std::dynamic_pointer_cast<UIActivityViewController>(controller);
}

// Lets the clock run from timer to timer until `controller`'s transition has finished (at most a
// few seconds of clock time), so nothing later than that fires.
void finishTransition(const UIViewControllerPtr& controller)
{
    RunLoop& loop = RunLoop::main();
    loop.runUntilIdle();
    for (int step = 0; step < 100 && controller->hasPendingTransition(); ++step) {
        auto next = loop.nextFireDate();
        if (!next) {
            break;
        }
        loop.advanceBy(std::max(0.0, *next - loop.now()));
    }
    loop.runUntilIdle();
}

} // namespace

std::shared_ptr<UIWindow> UIDriver::frontWindow() const
{
    if (m_root) {
        if (auto window = m_root->window()) {
            return window;
        }
        return nullptr;
    }
    if (auto key = UIApplication::shared()->keyWindow(); key && !key->isHidden()) {
        return key;
    }
    auto windows = UIApplication::shared()->windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!(*it)->isHidden()) {
            return *it;
        }
    }
    return nullptr;
}

bool UIDriver::tapRow(const std::shared_ptr<UITableView>& table, IndexPath indexPath)
{
    if (!table) {
        debugLog("UIDriver: no table to tap a row of");
        return false;
    }
    if (indexPath.section < 0 || indexPath.section >= table->numberOfSections() || indexPath.row < 0 ||
        indexPath.row >= table->numberOfRows(indexPath.section)) {
        debugLog("UIDriver: the table has no row " + indexPath.description());
        return false;
    }
    table->scrollToRow(indexPath, UITableViewScrollPosition::none, false);
    table->layoutIfNeeded();
    auto cell = table->cellForRow(indexPath);
    if (!cell) {
        debugLog("UIDriver: the row " + indexPath.description() + " has no visible cell");
        return false;
    }
    return tap(cell);
}

std::shared_ptr<UIAlertController> UIDriver::presentedAlert() const
{
    auto window = frontWindow();
    if (!window) {
        return nullptr;
    }
    auto alert = std::dynamic_pointer_cast<UIAlertController>(window->topmostViewController());
    return alert && !alert->isBeingDismissed() ? alert : nullptr;
}

bool UIDriver::tapAlertAction(std::string_view title)
{
    auto alert = presentedAlert();
    if (!alert) {
        debugLog("UIDriver: no alert is showing");
        return false;
    }
    // Let a presentation still running finish, as a person waits for the alert to appear.
    finishTransition(alert);
    auto action = alert->actionNamed(std::string(title));
    auto button = alert->buttonForAction(std::string(title));
    if (!action || !button) {
        debugLog("UIDriver: the alert has no action \"" + std::string(title) + "\"");
        return false;
    }
    // The alert may go without its action running (a disabled action, or host code that replaced
    // the screen as the finger went down), so only the action's own count tells.
    const int performed = action->timesPerformed();
    if (tap(button)) {
        finishTransition(alert);
    }
    return action->timesPerformed() > performed;
}

std::shared_ptr<UIActivityViewController> UIDriver::presentedShareSheet() const
{
    auto window = frontWindow();
    if (!window) {
        return nullptr;
    }
    auto sheet = std::dynamic_pointer_cast<UIActivityViewController>(window->topmostViewController());
    return sheet && !sheet->isFinished() && !sheet->isBeingDismissed() ? sheet : nullptr;
}

bool UIDriver::cancelShareSheet()
{
    auto sheet = presentedShareSheet();
    if (!sheet) {
        debugLog("UIDriver: no share sheet is showing");
        return false;
    }
    finishTransition(sheet);
    if (!tap(sheet->cancelButton()) || !sheet->isFinished()) {
        sheet->cancel();
    }
    finishTransition(sheet);
    return true;
}

bool UIDriver::saveShareSheetImage(const std::string& path)
{
    auto sheet = presentedShareSheet();
    if (!sheet) {
        debugLog("UIDriver: no share sheet is showing");
        return false;
    }
    finishTransition(sheet);
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(parent, ignored);
    }
    if (!sheet->saveImageItem(path)) {
        return false;
    }
    finishTransition(sheet);
    return true;
}

std::shared_ptr<UIViewController> UIDriver::currentScreen() const
{
    auto window = frontWindow();
    if (!window) {
        return nullptr;
    }
    UIViewControllerPtr screen = window->rootViewController();
    for (int depth = 0; screen && depth < 64; ++depth) {
        if (auto presented = screen->presentedViewController();
            presented && !isTransient(presented) && presented != screen) {
            screen = presented;
            continue;
        }
        auto navigation = std::dynamic_pointer_cast<UINavigationController>(screen);
        if (navigation && navigation->topViewController()) {
            screen = navigation->topViewController();
            continue;
        }
        break;
    }
    return screen;
}

} // namespace platform
