// The constraint engine across a tree: the pass order with real constraints, constraints between
// views in different superviews, scroll views, fitting sizes, and trees that change.
#include "ConstraintTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIScrollView.h"

#include <string>
#include <vector>

namespace platform {
namespace {

using namespace testsupport;

using LayoutEngineTreeTest = ConstraintTest;

std::vector<std::string>& calls()
{
    static std::vector<std::string> lines;
    return lines;
}

// Makes its constraints once, in its first updateConstraints(), as the framework's views do;
// optionally skips the base layoutSubviews().
class SelfPinningView : public UIView {
public:
    SelfPinningView(std::string name, bool callsBaseLayout)
        : m_name(std::move(name)), m_callsBaseLayout(callsBaseLayout)
    {
    }
    UIViewPtr child;
    void updateConstraints() override
    {
        calls().push_back("update " + m_name);
        if (!m_didSetConstraints && child) {
            m_didSetConstraints = true;
            pinEqual(child, A::left, sharedFromThis<UIView>(), 4);
            pinEqual(child, A::top, sharedFromThis<UIView>(), 4);
            pinEqual(child, A::width, sharedFromThis<UIView>(), -8);
            sizeConstraint(child, A::height, 10);
        }
        UIView::updateConstraints();
    }
    void layoutSubviews() override
    {
        calls().push_back("layout " + m_name);
        if (m_callsBaseLayout) {
            UIView::layoutSubviews();
        }
    }

private:
    std::string m_name;
    bool m_callsBaseLayout;
    bool m_didSetConstraints = false;
};

TEST_F(LayoutEngineTreeTest, AViewWhoseLayoutSubviewsSkipsTheBaseKeepsItsChildrensFrames)
{
    calls().clear();
    auto root = NSObject::create<SelfPinningView>("root", true);
    root->setFrame({0, 0, 200, 100});
    auto normal = NSObject::create<SelfPinningView>("normal", true);
    auto custom = NSObject::create<SelfPinningView>("custom", false);
    normal->setFrame({0, 0, 100, 40});
    custom->setFrame({0, 50, 100, 40});
    root->addSubview(normal);
    root->addSubview(custom);
    normal->child = constrainedChild(normal, {1, 1, 1, 1});
    custom->child = constrainedChild(custom, {1, 1, 1, 1});

    root->layoutIfNeeded();
    // Constraints bottom-up (the ones made there are solved in the same pass), then layout
    // top-down.
    ASSERT_GE(calls().size(), 6u);
    EXPECT_EQ(std::vector<std::string>(calls().begin(), calls().begin() + 6),
              (std::vector<std::string>{"update normal", "update custom", "update root", "layout root", "layout normal",
                                        "layout custom"}));
    expectRectNear(normal->child->frame(), {4, 4, 92, 10});
    expectRectNear(custom->child->frame(), {1, 1, 1, 1});
    ASSERT_TRUE(custom->child->engineFrame().has_value());
    expectRectNear(*custom->child->engineFrame(), {4, 4, 92, 10});
}

TEST_F(LayoutEngineTreeTest, ConstraintsBetweenViewsInDifferentSuperviewsShareOneCoordinateSpace)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 320, 480));
    auto left = NSObject::create<UIView>(CGRect(0, 100, 150, 200)); // placed by frame
    auto right = constrainedChild(root);                            // placed by constraints
    root->addSubview(left);
    pinEqual(right, A::top, root, 30);
    activeConstraint(right, A::left, R::equal, left, A::right, 1, 10);
    pinEqual(root, A::trailing, right);
    pinEqual(right, A::bottom, root);
    auto deep = constrainedChild(right); // inside a constrained box inside the root
    auto label = constrainedChild(left);
    pinEqual(label, A::top, left, 10);
    pinEqual(label, A::left, left, 5);
    sizeConstraint(label, A::width, 50);
    sizeConstraint(label, A::height, 20);
    // Cousins: aligned in the root's space, placed in their own superviews' spaces.
    pinEqual(deep, A::top, label);
    pinEqual(deep, A::height, label);
    pinEqual(deep, A::centerX, right);
    sizeConstraint(deep, A::width, 40);

    root->layoutIfNeeded();
    expectRectNear(right->frame(), {160, 30, 160, 450});
    expectRectNear(label->frame(), {5, 10, 50, 20});
    expectRectNear(deep->frame(), {60, 80, 40, 20}); // root y 110 = 30 + 80

    // Moving the frame-placed box moves the label, and its cousin with it.
    left->setFrame({0, 120, 150, 200});
    root->setNeedsLayout();
    root->layoutIfNeeded();
    expectRectNear(deep->frame(), {60, 100, 40, 20});
}

TEST_F(LayoutEngineTreeTest, ScrollViewEdgesAreContentCoordinates)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 375, 667));
    auto scroll = NSObject::create<UIScrollView>(CGRect(0, 0, 375, 300));
    root->addSubview(scroll);
    std::vector<UIViewPtr> rows;
    std::vector<NSLayoutConstraintPtr> heights;
    for (int index = 0; index < 2; ++index) {
        auto row = constrainedChild(scroll);
        if (rows.empty()) {
            pinEqual(row, A::top, scroll, 10);
        } else {
            activeConstraint(row, A::top, R::equal, rows.back(), A::bottom, 1, 0);
        }
        pinEqual(row, A::leading, scroll);
        pinEqual(scroll, A::trailing, row);
        pinEqual(row, A::width, scroll);
        heights.push_back(sizeConstraint(row, A::height, 100));
        rows.push_back(row);
    }
    // The closing constraint a form adds: the frames' gap to the scroll view's bottom.
    activeConstraint(scroll, A::bottom, R::equal, rows.back(), A::bottom, 1, 90);
    auto centred = constrainedChild(scroll);
    pinEqual(centred, A::centerX, scroll);
    pinEqual(centred, A::top, rows.back(), 0);
    sizeConstraint(centred, A::width, 100);
    sizeConstraint(centred, A::height, 10);

    DebugLogCapture capture;
    scroll->setContentOffset({0, 150});
    root->layoutIfNeeded();
    expectRectNear(rows[0]->frame(), {0, 10, 375, 100});
    expectRectNear(rows[1]->frame(), {0, 110, 375, 100});
    expectRectNear(centred->frame(), {137.5, 110, 100, 10});

    // Content grows past the visible height: the content's extent follows, nothing conflicts.
    heights[1]->setConstant(400);
    root->layoutIfNeeded();
    expectRectNear(rows[1]->frame(), {0, 110, 375, 400});
    expectRectNear(scroll->frame(), {0, 0, 375, 300});
    EXPECT_EQ(scroll->contentOffset(), (CGPoint{0, 150}));
    EXPECT_TRUE(capture.lines().empty());
}

TEST_F(LayoutEngineTreeTest, FittingSizeFollowsTheContentAtAGivenWidth)
{
    auto content = NSObject::create<UIView>(CGRect(0, 0, 320, 44));
    auto label = constrainedChild<IntrinsicView>(content);
    label->setIntrinsic({100, 20});
    pinEqual(label, A::top, content, 10);
    pinEqual(content, A::bottom, label, 12);
    pinEqual(label, A::leading, content, 16);
    pinEqual(content, A::trailing, label, 16);

    EXPECT_EQ(content->systemLayoutSizeFitting({320, 0}), (CGSize{320, 42}));
    // Compressed: the label's hugging decides the width too.
    EXPECT_EQ(content->systemLayoutSizeFitting({0, 0}), (CGSize{132, 42}));
    // A held width beats the label's compression resistance.
    label->setIntrinsic({500, 30});
    EXPECT_EQ(content->systemLayoutSizeFitting({320, 0}), (CGSize{320, 52}));
    // Fitting leaves every frame as it was.
    expectRectNear(content->frame(), {0, 0, 320, 44});
    // Through the engine directly, with both sizes at the fitting level.
    EXPECT_EQ(ConstraintLayoutEngine::fittingSize(*content, {320, 0}, 50, 50), (CGSize{532, 52}));
}

TEST_F(LayoutEngineTreeTest, TreesThatChangeOrDieAreFollowed)
{
    auto container = NSObject::create<UIView>(CGRect(0, 0, 200, 100));
    auto child = constrainedChild(container);
    pinEqual(child, A::left, container, 10);
    pinEqual(child, A::top, container, 10);
    pinEqual(child, A::width, container, -20);
    sizeConstraint(child, A::height, 10);
    container->layoutIfNeeded();
    expectRectNear(child->frame(), {10, 10, 180, 10});
    EXPECT_EQ(m_engine->trackedTreeCount(), 1u);

    // The laid-out container joins a window-like root: its constraints now solve in that tree.
    auto window = NSObject::create<testsupport::TestWindowView>(CGRect(0, 0, 400, 400));
    window->addSubview(container);
    container->setTranslatesAutoresizingMaskIntoConstraints(false);
    pinEqual(container, A::left, window);
    pinEqual(container, A::top, window);
    pinEqual(container, A::width, window);
    sizeConstraint(container, A::height, 50);
    window->layoutIfNeeded();
    EXPECT_EQ(m_engine->trackedTreeCount(), 1u);
    expectRectNear(container->frame(), {0, 0, 400, 50});
    expectRectNear(child->frame(), {10, 10, 380, 10});

    // A constrained view leaves the tree: constraints that name it are left out, quietly; a view
    // it left behind no longer gets a solved frame.
    DebugLogCapture capture;
    auto sibling = constrainedChild(container);
    activeConstraint(sibling, A::top, R::equal, child, A::bottom, 1, 5);
    window->layoutIfNeeded();
    child->removeFromSuperview();
    window->layoutIfNeeded();
    EXPECT_TRUE(capture.lines().empty());
    EXPECT_FALSE(child->engineFrame().has_value());

    // Dead roots are forgotten.
    std::weak_ptr<UIView> weakWindow = window;
    window.reset();
    container.reset();
    sibling.reset();
    auto other = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
    other->layoutIfNeeded();
    EXPECT_TRUE(weakWindow.expired());
    EXPECT_EQ(m_engine->trackedTreeCount(), 1u);
}

} // namespace
} // namespace platform
