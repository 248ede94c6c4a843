// The share sheet: offered activities, its anchor, and finishing it by cancelling, choosing a row or
// saving.
#include "ControllerTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/testing/ViewQuery.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIPopoverPresentationController.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace platform;
using namespace platform::testsupport;

namespace {

using Log = std::vector<std::string>;
using Types = std::vector<UIActivityType>;

class ActivityViewControllerTest : public ControllerTest {
protected:
    void TearDown() override
    {
        UIActivityViewController::setHostActivityHandler({});
        ControllerTest::TearDown();
    }

    static UIImagePtr redSquare()
    {
        UIGraphicsBeginImageContextWithOptions({30, 20}, true, 2);
        auto context = UIGraphicsGetCurrentContext();
        context->setFillColor(UIColor::red());
        context->fill({0, 0, 30, 20});
        auto image = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        return image;
    }

    static std::string artifactPath(const std::string& name)
    {
        const char* dir = std::getenv("TAVRO_ARTIFACT_DIR");
        auto base = dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path();
        std::filesystem::create_directories(base);
        return (base / name).string();
    }

    struct Finish {
        int calls = 0;
        std::optional<UIActivityType> type;
        bool completed = false;
    };

    std::shared_ptr<UIActivityViewController> presentedSheet(const UIViewControllerPtr& presenter, Finish& finish)
    {
        auto sheet = UIActivityViewController::create({UIActivityItem::image(redSquare())});
        sheet->setCompletionWithItemsHandler(
            [&finish](const std::optional<UIActivityType>& type, bool completed, const std::vector<UIActivityItem>&) {
                ++finish.calls;
                finish.type = type;
                finish.completed = completed;
            });
        presenter->present(sheet, true);
        advance(0.3);
        return sheet;
    }
};

TEST_F(ActivityViewControllerTest, OffersWhatSuitsTheItemsWithoutTheExcluded)
{
    auto sheet = UIActivityViewController::create({UIActivityItem::image(redSquare())});
    auto offered = sheet->availableActivityTypes();
    EXPECT_NE(std::find(offered.begin(), offered.end(), UIActivityTypeSaveToCameraRoll), offered.end());
    EXPECT_NE(std::find(offered.begin(), offered.end(), UIActivityTypePrint), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), UIActivityTypeAddToReadingList), offered.end());

    Types excluded{UIActivityTypePrint, UIActivityTypePostToWeibo, UIActivityTypeCopyToPasteboard,
                   UIActivityTypeAddToReadingList, UIActivityTypePostToVimeo};
    sheet->setExcludedActivityTypes(excluded);
    for (const auto& type : sheet->availableActivityTypes()) {
        EXPECT_EQ(std::find(excluded.begin(), excluded.end(), type), excluded.end()) << type;
    }
    EXPECT_EQ(sheet->activityItems().size(), 1u);
    EXPECT_EQ(sheet->activityItems()[0].kind(), UIActivityItem::Kind::image);

    auto link = UIActivityViewController::create({UIActivityItem::url("https://example.org/pay")});
    offered = link->availableActivityTypes();
    EXPECT_NE(std::find(offered.begin(), offered.end(), UIActivityTypeAddToReadingList), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), UIActivityTypeSaveToCameraRoll), offered.end());
}

TEST_F(ActivityViewControllerTest, KeepsItsPopoverAnchorWeakly)
{
    auto sheet = UIActivityViewController::create({UIActivityItem::text("hello")});
    EXPECT_EQ(sheet->modalPresentationStyle(), UIModalPresentationStyle::popover);
    auto popover = sheet->popoverPresentationController();
    ASSERT_TRUE(popover);
    EXPECT_EQ(popover, sheet->popoverPresentationController());
    EXPECT_EQ(popover->presentedViewController(), sheet);
    EXPECT_EQ(popover->permittedArrowDirections(), UIPopoverArrowDirection::any);
    {
        auto anchor = NSObject::create<UIView>(CGRect(300, 20, 40, 40));
        popover->setSourceView(anchor);
        popover->setSourceRect({0, 0, 40, 40});
        popover->setPermittedArrowDirections(UIPopoverArrowDirection::up);
        EXPECT_EQ(popover->sourceView(), anchor);
        EXPECT_TRUE(popover->hasAnchor());
    }
    EXPECT_EQ(popover->sourceView(), nullptr);
    EXPECT_EQ(popover->sourceRect(), CGRect(0, 0, 40, 40));
    EXPECT_EQ(NSObject::create<UIViewController>()->popoverPresentationController(), nullptr);
}

TEST_F(ActivityViewControllerTest, CancelDismissesThenReportsNothingShared)
{
    auto presenter = recorder("screen");
    auto window = showInWindow(presenter);
    takeLog();
    Finish finish;
    auto sheet = presentedSheet(presenter, finish);
    EXPECT_EQ(presenter->presentedViewController(), sheet);

    tapView(sheet->cancelButton());
    EXPECT_TRUE(sheet->isFinished());
    EXPECT_EQ(finish.calls, 0);
    advance(0.3);
    EXPECT_EQ(finish.calls, 1);
    EXPECT_FALSE(finish.type);
    EXPECT_FALSE(finish.completed);
    EXPECT_EQ(presenter->presentedViewController(), nullptr);
    // The presenter never left the screen.
    EXPECT_TRUE(m_log->empty());
}

TEST_F(ActivityViewControllerTest, ATappedRowChoosesItsActivityAndTheHostCarriesItOut)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    auto presentAndTapRow = [&](Finish& finish, const char* title) {
        auto sheet = presentedSheet(presenter, finish);
        auto row = std::dynamic_pointer_cast<UIButton>(findViewByText(sheet->view(), title));
        ASSERT_TRUE(row) << title;
        tapView(row);
        EXPECT_TRUE(sheet->isFinished());
        advance(0.3);
    };

    // Without a host handler the chosen activity counts as done.
    Finish saved;
    presentAndTapRow(saved, "Save Image");
    EXPECT_EQ(saved.calls, 1);
    EXPECT_EQ(saved.type, UIActivityTypeSaveToCameraRoll);
    EXPECT_TRUE(saved.completed);

    // The host's handler runs once the sheet has gone, before the completion, which gets its answer.
    Log log;
    Finish mailed;
    UIActivityViewController::setHostActivityHandler(
        [&](const UIActivityType& type, const std::vector<UIActivityItem>& items) {
            const bool gone = !presenter->presentedViewController();
            log.push_back(UIActivityViewController::titleOf(type) + (gone ? ", gone, " : ", shown, ") +
                          std::to_string(items.size()) + " item, completion " + std::to_string(mailed.calls));
            return type != UIActivityTypeMail;
        });
    presentAndTapRow(mailed, "Mail");
    EXPECT_EQ(log, (Log{"Mail, gone, 1 item, completion 0"}));
    EXPECT_EQ(mailed.type, UIActivityTypeMail);
    EXPECT_FALSE(mailed.completed);

    // performActivity goes the same way; Cancel asks the host nothing.
    Finish messaged;
    ASSERT_TRUE(presentedSheet(presenter, messaged)->performActivity(UIActivityTypeMessage));
    advance(0.3);
    EXPECT_TRUE(messaged.completed);
    Finish cancelled;
    presentedSheet(presenter, cancelled)->cancel();
    advance(0.3);
    EXPECT_EQ(cancelled.calls, 1);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ActivityViewControllerTest, SavingWritesTheImageItemAsPNG)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    // The image is saved already: the host is not asked to save it again.
    int hostCalls = 0;
    UIActivityViewController::setHostActivityHandler([&](const auto&, const auto&) { return bool(++hostCalls); });
    Finish finish;
    auto sheet = presentedSheet(presenter, finish);
    auto path = artifactPath("activity_sheet_saved.png");
    std::remove(path.c_str());

    ASSERT_TRUE(sheet->saveImageItem(path));
    advance(0.3);
    EXPECT_EQ(finish.calls, 1);
    EXPECT_EQ(finish.type, UIActivityTypeSaveToCameraRoll);
    EXPECT_TRUE(finish.completed);
    EXPECT_EQ(hostCalls, 0);
    auto saved = UIImage::contentsOfFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->pixelWidth(), 60);
    EXPECT_EQ(saved->pixelHeight(), 40);
    EXPECT_EQ(saved->pixelAt(10, 10).r, 255);
    EXPECT_EQ(saved->pixelAt(10, 10).g, 0);

    // Finished once only.
    EXPECT_FALSE(sheet->performActivity(UIActivityTypeMail));
    advance(0.3);
    EXPECT_EQ(finish.calls, 1);
}

TEST_F(ActivityViewControllerTest, RefusesWhatItDoesNotOffer)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    auto text = UIActivityViewController::create({UIActivityItem::text("no image here")});
    presenter->present(text, false);
    RunLoop::main().runUntilIdle();
    DebugLogCapture capture;
    EXPECT_FALSE(text->saveImageItem(artifactPath("never_written.png")));
    EXPECT_FALSE(text->performActivity(UIActivityTypeAssignToContact));
    EXPECT_EQ(capture.lines().size(), 2u);
    EXPECT_EQ(presenter->presentedViewController(), text);

    text->setExcludedActivityTypes({UIActivityTypeMail});
    EXPECT_FALSE(text->performActivity(UIActivityTypeMail));
    EXPECT_TRUE(text->performActivity(UIActivityTypeMessage));
    advance(0.3);
    EXPECT_EQ(presenter->presentedViewController(), nullptr);
}

} // namespace
