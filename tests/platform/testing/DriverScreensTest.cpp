#include "DriverTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UIToolbar.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

namespace {

class Rows : public UITableViewDataSource, public UITableViewDelegate {
public:
    int numberOfRowsInSection(UITableView&, int) override { return 40; }
    std::shared_ptr<UITableViewCell> cellForRowAt(UITableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("row", indexPath);
        cell->textLabel()->setText("Row " + std::to_string(indexPath.row));
        return cell;
    }
    void didSelectRowAt(UITableView&, const IndexPath& indexPath) override { selected.push_back(indexPath.row); }
    std::vector<int> selected;
};

// A window showing a navigation stack with one screen.
struct App {
    std::shared_ptr<UIViewController> home = NSObject::create<UIViewController>();
    std::shared_ptr<UINavigationController> navigation = UINavigationController::create(home);
    std::shared_ptr<UIWindow> window = NSObject::create<UIWindow>();

    explicit App(UIDriver& driver)
    {
        home->setTitle("Home");
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        driver.advanceBy(1);
    }
};

UIImagePtr card()
{
    UIGraphicsBeginImageContextWithOptions({30, 20}, true, 2);
    UIGraphicsGetCurrentContext()->setFillColor(UIColor::green());
    UIGraphicsGetCurrentContext()->fill({0, 0, 30, 20});
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace

TEST(DriverScreens, TapRowScrollsItIntoViewAndSelectsIt)
{
    UIDriver driver;
    App app(driver);
    auto table = NSObject::create<UITableView>(app.home->view()->bounds());
    table->registerClass<UITableViewCell>("row");
    auto rows = std::make_shared<Rows>();
    table->setDataSource(rows);
    table->setDelegate(rows);
    app.home->view()->addSubview(table);
    driver.runUntilIdle();

    EXPECT_TRUE(driver.tapRow(table, IndexPath::forRow(2, 0)));
    EXPECT_TRUE(driver.tapRow(table, IndexPath::forRow(35, 0))); // far below the screen
    EXPECT_EQ(rows->selected, (std::vector<int>{2, 35}));
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath::forRow(35, 0));
    EXPECT_TRUE(driver.findText("Row 35"));

    DebugLogCapture log;
    EXPECT_FALSE(driver.tapRow(table, IndexPath::forRow(40, 0)));
    EXPECT_FALSE(driver.tapRow(table, IndexPath::forRow(0, 1)));
    EXPECT_EQ(rows->selected.size(), 2u);
}

TEST(DriverScreens, AlertActionsDismissThenRunTheirHandler)
{
    UIDriver driver;
    App app(driver);
    EXPECT_FALSE(driver.presentedAlert());
    std::vector<std::string> events;
    auto alert = UIAlertController::create("Delete?", std::nullopt, UIAlertControllerStyle::alert);
    auto cancel = UIAlertAction::create("Cancel", UIAlertActionStyle::cancel);
    std::weak_ptr<UIAlertController> weakAlert = alert;
    auto remove = UIAlertAction::create("Delete", UIAlertActionStyle::destructive, [&, weakAlert](UIAlertAction&) {
        auto shown = weakAlert.lock();
        events.push_back(shown && shown->presentingViewController() ? "handler while shown"
                                                                    : "handler after dismissal");
    });
    remove->setAccessibilityLabel("Remove card");
    alert->addAction(cancel);
    alert->addAction(remove);
    // A field being edited under the alert, with Done on its keyboard.
    auto field = NSObject::create<UITextField>(CGRect{20, 100, 335, 40});
    auto delegate = std::make_shared<driver_test::RecordingDelegate>();
    field->setDelegate(delegate);
    auto toolbar = NSObject::create<UIToolbar>();
    toolbar->setItems({UIBarButtonItem::withSystemItem(UIBarButtonSystemItem::done)});
    toolbar->items()[0]->setTargetAction(field, &UIResponder::resignFirstResponder);
    field->setInputAccessoryView(toolbar);
    app.home->view()->addSubview(field);
    ASSERT_TRUE(driver.focus(field));
    driver.type("12");
    const auto calls = delegate->calls;
    app.navigation->present(alert, true);

    EXPECT_EQ(driver.presentedAlert(), alert);
    EXPECT_EQ(driver.currentScreen(), app.home); // the alert floats over the screen

    // The alert has the keyboard: no key, paste, return or Done reaches the field.
    EXPECT_EQ(driver.type("3") + driver.backspace(1) + driver.paste("45") + driver.pressReturn() + driver.pressDone(),
              0u);
    EXPECT_EQ(field->text(), "12");
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(delegate->calls, calls);

    DebugLogCapture log;
    EXPECT_FALSE(driver.tapAlertAction("Keep"));
    EXPECT_TRUE(driver.tapAlertAction("Remove card")); // by accessibility label
    EXPECT_EQ(events, std::vector<std::string>{"handler after dismissal"});
    EXPECT_FALSE(driver.presentedAlert());
    EXPECT_FALSE(driver.tapAlertAction("Delete"));
    EXPECT_EQ(driver.type("3"), 1u);

    // True only for an action performed, with or without a handler: host code that replaces the
    // screen as the finger goes down takes the alert away with its action not performed.
    for (bool replaced : {false, true}) {
        auto ok = UIAlertAction::create("OK", UIAlertActionStyle::default_);
        auto notice = UIAlertController::create("Saved", std::nullopt, UIAlertControllerStyle::alert);
        notice->addAction(ok);
        app.window->rootViewController()->present(notice, false);
        if (replaced)
            notice->buttonForAction("OK")->addAction(
                [&app](UIControl&) { app.window->setRootViewController(NSObject::create<UIViewController>()); },
                UIControlEvents::touchDown);
        EXPECT_EQ(driver.tapAlertAction("OK"), !replaced);
        EXPECT_EQ(ok->timesPerformed(), replaced ? 0 : 1);
        EXPECT_FALSE(driver.presentedAlert());
    }
}

TEST(DriverScreens, ShareSheetCancelAndSave)
{
    UIDriver driver;
    App app(driver);
    std::vector<std::string> outcomes;
    auto share = [&] {
        auto sheet = UIActivityViewController::create({UIActivityItem::image(card()), UIActivityItem::text("QR")});
        sheet->setCompletionWithItemsHandler(
            [&](const std::optional<UIActivityType>& type, bool completed, const std::vector<UIActivityItem>&) {
                outcomes.push_back(type.value_or("none") + (completed ? " done" : " cancelled"));
            });
        app.home->present(sheet, true);
        return sheet;
    };

    auto first = share();
    EXPECT_EQ(driver.presentedShareSheet(), first);
    EXPECT_TRUE(driver.cancelShareSheet());
    EXPECT_FALSE(driver.presentedShareSheet());

    share();
    std::string path = UIDriver::artifactPath("testing/shared-card.png");
    std::filesystem::remove(path);
    EXPECT_TRUE(driver.saveShareSheetImage(path));
    EXPECT_FALSE(driver.presentedShareSheet());
    auto saved = UIImage::contentsOfFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->pixelAt(5, 5), (RGBA8{0, 255, 0, 255}));
    EXPECT_EQ(outcomes, (std::vector<std::string>{"none cancelled", UIActivityTypeSaveToCameraRoll + " done"}));

    DebugLogCapture log;
    EXPECT_FALSE(driver.cancelShareSheet());
    EXPECT_FALSE(driver.saveShareSheetImage(path));
}

TEST(DriverScreens, CurrentScreenFollowsPushesAndPresentations)
{
    UIDriver driver;
    EXPECT_FALSE(driver.currentScreen());
    App app(driver);
    EXPECT_EQ(driver.currentScreen(), app.home);

    auto details = NSObject::create<UIViewController>();
    app.navigation->pushViewController(details, true);
    driver.advanceBy(1);
    EXPECT_EQ(driver.currentScreen(), details);

    auto modal = NSObject::create<UIViewController>();
    auto label = NSObject::create<UILabel>(CGRect{20, 100, 200, 30});
    label->setText("Scan to pay");
    modal->view()->addSubview(label);
    details->present(modal, true);
    driver.advanceBy(1);
    EXPECT_EQ(driver.currentScreen(), modal);
    EXPECT_EQ(driver.findText("Scan to pay"), label);

    modal->dismiss(true);
    driver.advanceBy(1);
    EXPECT_EQ(driver.currentScreen(), details);
    EXPECT_FALSE(driver.findText("Scan to pay"));

    auto path = driver.writeScreenPNG("testing/current-screen");
    ASSERT_TRUE(path);
    EXPECT_TRUE(std::filesystem::exists(*path));
}
