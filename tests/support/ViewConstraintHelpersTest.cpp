#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIView.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::NSObject;
using platform::UIView;

std::shared_ptr<UIView> makeView(const CGRect& frame, const std::shared_ptr<UIView>& superview = nullptr)
{
    auto view = NSObject::create<UIView>(frame);
    if (superview)
        superview->addSubview(view);
    return view;
}

TEST(UIViewConstraintExtensions, OppositeAttributes)
{
    struct Case {
        NSLayoutAttribute attribute;
        NSLayoutAttribute withToView;
    };
    const Case cases[] = {
        {NSLayoutAttribute::top, NSLayoutAttribute::bottom},
        {NSLayoutAttribute::bottom, NSLayoutAttribute::top},
        {NSLayoutAttribute::leading, NSLayoutAttribute::trailing},
        {NSLayoutAttribute::trailing, NSLayoutAttribute::leading},
        {NSLayoutAttribute::left, NSLayoutAttribute::left},
        {NSLayoutAttribute::right, NSLayoutAttribute::right},
        {NSLayoutAttribute::width, NSLayoutAttribute::width},
        {NSLayoutAttribute::centerX, NSLayoutAttribute::centerX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getOppositeAttribute(c.attribute, true), c.withToView) << platform::attributeName(c.attribute);
        EXPECT_EQ(getOppositeAttribute(c.attribute, false), c.attribute) << platform::attributeName(c.attribute);
    }
}

TEST(UIViewConstraintExtensions, GapsMeasuredFromFrames)
{
    auto parent = makeView({0, 0, 320, 200});
    auto above = makeView({0, 10, 320, 30}, parent);
    auto left = makeView({0, 50, 40, 40}, parent);
    auto view = makeView({52, 56, 100, 40}, parent);
    auto right = makeView({170, 56, 20, 20}, parent);
    auto below = makeView({0, 120, 320, 10}, parent);

    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::top, parent, above, view), 16);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::bottom, parent, below, view), 24);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::leading, parent, left, view), 12);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::trailing, parent, right, view), 18);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::top, parent, nullptr, view), 56);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::bottom, parent, nullptr, view), 104);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::leading, parent, nullptr, view), 52);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::trailing, parent, nullptr, view), 168);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::centerX, parent, nullptr, view), 0);
    EXPECT_EQ(getConstantBetween(NSLayoutAttribute::height, parent, above, view), 0);
}

TEST(UIViewConstraintExtensions, ConstraintsFreezeTheFrameGaps)
{
    auto parent = makeView({0, 0, 320, 480});
    auto view = makeView({20, 24, 100, 40}, parent);
    auto sibling = makeView({20, 80, 100, 40}, parent);

    auto top = addConstraintOn(view, NSLayoutAttribute::top);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->firstView(), view);
    EXPECT_EQ(top->firstAttribute(), NSLayoutAttribute::top);
    EXPECT_EQ(top->secondView(), parent);
    EXPECT_EQ(top->secondAttribute(), NSLayoutAttribute::top);
    EXPECT_EQ(top->constant(), 24);
    EXPECT_EQ(top->multiplier(), 1);
    EXPECT_EQ(top->relation(), platform::NSLayoutRelation::equal);
    EXPECT_EQ(top->priority(), platform::UILayoutPriorityRequired);
    EXPECT_EQ(top->installedView(), parent);

    // Bottom towards a sibling 16 points below: sibling.top = view.bottom + 16, on the superview.
    auto bottom = addConstraintOn(view, NSLayoutAttribute::bottom, sibling);
    EXPECT_EQ(bottom->firstView(), sibling);
    EXPECT_EQ(bottom->firstAttribute(), NSLayoutAttribute::top);
    EXPECT_EQ(bottom->secondView(), view);
    EXPECT_EQ(bottom->secondAttribute(), NSLayoutAttribute::bottom);
    EXPECT_EQ(bottom->constant(), 16);
    EXPECT_EQ(bottom->installedView(), parent);

    // Trailing without a toView: superview.trailing = view.trailing + gap.
    auto trailing = addConstraintOn(view, NSLayoutAttribute::trailing);
    EXPECT_EQ(trailing->firstView(), parent);
    EXPECT_EQ(trailing->secondView(), view);
    EXPECT_EQ(trailing->constant(), 200);

    // Leading towards a sibling: view.leading = sibling.trailing + gap (may be negative).
    auto leading = addConstraintOn(sibling, NSLayoutAttribute::leading, view);
    EXPECT_EQ(leading->firstView(), sibling);
    EXPECT_EQ(leading->secondAttribute(), NSLayoutAttribute::trailing);
    EXPECT_EQ(leading->constant(), -100);

    // Width is the frame width, installed on the view itself.
    auto width = addConstraintOn(view, NSLayoutAttribute::width, sibling);
    EXPECT_EQ(width->firstView(), view);
    EXPECT_FALSE(width->hasSecondItem());
    EXPECT_EQ(width->constant(), 100);
    EXPECT_EQ(width->installedView(), view);
    EXPECT_EQ(addConstraintOn(view, NSLayoutAttribute::height)->constant(), 40);

    // Left and centre X: no swap and no measured gap.
    auto leftEdge = addConstraintOn(view, NSLayoutAttribute::left, sibling);
    EXPECT_EQ(leftEdge->secondView(), sibling);
    EXPECT_EQ(leftEdge->secondAttribute(), NSLayoutAttribute::left);
    EXPECT_EQ(leftEdge->constant(), 0);
    auto centre = addConstraintOn(view, NSLayoutAttribute::centerX);
    EXPECT_EQ(centre->secondView(), parent);
    EXPECT_EQ(centre->secondAttribute(), NSLayoutAttribute::centerX);
    EXPECT_EQ(centre->constant(), 0);

    EXPECT_TRUE(view->translatesAutoresizingMaskIntoConstraints()) << "the caller clears the flag";
}

TEST(UIViewConstraintExtensions, BottomLayoutGuideTakesAGapOfZero)
{
    auto parent = makeView({0, 0, 320, 480});
    auto guide = NSObject::create<platform::UILayoutGuide>();
    parent->addLayoutGuide(guide);
    auto view = makeView({0, 400, 320, 40}, parent); // 40 points above the bottom
    auto unused = NSObject::create<platform::UILayoutGuide>();
    auto constraint = addConstraintOn(view, NSLayoutAttribute::bottom, nullptr, guide, unused);
    EXPECT_EQ(constraint->firstGuide(), guide);
    EXPECT_EQ(constraint->firstAttribute(), NSLayoutAttribute::top);
    EXPECT_EQ(constraint->secondView(), view);
    EXPECT_EQ(constraint->secondAttribute(), NSLayoutAttribute::bottom);
    EXPECT_EQ(constraint->constant(), 0);
    EXPECT_EQ(constraint->installedView(), parent);
}

TEST(UIViewConstraintExtensions, PinnedViewsFollowTheirSuperview)
{
    auto parent = makeView({0, 0, 300, 200});
    auto header = makeView({10, 24, 100, 40}, parent);
    auto footer = makeView({20, 150, 260, 30}, parent);
    for (const auto& view : {header, footer})
        view->setTranslatesAutoresizingMaskIntoConstraints(false);
    for (auto attribute :
         {NSLayoutAttribute::top, NSLayoutAttribute::leading, NSLayoutAttribute::width, NSLayoutAttribute::height})
        addConstraintOn(header, attribute);
    for (auto attribute : {NSLayoutAttribute::bottom, NSLayoutAttribute::leading, NSLayoutAttribute::trailing,
                           NSLayoutAttribute::height})
        addConstraintOn(footer, attribute);

    parent->layoutIfNeeded();
    EXPECT_EQ(header->frame(), CGRect(10, 24, 100, 40)) << "pinned where it stood";
    EXPECT_EQ(footer->frame(), CGRect(20, 150, 260, 30));

    parent->setFrame({0, 0, 400, 300});
    parent->layoutIfNeeded();
    EXPECT_EQ(header->frame(), CGRect(10, 24, 100, 40));
    EXPECT_EQ(footer->frame(), CGRect(20, 250, 360, 30)) << "bottom and trailing gaps kept";
}

TEST(UIViewConstraintExtensions, EdgeWithoutSuperviewGivesAnInactiveConstraint)
{
    auto loose = makeView({0, 24, 50, 50});
    platform::DebugLogCapture log;
    auto constraint = addConstraintOn(loose, NSLayoutAttribute::top);
    ASSERT_TRUE(constraint);
    EXPECT_FALSE(constraint->isActive());
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(loose->constraints().empty());

    // Width and height need no superview.
    auto width = addConstraintOn(loose, NSLayoutAttribute::width);
    EXPECT_TRUE(width->isActive());
    EXPECT_EQ(log.lines().size(), 1u);

    EXPECT_EQ(addConstraintOn(nullptr, NSLayoutAttribute::top), nullptr);
}

TEST(UIViewConstraintExtensions, ToViewOutsideTheSiblingsIsMeasuredInTheSuperviewsSpace)
{
    // `nested` sits 20 points into `box`, so its bottom edge is at 150 in `parent`'s space.
    auto parent = makeView({0, 0, 300, 300});
    auto box = makeView({0, 100, 300, 60}, parent);
    auto nested = makeView({0, 20, 100, 30}, box);
    auto label = makeView({10, 170, 100, 20}, parent);
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    auto top = addConstraintOn(label, NSLayoutAttribute::top, nested);
    ASSERT_TRUE(top);
    EXPECT_DOUBLE_EQ(top->constant(), 20);
    for (auto attribute : {NSLayoutAttribute::leading, NSLayoutAttribute::width, NSLayoutAttribute::height})
        addConstraintOn(label, attribute);
    parent->layoutIfNeeded();
    EXPECT_EQ(label->frame(), CGRect(10, 170, 100, 20)) << "kept where it stood";

    // A view of another hierarchy cannot be related: one debug line, an inactive constraint.
    auto stranger = makeView({0, 0, 50, 50});
    platform::DebugLogCapture log;
    auto foreign = addConstraintOn(label, NSLayoutAttribute::top, stranger);
    ASSERT_TRUE(foreign);
    EXPECT_FALSE(foreign->isActive());
    EXPECT_EQ(log.lines().size(), 1u);
    parent->layoutIfNeeded();
    EXPECT_EQ(label->frame(), CGRect(10, 170, 100, 20));
}

} // namespace
} // namespace tavro
