// Alerts: their actions, the order of dismissal and handler, and taps inside and outside the box.
#include "ControllerTestSupport.h"

#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIPopoverPresentationController.h"
#include "platform/ui/UITapGestureRecognizer.h"

#include "platform/foundation/DebugLog.h"

using namespace platform;
using namespace platform::testsupport;

namespace {

using Log = std::vector<std::string>;

class AlertControllerTest : public ControllerTest {};

// An alert that notes when it has gone from the screen.
class RecordingAlert : public UIAlertController {
public:
    RecordingAlert(std::shared_ptr<CallLog> log)
        : UIAlertController(std::string("Confirm"), std::string("Refund INR 250.00?"), UIAlertControllerStyle::alert),
          m_log(std::move(log))
    {
    }
    void viewDidDisappear(bool animated) override
    {
        UIAlertController::viewDidDisappear(animated);
        m_log->push_back("alert.viewDidDisappear");
    }

private:
    std::shared_ptr<CallLog> m_log;
};

TEST_F(AlertControllerTest, ActionsKeepTheirOrderAndShowAsButtons)
{
    auto alert = UIAlertController::create(std::string("Title"), std::string("Message"), UIAlertControllerStyle::alert);
    auto cancel = UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::cancel);
    auto go = UIAlertAction::create(std::string("Continue"), UIAlertActionStyle::default_);
    alert->addAction(cancel);
    alert->addAction(go);
    {
        DebugLogCapture capture;
        alert->addAction(cancel);
        alert->addAction(nullptr);
        alert->setPreferredAction(UIAlertAction::create(std::string("Other"), UIAlertActionStyle::default_));
        EXPECT_EQ(capture.lines().size(), 3u);
    }
    EXPECT_EQ(alert->actions(), (std::vector<UIAlertActionPtr>{cancel, go}));
    EXPECT_EQ(alert->preferredAction(), nullptr);
    alert->setPreferredAction(go);
    EXPECT_EQ(alert->preferredAction(), go);
    EXPECT_EQ(alert->preferredStyle(), UIAlertControllerStyle::alert);
    EXPECT_EQ(alert->modalPresentationStyle(), UIModalPresentationStyle::overFullScreen);

    EXPECT_EQ(alert->titleLabel()->text(), std::optional<std::string>("Title"));
    EXPECT_EQ(alert->messageLabel()->text(), std::optional<std::string>("Message"));
    ASSERT_TRUE(alert->buttonForAction("Continue"));
    EXPECT_EQ(alert->buttonForAction("Continue")->currentTitle(), std::optional<std::string>("Continue"));
    EXPECT_EQ(alert->buttonForAction("Nothing"), nullptr);

    // The accessibility label finds the action too and follows it onto the button.
    go->setAccessibilityLabel(std::string("Continue_Button"));
    EXPECT_EQ(alert->actionNamed("Continue_Button"), go);
    EXPECT_EQ(go->button()->accessibilityLabel(), std::optional<std::string>("Continue_Button"));

    // An action added later gets its button too.
    alert->addAction(UIAlertAction::create(std::string("Later"), UIAlertActionStyle::destructive));
    EXPECT_TRUE(alert->buttonForAction("Later"));
}

TEST_F(AlertControllerTest, TappingAnActionDismissesTheAlertThenRunsItsHandler)
{
    auto presenter = recorder("screen");
    auto window = showInWindow(presenter);
    takeLog();
    auto alert = NSObject::create<RecordingAlert>(m_log);
    int handled = 0;
    std::weak_ptr<UIViewController> weakPresenter = presenter;
    alert->addAction(UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::cancel));
    alert->addAction(
        UIAlertAction::create(std::string("Continue"), UIAlertActionStyle::default_, [&](UIAlertAction& action) {
            m_log->push_back("handler");
            ++handled;
            action.setAccessibilityLabel(std::string("Continue_Button"));
            EXPECT_EQ(weakPresenter.lock()->presentedViewController(), nullptr);
        }));
    presenter->present(alert, true);
    advance(0.3);
    // The presenter stays on screen underneath: no appearance callbacks for it.
    EXPECT_TRUE(m_log->empty());
    EXPECT_TRUE(presenter->hasAppeared());

    auto button = alert->buttonForAction("Continue");
    ASSERT_TRUE(button);
    tapView(button);
    tapView(button); // a second tap while the alert goes away is ignored
    EXPECT_EQ(handled, 0);
    advance(0.29);
    EXPECT_EQ(handled, 0);
    advance(0.01);
    EXPECT_EQ(takeLog(), (Log{"alert.viewDidDisappear", "handler"}));
    EXPECT_EQ(handled, 1);
    // The handler named the action; without it (the tap missed) there is nothing to read.
    auto named = alert->actionNamed("Continue_Button");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->title(), std::optional<std::string>("Continue"));
    EXPECT_EQ(window->subviews().size(), 1u);
}

TEST_F(AlertControllerTest, DisabledActionsAndLeavingAlertsTakeNoTaps)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    auto alert = UIAlertController::create(std::nullopt, std::string("Wait"), UIAlertControllerStyle::alert);
    bool handled = false;
    auto action =
        UIAlertAction::create(std::string("OK"), UIAlertActionStyle::default_, [&](UIAlertAction&) { handled = true; });
    action->setEnabled(false);
    alert->addAction(action);
    presenter->present(alert, false);
    RunLoop::main().runUntilIdle();
    tapView(alert->buttonForAction("OK"));
    advance(1);
    EXPECT_FALSE(handled);
    EXPECT_EQ(presenter->presentedViewController(), alert);

    action->setEnabled(true);
    tapView(alert->buttonForAction("OK"));
    advance(0.3);
    EXPECT_TRUE(handled);

    // An alert on its way out takes no action: neither while its presenter dismisses it nor once gone.
    for (double wait : {0.1, 0.3}) {
        handled = false;
        presenter->present(alert, false);
        RunLoop::main().runUntilIdle();
        presenter->dismiss(true);
        advance(wait);
        alert->buttonForAction("OK")->sendActions(UIControlEvents::touchUpInside);
        advance(1);
        EXPECT_FALSE(handled) << wait;
    }
}

TEST_F(AlertControllerTest, ATapOutsideTheBoxReachesARecognizerAroundTheAlert)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    // An alert without buttons, closed by a tap on the dimmed surroundings.
    auto alert = UIAlertController::create(std::string(""), std::string("Recipient name may differ."),
                                           UIAlertControllerStyle::alert);
    std::weak_ptr<UIViewController> weakPresenter = presenter;
    std::weak_ptr<UIAlertController> weakAlert = alert;
    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    int taps = 0;
    recognizer->addTargetAction(presenter, [&](const std::shared_ptr<void>&, UIGestureRecognizer&) {
        ++taps;
        weakPresenter.lock()->dismiss(true);
    });
    presenter->present(alert, true, [weakAlert, recognizer] {
        auto surroundings = weakAlert.lock()->view()->superview();
        surroundings->setUserInteractionEnabled(true);
        surroundings->addGestureRecognizer(recognizer);
    });
    advance(0.3);

    // The box is centred and holds the message; the empty title is not shown.
    CGRect box = alert->contentView()->frame();
    EXPECT_DOUBLE_EQ(box.width(), UIAlertController::alertWidth);
    EXPECT_DOUBLE_EQ(box.midX(), 375.0 / 2);
    EXPECT_DOUBLE_EQ(box.midY(), 667.0 / 2);
    EXPECT_TRUE(alert->titleLabel()->isHidden());
    EXPECT_FALSE(alert->messageLabel()->isHidden());

    tapAt({box.midX(), box.midY()});
    EXPECT_EQ(taps, 0);
    tapAt({20, 20});
    EXPECT_EQ(taps, 1);
    advance(0.3);
    EXPECT_EQ(presenter->presentedViewController(), nullptr);
}

TEST_F(AlertControllerTest, AlertsAndShareSheetsAreReleasedAfterUse)
{
    auto screen = NSObject::create<UIViewController>();
    auto navigation = UINavigationController::create(screen);
    auto window = showInWindow(navigation);
    std::weak_ptr<UIViewController> weakScreen = screen;
    int handled = 0;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        std::weak_ptr<UIAlertController> weakAlert;
        std::weak_ptr<UIActivityViewController> weakSheet;
        {
            auto alert = UIAlertController::create(std::string("Confirm"), std::string("Refund?"),
                                                   UIAlertControllerStyle::alert);
            alert->addAction(UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::cancel));
            alert->addAction(UIAlertAction::create(std::string("Continue"), UIAlertActionStyle::default_,
                                                   [&handled, weakScreen](UIAlertAction& action) {
                                                       action.setAccessibilityLabel(std::string("Continue_Button"));
                                                       if (auto shown = weakScreen.lock()) {
                                                           shown->dismiss(true); // nothing left to dismiss
                                                       }
                                                       ++handled;
                                                   }));
            weakAlert = alert;
            screen->present(alert, cycle % 2 == 0);
            advance(0.3);
            tapView(alert->buttonForAction(cycle % 3 == 0 ? "Cancel" : "Continue"));
            advance(0.3);

            auto sheet = UIActivityViewController::create({UIActivityItem::text("QR")});
            sheet->popoverPresentationController()->setSourceView(screen->view());
            weakSheet = sheet;
            screen->present(sheet, true);
            advance(0.3);
            tapView(sheet->cancelButton());
            advance(0.3);
        }
        ASSERT_TRUE(weakAlert.expired()) << "cycle " << cycle;
        ASSERT_TRUE(weakSheet.expired()) << "cycle " << cycle;
    }
    EXPECT_EQ(handled, 666);
    EXPECT_EQ(navigation->presentedViewController(), nullptr);
    EXPECT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(screen->view()->window(), window);
}

TEST_F(AlertControllerTest, ActionSheetSitsAtTheBottom)
{
    auto sheet = UIAlertController::create(std::nullopt, std::nullopt, UIAlertControllerStyle::actionSheet);
    sheet->addAction(UIAlertAction::create(std::string("One"), UIAlertActionStyle::default_));
    sheet->addAction(UIAlertAction::create(std::string("Two"), UIAlertActionStyle::default_));
    sheet->addAction(UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::cancel));
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    presenter->present(sheet, false);
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(sheet->contentView()->frame(), CGRect(8, 667 - 8 - 3 * 44, 359, 3 * 44));
    ASSERT_TRUE(sheet->buttonForAction("Two"));
    EXPECT_EQ(sheet->buttonForAction("Two")->frame(), CGRect(0, 44, 359, 44));
}

} // namespace
