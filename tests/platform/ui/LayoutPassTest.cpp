#include "ViewTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewLayoutEngine.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::expectRectNear;
using testsupport::TestWindowView;

std::vector<std::string>& calls()
{
    static std::vector<std::string> lines;
    return lines;
}

class PassView : public UIView {
public:
    explicit PassView(std::string name, bool callsBase = true) : m_name(std::move(name)), m_callsBase(callsBase) {}
    std::function<void()> duringLayout;
    void updateConstraints() override
    {
        calls().push_back("update " + m_name);
        UIView::updateConstraints();
    }
    void layoutSubviews() override
    {
        calls().push_back("layout " + m_name);
        if (m_callsBase) {
            UIView::layoutSubviews();
        }
        if (duringLayout) {
            duringLayout();
        }
    }

private:
    std::string m_name;
    bool m_callsBase;
};

// Stands in for the constraint engine: hands out fixed frames and counts solves.
class FixedFramesEngine : public UIViewLayoutEngine {
public:
    std::map<UIView*, CGRect> frames;
    int solves = 0;
    void solve(UIView&) override
    {
        ++solves;
        calls().push_back("solve");
        for (const auto& [view, frame] : frames) {
            view->setEngineFrame(frame);
        }
    }
};

class LayoutPassTest : public testsupport::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        calls().clear();
    }
    void TearDown() override
    {
        setViewLayoutEngine(nullptr);
        ViewTest::TearDown();
    }
};

TEST_F(LayoutPassTest, ConstraintsUpdateBottomUpThenLayoutRunsTopDown)
{
    auto root = NSObject::create<PassView>("root");
    auto a = NSObject::create<PassView>("a");
    auto a1 = NSObject::create<PassView>("a1");
    auto b = NSObject::create<PassView>("b");
    root->addSubview(a);
    a->addSubview(a1);
    root->addSubview(b);
    auto engine = std::make_shared<FixedFramesEngine>();
    setViewLayoutEngine(engine);

    root->layoutIfNeeded();
    EXPECT_EQ(calls(), (std::vector<std::string>{"update a1", "update a", "update b", "update root", "solve",
                                                 "layout root", "layout a", "layout a1", "layout b"}));

    // Nothing dirty: nothing runs.
    calls().clear();
    root->layoutIfNeeded();
    EXPECT_TRUE(calls().empty());

    // Only the marked views run; marking a deep view lays out only it (its ancestors are merely
    // on the path).
    a1->setNeedsUpdateConstraints();
    a1->setNeedsLayout();
    root->layoutIfNeeded();
    EXPECT_EQ(calls(), (std::vector<std::string>{"update a1", "solve", "layout a1"}));

    // layoutIfNeeded on a child whose parent needs layout starts at the parent.
    calls().clear();
    a->setNeedsLayout();
    a1->layoutIfNeeded();
    EXPECT_EQ(calls(), (std::vector<std::string>{"solve", "layout a"}));
}

TEST_F(LayoutPassTest, BaseLayoutAppliesSolvedFramesAndAnOverrideThatSkipsItKeepsFrames)
{
    auto engine = std::make_shared<FixedFramesEngine>();
    setViewLayoutEngine(engine);
    auto root = NSObject::create<PassView>("root");
    auto keeper = NSObject::create<PassView>("keeper", false);
    auto constrained = NSObject::create<UIView>(CGRect(0, 0, 1, 1));
    auto kept = NSObject::create<UIView>(CGRect(0, 0, 1, 1));
    auto translating = NSObject::create<UIView>(CGRect(3, 3, 3, 3));
    root->addSubview(constrained);
    root->addSubview(translating);
    root->addSubview(keeper);
    keeper->addSubview(kept);
    constrained->setTranslatesAutoresizingMaskIntoConstraints(false);
    kept->setTranslatesAutoresizingMaskIntoConstraints(false);
    engine->frames = {
        {constrained.get(), {10, 20, 30, 40}}, {kept.get(), {5, 5, 5, 5}}, {translating.get(), {9, 9, 9, 9}}};

    // A rotated view is placed by centre and bounds, so it keeps its transform.
    constrained->setTransform(CGAffineTransform::makeRotation(0.3));
    root->layoutIfNeeded();
    EXPECT_EQ(constrained->center(), (CGPoint{25, 40}));
    EXPECT_EQ(constrained->bounds().size, (CGSize{30, 40}));
    EXPECT_EQ(constrained->transform(), CGAffineTransform::makeRotation(0.3));
    expectRectNear(kept->frame(), {0, 0, 1, 1});        // its parent skipped the base
    expectRectNear(translating->frame(), {3, 3, 3, 3}); // frames given in code stay

    // A new solved frame marks the parent again, and the next pass applies it.
    engine->frames[constrained.get()] = {0, 0, 50, 50};
    calls().clear();
    root->setNeedsUpdateConstraints();
    root->layoutIfNeeded();
    EXPECT_EQ(constrained->center(), (CGPoint{25, 25}));
}

TEST_F(LayoutPassTest, ReentrantAndSelfDirtyingLayoutsStayBounded)
{
    auto root = NSObject::create<PassView>("root");
    auto child = NSObject::create<PassView>("child");
    root->addSubview(child);
    root->layoutIfNeeded();

    // Calling layoutIfNeeded from inside layoutSubviews is safe.
    int inner = 0;
    child->duringLayout = [&] {
        ++inner;
        root->layoutIfNeeded();
        child->layoutIfNeeded();
    };
    child->setNeedsLayout();
    root->layoutIfNeeded();
    EXPECT_EQ(inner, 1);

    // A layout that always dirties itself again stops after a bounded number of passes.
    child->duringLayout = [&] { child->setNeedsLayout(); };
    child->setNeedsLayout();
    calls().clear();
    DebugLogCapture capture;
    root->layoutIfNeeded();
    EXPECT_TRUE(capture.contains("did not settle"));
    EXPECT_LE(calls().size(), 12u);
    child->duringLayout = nullptr;
}

TEST_F(LayoutPassTest, SizeChangesAndHierarchyChangesMarkLayout)
{
    auto root = NSObject::create<PassView>("root");
    auto child = NSObject::create<PassView>("child");
    root->addSubview(child);
    root->layoutIfNeeded();
    EXPECT_FALSE(child->needsLayout());

    child->setCenter({50, 50}); // moving does not need layout
    EXPECT_FALSE(child->needsLayout());
    child->setFrame({0, 0, 10, 10}); // resizing does
    EXPECT_TRUE(child->needsLayout());
    root->layoutIfNeeded();

    auto extra = NSObject::create<UIView>();
    root->addSubview(extra);
    EXPECT_TRUE(root->needsLayout());
    root->layoutIfNeeded();
    extra->removeFromSuperview();
    EXPECT_TRUE(root->needsLayout());

    std::uint64_t generation = UIView::layoutGeneration();
    child->setTranslatesAutoresizingMaskIntoConstraints(false);
    EXPECT_GT(UIView::layoutGeneration(), generation);

    // An intrinsic size change belongs to its view: it stamps that view, not the whole tree.
    generation = UIView::layoutGeneration();
    child->invalidateIntrinsicContentSize();
    EXPECT_EQ(UIView::layoutGeneration(), generation);
    EXPECT_EQ(child->intrinsicSizeStamp(), UIView::intrinsicSizeGeneration());
    EXPECT_LT(root->intrinsicSizeStamp(), child->intrinsicSizeStamp());
}

TEST_F(LayoutPassTest, RegisteredWindowsAreLaidOutAtTheEndOfEveryTurn)
{
    auto window = NSObject::create<TestWindowView>();
    auto content = NSObject::create<PassView>("content");
    window->addSubview(content);
    UIView::registerWindow(window);
    loop().runOnce();
    EXPECT_EQ(calls(), (std::vector<std::string>{"update content", "layout content"}));

    calls().clear();
    content->setNeedsLayout();
    window->setHidden(true);
    loop().runOnce();
    EXPECT_TRUE(calls().empty()); // hidden windows wait
    window->setHidden(false);
    loop().runOnce();
    EXPECT_EQ(calls(), (std::vector<std::string>{"layout content"}));

    UIView::unregisterWindow(*window);
    EXPECT_TRUE(UIView::registeredWindows().empty());
    content->setNeedsLayout();
    calls().clear();
    loop().runOnce();
    EXPECT_TRUE(calls().empty());
}

} // namespace
} // namespace platform
