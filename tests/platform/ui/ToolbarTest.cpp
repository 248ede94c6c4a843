#include "ControlTestSupport.h"

#include "platform/ui/UIButton.h"
#include "platform/ui/UIToolbar.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct Counter : NSObject {
    int calls = 0;
    void hit() { ++calls; }
    void hitWithSender(UIBarButtonItem& sender) { calls += sender.tag(); }
};

TEST(ToolbarTest, ItemsGoLeftToRightWithFlexibleAndFixedSpaces)
{
    auto toolbar = NSObject::create<UIToolbar>();
    auto done = UIBarButtonItem::withSystemItem(UIBarButtonSystemItem::done);
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    toolbar->sizeToFit();
    EXPECT_EQ(toolbar->bounds().height(), UIToolbar::defaultHeight);
    EXPECT_GT(toolbar->bounds().width(), 32);

    toolbar->setFrame({0, 0, 375, 44});
    toolbar->layoutIfNeeded();
    auto doneView = std::dynamic_pointer_cast<UIButton>(toolbar->viewForItem(*done));
    ASSERT_TRUE(doneView);
    EXPECT_EQ(doneView->currentTitle(), "Done");
    EXPECT_TRUE(doneView->titleLabel()->font()->isBold());
    EXPECT_DOUBLE_EQ(doneView->frame().maxX(), 375 - 16); // pushed to the right edge
    EXPECT_DOUBLE_EQ(doneView->frame().midY(), 22);

    // Fixed spaces take their width; neighbouring items are 8 apart; custom views keep their size.
    auto custom = NSObject::create<UIView>(CGRect(0, 0, 30, 20));
    auto a = UIBarButtonItem::withTitle("A");
    auto b = UIBarButtonItem::withCustomView(custom);
    auto c = UIBarButtonItem::withTitle("C");
    toolbar->setItems(
        {a, UIBarButtonItem::fixedSpace(20), b, c, UIBarButtonItem::flexibleSpace(), UIBarButtonItem::flexibleSpace()});
    toolbar->layoutIfNeeded();
    ASSERT_TRUE(toolbar->viewForItem(*a) && toolbar->viewForItem(*c));
    CGRect viewA = toolbar->viewForItem(*a)->frame();
    EXPECT_DOUBLE_EQ(viewA.minX(), 16);
    EXPECT_DOUBLE_EQ(custom->frame().minX(), viewA.maxX() + 20);
    EXPECT_EQ(custom->frame().size, (CGSize{30, 20}));
    EXPECT_DOUBLE_EQ(toolbar->viewForItem(*c)->frame().minX(), custom->frame().maxX() + 8);
    EXPECT_EQ(toolbar->viewForItem(*done), nullptr); // no longer on the bar
    EXPECT_EQ(done->owningBar(), nullptr);

    // A changed item is shown changed after the next layout.
    a->setTitle("Alpha");
    toolbar->layoutIfNeeded();
    auto shownA = std::dynamic_pointer_cast<UIButton>(toolbar->viewForItem(*a));
    ASSERT_TRUE(shownA);
    EXPECT_EQ(shownA->currentTitle(), "Alpha");
}

TEST(ToolbarTest, TappingAnItemRunsItsActionWithAWeakTarget)
{
    auto counter = NSObject::create<Counter>();
    auto item = UIBarButtonItem::withTitle("Go");
    item->setTargetAction(counter, &Counter::hit);
    EXPECT_TRUE(item->userTap());
    EXPECT_EQ(counter->calls, 1);

    item->setEnabled(false);
    EXPECT_FALSE(item->userTap());
    item->setEnabled(true);

    // Through the toolbar's button, by touch.
    auto toolbar = NSObject::create<UIToolbar>(CGRect(0, 0, 320, 44));
    toolbar->setItems({item});
    toolbar->layoutIfNeeded();
    ASSERT_TRUE(toolbar->viewForItem(*item));
    CGRect frame = toolbar->viewForItem(*item)->frame();
    testsupport::tap(toolbar, {frame.midX(), frame.midY()});
    EXPECT_EQ(counter->calls, 2);

    auto tagged = UIBarButtonItem::withTitle("Tagged");
    tagged->setTag(10);
    tagged->setTargetAction(counter, &Counter::hitWithSender);
    tagged->userTap();
    EXPECT_EQ(counter->calls, 12);

    // The item does not keep its target alive; a dead target means nothing happens.
    std::weak_ptr<Counter> watch = counter;
    counter.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(item->userTap());

    // No target at all: the action runs with none; no action: a tap does nothing.
    int plain = 0;
    auto closure = UIBarButtonItem::withTitle("Closure");
    closure->setAction([&](const std::shared_ptr<void>& target, UIBarButtonItem&) { plain += target ? 100 : 1; });
    EXPECT_TRUE(closure->userTap());
    EXPECT_EQ(plain, 1);
    EXPECT_FALSE(UIBarButtonItem::flexibleSpace()->userTap());
}

} // namespace
} // namespace platform
