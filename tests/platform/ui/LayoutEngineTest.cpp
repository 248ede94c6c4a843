#include "ConstraintTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ScreenScale.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UITextField.h"

#include <cmath>
#include <vector>

namespace platform {
namespace {

using namespace testsupport;

class LayoutEngineTest : public ConstraintTest {
protected:
    UIViewPtr m_root = NSObject::create<UIView>(CGRect(0, 0, 300, 200));
};

TEST_F(LayoutEngineTest, PinnedEdgesCentringAndNestedViews)
{
    auto pinned = constrainedChild(m_root);
    pinEqual(pinned, A::leading, m_root, 10);
    pinEqual(m_root, A::trailing, pinned, 20); // the superview's edge first, as frame gaps are written
    pinEqual(pinned, A::top, m_root, 5);
    pinEqual(pinned, A::bottom, m_root, -15);
    auto centred = constrainedChild(m_root);
    sizeConstraint(centred, A::width, 50);
    sizeConstraint(centred, A::height, 40);
    pinEqual(centred, A::centerX, m_root);
    pinEqual(centred, A::centerY, m_root, 10);
    auto inner = constrainedChild(pinned);
    pinEqual(inner, A::left, pinned, 2);
    pinEqual(inner, A::top, pinned);
    activeConstraint(inner, A::width, R::equal, pinned, A::width, 0.5, 0);
    sizeConstraint(inner, A::height, 10);

    m_root->layoutIfNeeded();
    expectRectNear(pinned->frame(), {10, 5, 270, 180});
    expectRectNear(centred->frame(), {125, 90, 50, 40});
    expectRectNear(inner->frame(), {2, 0, 135, 10}); // in its superview's space
    expectRectNear(m_root->frame(), {0, 0, 300, 200});

    // The container resizes: everything that hangs on its edges follows in the next pass.
    m_root->setFrame({0, 0, 400, 300});
    m_root->layoutIfNeeded();
    expectRectNear(pinned->frame(), {10, 5, 370, 280});
    expectRectNear(centred->frame(), {175, 140, 50, 40});
    expectRectNear(inner->frame(), {2, 0, 185, 10});
}

TEST_F(LayoutEngineTest, HigherPrioritiesWinWhateverTheirNumber)
{
    auto view = constrainedChild(m_root);
    pinEqual(view, A::left, m_root);
    pinEqual(view, A::top, m_root);
    sizeConstraint(view, A::height, 10);
    auto soft = sizeConstraint(view, A::width, 100, 800);
    for (int index = 0; index < 10; ++index) {
        sizeConstraint(view, A::width, 250, 750);
    }
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 100);

    auto required = sizeConstraint(view, A::width, 50);
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 50);

    required->setActive(false);
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 100);

    soft->setPriority(700); // now below the 750s
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 250);

    // Inequalities: at least 260 at 760 beats the ten 750s.
    sizeConstraint(view, A::width, 260, 760, R::greaterThanOrEqual);
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 260);
}

TEST_F(LayoutEngineTest, IntrinsicSizeWithHuggingAndCompressionResistance)
{
    auto label = constrainedChild<IntrinsicView>(m_root, {5, 5, 1, 1});
    label->setIntrinsic({120, 20});
    pinEqual(label, A::left, m_root);
    pinEqual(label, A::top, m_root);
    m_root->layoutIfNeeded();
    expectRectNear(label->frame(), {0, 0, 120, 20});

    // Hugging (250) gives way to a width at 500; compression resistance (750) does not.
    auto wider = sizeConstraint(label, A::width, 300, 500);
    m_root->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 300);
    wider->setConstant(50);
    m_root->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 120);
    label->setContentCompressionResistancePriority(400, UILayoutConstraintAxis::horizontal);
    m_root->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 50);

    // A new intrinsic size is picked up; a required limit compresses whatever the priority.
    wider->setActive(false);
    label->setContentCompressionResistancePriority(750, UILayoutConstraintAxis::horizontal);
    label->setIntrinsic({80, 30});
    m_root->layoutIfNeeded();
    expectRectNear(label->frame(), {0, 0, 80, 30});
    sizeConstraint(label, A::width, 60, 1000, R::lessThanOrEqual);
    m_root->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 60);

    // A view that translates its autoresizing mask keeps its frame whatever its intrinsic size.
    auto framed = NSObject::create<IntrinsicView>(CGRect(1, 2, 3, 4));
    framed->setIntrinsic({100, 100});
    m_root->addSubview(framed);
    m_root->layoutIfNeeded();
    expectRectNear(framed->frame(), {1, 2, 3, 4});
}

// Counts how often the engine measures it.
class MeasuredView : public IntrinsicView {
public:
    using IntrinsicView::IntrinsicView;
    CGSize intrinsicContentSize() const override
    {
        ++measurements;
        return IntrinsicView::intrinsicContentSize();
    }
    mutable int measurements = 0;
};

TEST_F(LayoutEngineTest, OnlyViewsWhoseIntrinsicSizeChangedAreMeasuredAgain)
{
    std::vector<std::shared_ptr<MeasuredView>> views;
    for (int index = 0; index < 3; ++index) {
        auto view = constrainedChild<MeasuredView>(m_root);
        view->setIntrinsic({40, 20});
        pinEqual(view, A::left, m_root, 50 * index);
        pinEqual(view, A::top, m_root);
        views.push_back(view);
    }
    m_root->layoutIfNeeded();
    auto measurements = [&] {
        std::vector<int> counts;
        for (const auto& view : views) {
            counts.push_back(view->measurements);
            view->measurements = 0;
        }
        return counts;
    };
    EXPECT_EQ(measurements(), std::vector<int>({1, 1, 1}));

    views[1]->setIntrinsic({70, 25});
    m_root->layoutIfNeeded();
    EXPECT_EQ(measurements(), std::vector<int>({0, 1, 0}));
    expectRectNear(views[1]->frame(), {50, 0, 70, 25});

    // Re-reading the tree after its constraints changed measures nothing that did not change,
    // while a view invalidated meanwhile is still picked up.
    sizeConstraint(views[2], A::height, 30);
    views[0]->setIntrinsic({45, 20});
    m_root->layoutIfNeeded();
    EXPECT_EQ(measurements(), std::vector<int>({1, 0, 0}));
    expectRectNear(views[0]->frame(), {0, 0, 45, 20});
    EXPECT_EQ(views[2]->frame().height(), 30);

    // A view that starts translating its mask and back is measured afresh.
    views[2]->setTranslatesAutoresizingMaskIntoConstraints(true);
    m_root->layoutIfNeeded();
    views[2]->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_root->layoutIfNeeded();
    EXPECT_EQ(measurements(), std::vector<int>({0, 0, 1}));
    EXPECT_EQ(views[2]->frame().width(), 40);
}

TEST_F(LayoutEngineTest, ATextFieldGrowsWhenItGetsALeftViewAfterItsFirstLayout)
{
    auto field = constrainedChild<UITextField>(m_root);
    field->setText("Amount");
    pinEqual(field, A::left, m_root);
    pinEqual(field, A::top, m_root);
    m_root->layoutIfNeeded();
    const double plainWidth = field->frame().width();

    field->setLeftView(NSObject::create<UIView>(CGRect(0, 0, 30, 10)));
    field->setLeftViewMode(UITextFieldViewMode::always);
    m_root->layoutIfNeeded();
    EXPECT_NEAR(field->frame().width(), plainWidth + 30, 0.5);
}

// A view whose layout changes the constant of a constraint on a subview laid out after it.
class ResizingParent : public UIView {
public:
    using UIView::UIView;
    std::shared_ptr<NSLayoutConstraint> height;
    void layoutSubviews() override
    {
        UIView::layoutSubviews();
        if (height)
            height->setConstant(50);
    }
};

TEST_F(LayoutEngineTest, AConstantChangedDuringLayoutIsAppliedInTheSamePass)
{
    auto parent = constrainedChild<ResizingParent>(m_root);
    pinEqual(parent, A::left, m_root);
    pinEqual(parent, A::top, m_root);
    sizeConstraint(parent, A::width, 100);
    sizeConstraint(parent, A::height, 100);
    auto inner = constrainedChild(parent);
    pinEqual(inner, A::left, parent);
    pinEqual(inner, A::top, parent);
    sizeConstraint(inner, A::width, 10);
    parent->height = sizeConstraint(inner, A::height, 20);
    // The subview is dirty too when its parent's layout runs, so marking it stops there.
    inner->setNeedsLayout();

    m_root->layoutIfNeeded();
    EXPECT_EQ(inner->frame().height(), 50);
}

TEST_F(LayoutEngineTest, ViewsThatTranslateTheirMaskKeepTheirFramesAndOthersFollowThem)
{
    auto fixed = NSObject::create<UIView>(CGRect(20, 30, 100, 50));
    m_root->addSubview(fixed);
    auto follower = constrainedChild(m_root);
    activeConstraint(follower, A::top, R::equal, fixed, A::bottom, 1, 10);
    pinEqual(follower, A::left, fixed);
    pinEqual(follower, A::width, fixed);
    sizeConstraint(follower, A::height, 20);
    m_root->layoutIfNeeded();
    expectRectNear(follower->frame(), {20, 90, 100, 20});

    fixed->setFrame({40, 30, 60, 50});
    m_root->layoutIfNeeded();
    expectRectNear(follower->frame(), {40, 90, 60, 20});
    expectRectNear(fixed->frame(), {40, 30, 60, 50});

    // Constraints cannot move a translating view nor the root; asking to is reported and dropped.
    DebugLogCapture capture;
    sizeConstraint(fixed, A::width, 10);
    sizeConstraint(m_root, A::width, 500);
    m_root->layoutIfNeeded();
    expectRectNear(fixed->frame(), {40, 30, 60, 50});
    expectRectNear(m_root->frame(), {0, 0, 300, 200});
    EXPECT_EQ(capture.lines().size(), 2u);
    EXPECT_TRUE(capture.contains("dropped"));
}

TEST_F(LayoutEngineTest, AnUnderConstrainedViewKeepsItsFrameWhereNothingDecides)
{
    auto view = constrainedChild(m_root, {15, 25, 60, 70});
    auto top = pinEqual(view, A::top, m_root, 5);
    m_root->layoutIfNeeded();
    expectRectNear(view->frame(), {15, 5, 60, 70});

    // Code moves it: the free parts stay where code put them, the constrained part does not.
    view->setFrame({30, 50, 80, 70});
    m_root->setNeedsLayout();
    m_root->layoutIfNeeded();
    expectRectNear(view->frame(), {30, 5, 80, 70});

    // Without its constraint it keeps its last frame.
    top->setActive(false);
    m_root->layoutIfNeeded();
    expectRectNear(view->frame(), {30, 5, 80, 70});

    // Inequalities leave room: the frame stays inside it, and moves only as far as they say.
    auto bounded = constrainedChild(m_root, {0, 0, 80, 10});
    auto atLeast = sizeConstraint(bounded, A::width, 60, 1000, R::greaterThanOrEqual);
    m_root->layoutIfNeeded();
    EXPECT_EQ(bounded->frame().width(), 80);
    atLeast->setConstant(100);
    m_root->layoutIfNeeded();
    EXPECT_EQ(bounded->frame().width(), 100);

    // Two free views tied together: the one earlier in the tree keeps its place, the other follows.
    auto earlier = constrainedChild(m_root, {40, 40, 10, 10});
    auto later = constrainedChild(m_root, {90, 90, 10, 10});
    activeConstraint(later, A::left, R::equal, earlier, A::right, 1, 5);
    activeConstraint(earlier, A::top, R::equal, later, A::bottom, 1, 5);
    m_root->layoutIfNeeded();
    expectRectNear(earlier->frame(), {40, 40, 10, 10});
    expectRectNear(later->frame(), {55, 25, 10, 10});
}

TEST_F(LayoutEngineTest, AnUnsatisfiableRequiredConstraintIsLoggedOnceAndDropped)
{
    auto view = constrainedChild<IntrinsicView>(m_root);
    pinEqual(view, A::left, m_root);
    pinEqual(view, A::top, m_root, 4);
    sizeConstraint(view, A::height, 10);
    auto first = sizeConstraint(view, A::width, 100);
    DebugLogCapture capture;
    auto second = activeConstraint(view, A::width, R::equal, m_root, A::width, 1, 0);
    m_root->layoutIfNeeded();
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_NE(capture.lines()[0].find("IntrinsicView.width == UIView.width"), std::string::npos);
    EXPECT_TRUE(capture.contains("dropped"));
    expectRectNear(view->frame(), {0, 4, 100, 10});

    // Later passes, full or incremental, do not report it again.
    sizeConstraint(view, A::height, 5, 10);
    m_root->layoutIfNeeded();
    second->setConstant(-1);
    m_root->layoutIfNeeded();
    EXPECT_EQ(capture.lines().size(), 1u);

    // Once the conflict goes, the dropped constraint holds.
    first->setActive(false);
    m_root->layoutIfNeeded();
    EXPECT_EQ(view->frame().width(), 299);
    EXPECT_EQ(capture.lines().size(), 1u);

    // A constant that makes its constraint conflict drops it; what it decided keeps its frame.
    auto bar = constrainedChild(m_root, {0, 50, 10, 1});
    sizeConstraint(bar, A::height, 30, 1000, R::lessThanOrEqual);
    auto height = sizeConstraint(bar, A::height, 20);
    m_root->layoutIfNeeded();
    EXPECT_EQ(bar->frame().height(), 20);
    capture.clear();
    height->setConstant(40);
    m_root->layoutIfNeeded();
    EXPECT_EQ(capture.lines().size(), 1u);
    expectRectNear(bar->frame(), {0, 50, 10, 20});
}

// A container holding five rows stacked top to bottom, as a form does.
TEST_F(LayoutEngineTest, FormRowsMoveWhenOneRowHeightChanges)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 375, 667));
    auto container = constrainedChild(root);
    pinEqual(container, A::leading, root);
    pinEqual(container, A::trailing, root);
    pinEqual(container, A::top, root, 20);
    std::vector<UIViewPtr> rows;
    std::vector<NSLayoutConstraintPtr> heights;
    for (int index = 0; index < 5; ++index) {
        auto row = constrainedChild(container);
        pinEqual(row, A::leading, container, 16);
        pinEqual(container, A::trailing, row, 16);
        if (rows.empty()) {
            pinEqual(row, A::top, container, 10);
        } else {
            activeConstraint(row, A::top, R::equal, rows.back(), A::bottom, 1, 8);
        }
        heights.push_back(sizeConstraint(row, A::height, 44));
        rows.push_back(row);
    }
    activeConstraint(container, A::bottom, R::equal, rows.back(), A::bottom, 1, 10);
    root->layoutIfNeeded();
    for (int index = 0; index < 5; ++index) {
        expectRectNear(rows[index]->frame(), {16, 10.0 + 52 * index, 343, 44});
    }
    expectRectNear(container->frame(), {0, 20, 375, 272});

    heights[1]->setConstant(80);
    root->layoutIfNeeded();
    const double expectedTops[] = {10, 62, 150, 202, 254};
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(rows[index]->frame().minY(), expectedTops[index]) << "row " << index;
    }
    EXPECT_EQ(rows[1]->frame().height(), 80);
    EXPECT_EQ(container->frame().height(), 308);

    // Swapping one height constraint for another (remove one, install the other) works too.
    auto tall = NSLayoutConstraint::create(rows[4], A::height, R::equal, nullptr, A::notAnAttribute, 1, 100);
    rows[4]->removeConstraint(heights[4]);
    rows[4]->addConstraint(tall);
    root->layoutIfNeeded();
    EXPECT_EQ(container->frame().height(), 364);

    // The incremental result matches a solve from scratch.
    std::vector<CGRect> incremental;
    for (const auto& row : rows) {
        incremental.push_back(row->frame());
    }
    setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    for (const auto& row : rows) {
        row->setFrame({});
    }
    root->layoutIfNeeded();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        expectRectNear(rows[index]->frame(), incremental[index]);
    }
}

TEST_F(LayoutEngineTest, LayoutGuidesTakePartLikeViews)
{
    auto a = constrainedChild(m_root);
    auto b = constrainedChild(m_root);
    auto spacer = NSObject::create<UILayoutGuide>();
    m_root->addLayoutGuide(spacer);
    EXPECT_EQ(spacer->owningView(), m_root);
    for (const auto& view : {a, b}) {
        sizeConstraint(view, A::width, 50);
        sizeConstraint(view, A::height, 20);
        pinEqual(view, A::top, m_root);
    }
    pinEqual(a, A::left, m_root, 10);
    NSLayoutConstraint::activate({
        NSLayoutConstraint::create(spacer, A::left, R::equal, a, A::right, 1, 0),
        NSLayoutConstraint::create(b, A::left, R::equal, spacer, A::right, 1, 0),
        NSLayoutConstraint::create(spacer, A::width, R::equal, nullptr, A::notAnAttribute, 1, 100),
        NSLayoutConstraint::create(spacer, A::centerY, R::equal, a, A::centerY, 1, 0),
    });
    m_root->layoutIfNeeded();
    expectRectNear(b->frame(), {160, 0, 50, 20});
    expectRectNear(spacer->layoutFrame(), {60, 10, 100, 0});

    // A guide's owner is also found from the views' guide lists during a pass.
    auto footer = NSObject::create<UILayoutGuide>();
    m_root->addLayoutGuide(footer);
    m_root->addConstraints({
        NSLayoutConstraint::create(footer, A::bottom, R::equal, m_root, A::bottom, 1, 0),
        NSLayoutConstraint::create(footer, A::height, R::equal, nullptr, A::notAnAttribute, 1, 30),
        NSLayoutConstraint::create(footer, A::width, R::equal, m_root, A::width, 1, 0),
    });
    m_root->layoutIfNeeded();
    EXPECT_EQ(footer->owningView(), m_root);
    expectRectNear(footer->layoutFrame(), {0, 170, 300, 30});
}

TEST_F(LayoutEngineTest, FramesAreRoundedToThePixelGridEdgeByEdge)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 100, 10));
    std::vector<UIViewPtr> columns;
    for (int index = 0; index < 3; ++index) {
        auto column = constrainedChild(root);
        pinEqual(column, A::top, root);
        pinEqual(column, A::height, root);
        if (columns.empty()) {
            pinEqual(column, A::left, root);
        } else {
            activeConstraint(column, A::left, R::equal, columns.back(), A::right, 1, 0);
            pinEqual(column, A::width, columns.back());
        }
        columns.push_back(column);
    }
    pinEqual(columns.back(), A::right, root);
    root->layoutIfNeeded();
    double scale = mainScreenScale();
    double edge = 0;
    for (const auto& column : columns) {
        CGRect frame = column->frame();
        EXPECT_EQ(frame.minX(), edge); // no gaps, no overlaps
        EXPECT_EQ(frame.minX() * scale, std::round(frame.minX() * scale));
        EXPECT_EQ(frame.maxX() * scale, std::round(frame.maxX() * scale));
        EXPECT_NEAR(frame.width(), 100.0 / 3, 1 / scale);
        edge = frame.maxX();
    }
    EXPECT_EQ(edge, 100);
}

} // namespace
} // namespace platform
