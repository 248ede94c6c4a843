#include "ConstraintTestSupport.h"

#include "platform/ui/NSLayoutAnchor.h"
#include "platform/ui/UILayoutGuide.h"

namespace platform {
namespace {

using A = NSLayoutAttribute;
using R = NSLayoutRelation;
using testsupport::ConstraintTest;
using testsupport::expectRectNear;

using AnchorTest = ConstraintTest;

TEST_F(AnchorTest, AnchorsMakeTheConstraintsTheyName)
{
    auto a = NSObject::create<UIView>();
    auto b = NSObject::create<UIView>();
    struct Case {
        NSLayoutConstraintPtr constraint;
        A first;
        R relation;
        std::shared_ptr<NSObject> second;
        A secondAttribute;
        double multiplier;
        double constant;
    };
    const Case cases[] = {
        {anchors(a).top.constraintEqualTo(anchors(b).bottom, 8), A::top, R::equal, b, A::bottom, 1, 8},
        {anchors(a).leading.constraintGreaterThanOrEqualTo(anchors(b).trailing), A::leading, R::greaterThanOrEqual, b,
         A::trailing, 1, 0},
        {anchors(a).centerX.constraintLessThanOrEqualTo(anchors(b).centerX, -4), A::centerX, R::lessThanOrEqual, b,
         A::centerX, 1, -4},
        {anchors(a).centerY.constraintEqualTo(anchors(b).centerY), A::centerY, R::equal, b, A::centerY, 1, 0},
        {anchors(a).width.constraintEqualToConstant(40), A::width, R::equal, nullptr, A::notAnAttribute, 1, 40},
        {anchors(a).height.constraintGreaterThanOrEqualToConstant(10), A::height, R::greaterThanOrEqual, nullptr,
         A::notAnAttribute, 1, 10},
        {anchors(a).height.constraintLessThanOrEqualToConstant(90), A::height, R::lessThanOrEqual, nullptr,
         A::notAnAttribute, 1, 90},
        {anchors(a).width.constraintEqualTo(anchors(b).height, 0.5, 3), A::width, R::equal, b, A::height, 0.5, 3},
        {anchors(a).width.constraintEqualTo(anchors(b).width, 2), A::width, R::equal, b, A::width, 1, 2},
        {anchors(a).right.constraintEqualTo(anchors(b).left), A::right, R::equal, b, A::left, 1, 0},
    };
    for (const Case& expected : cases) {
        const auto& constraint = *expected.constraint;
        EXPECT_EQ(constraint.firstItem(), a);
        EXPECT_EQ(constraint.firstAttribute(), expected.first);
        EXPECT_EQ(constraint.relation(), expected.relation);
        EXPECT_EQ(constraint.secondItem(), expected.second);
        EXPECT_EQ(constraint.secondAttribute(), expected.secondAttribute);
        EXPECT_EQ(constraint.multiplier(), expected.multiplier);
        EXPECT_EQ(constraint.constant(), expected.constant);
        EXPECT_TRUE(constraint.isValid());
        EXPECT_FALSE(constraint.isActive());
    }
    // Anchors hold their item weakly.
    auto anchor = anchors(a).top;
    std::weak_ptr<UIView> weak = a;
    a.reset();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(anchor.item(), nullptr);
}

TEST_F(AnchorTest, AnchorsLayOutViewsAndGuides)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 320, 200));
    auto title = constrainedChild(root);
    auto body = constrainedChild(root);
    auto margin = NSObject::create<UILayoutGuide>();
    root->addLayoutGuide(margin);
    auto rootAnchors = anchors(root);
    auto marginAnchors = anchors(margin);
    auto titleAnchors = anchors(title);
    auto bodyAnchors = anchors(body);
    NSLayoutConstraint::activate({
        marginAnchors.leading.constraintEqualTo(rootAnchors.leading, 16),
        marginAnchors.trailing.constraintEqualTo(rootAnchors.trailing, -16),
        marginAnchors.top.constraintEqualTo(rootAnchors.top, 8),
        marginAnchors.bottom.constraintEqualTo(rootAnchors.bottom, -8),
        titleAnchors.leading.constraintEqualTo(marginAnchors.leading),
        titleAnchors.trailing.constraintEqualTo(marginAnchors.trailing),
        titleAnchors.top.constraintEqualTo(marginAnchors.top),
        titleAnchors.height.constraintEqualToConstant(20),
        bodyAnchors.top.constraintEqualTo(titleAnchors.bottom, 4),
        bodyAnchors.bottom.constraintEqualTo(marginAnchors.bottom),
        bodyAnchors.centerX.constraintEqualTo(marginAnchors.centerX),
        bodyAnchors.width.constraintEqualTo(titleAnchors.width, 0.5, 0),
    });
    root->layoutIfNeeded();
    expectRectNear(margin->layoutFrame(), {16, 8, 288, 184});
    expectRectNear(title->frame(), {16, 8, 288, 20});
    expectRectNear(body->frame(), {88, 32, 144, 160});
}

} // namespace
} // namespace platform
