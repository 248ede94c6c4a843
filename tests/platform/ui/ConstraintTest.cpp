#include "ConstraintTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILayoutGuide.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

using A = NSLayoutAttribute;
using R = NSLayoutRelation;
using testsupport::ConstraintTest;

bool holds(const UIViewPtr& view, const NSLayoutConstraintPtr& constraint)
{
    const auto& list = view->constraints();
    return std::find(list.begin(), list.end(), constraint) != list.end();
}

TEST(NSLayoutAttributeTest, RawValuesAndNames)
{
    EXPECT_EQ(static_cast<int>(A::left), 1);
    EXPECT_EQ(static_cast<int>(A::right), 2);
    EXPECT_EQ(static_cast<int>(A::top), 3);
    EXPECT_EQ(static_cast<int>(A::bottom), 4);
    EXPECT_EQ(static_cast<int>(A::leading), 5);
    EXPECT_EQ(static_cast<int>(A::trailing), 6);
    EXPECT_EQ(static_cast<int>(A::width), 7);
    EXPECT_EQ(static_cast<int>(A::height), 8);
    EXPECT_EQ(static_cast<int>(A::centerX), 9);
    EXPECT_EQ(static_cast<int>(A::centerY), 10);
    EXPECT_EQ(static_cast<int>(R::equal), 0);
    EXPECT_EQ(attributeName(A::trailing), "trailing");
    EXPECT_EQ(relationSymbol(R::greaterThanOrEqual), ">=");
}

TEST_F(ConstraintTest, CreationKeepsItsValuesAndDescribesItself)
{
    auto parent = NSObject::create<UIView>();
    auto child = NSObject::create<UIView>();
    auto constraint = NSLayoutConstraint::create(child, A::top, R::greaterThanOrEqual, parent, A::bottom, 2, 8);
    EXPECT_EQ(constraint->firstItem(), child);
    EXPECT_EQ(constraint->secondItem(), parent);
    EXPECT_EQ(constraint->firstView(), child);
    EXPECT_EQ(constraint->firstGuide(), nullptr);
    EXPECT_EQ(constraint->firstAttribute(), A::top);
    EXPECT_EQ(constraint->secondAttribute(), A::bottom);
    EXPECT_EQ(constraint->relation(), R::greaterThanOrEqual);
    EXPECT_EQ(constraint->multiplier(), 2);
    EXPECT_EQ(constraint->constant(), 8);
    EXPECT_EQ(constraint->priority(), UILayoutPriorityRequired);
    EXPECT_TRUE(constraint->isValid());
    EXPECT_FALSE(constraint->isActive());
    constraint->setIdentifier("gap");
    EXPECT_EQ(constraint->description(), "\"gap\" UIView.top >= UIView.bottom * 2 + 8 @1000");

    // Items are weak: the constraint does not keep its views alive.
    std::weak_ptr<UIView> weakChild = child;
    child.reset();
    EXPECT_TRUE(weakChild.expired());
    EXPECT_EQ(constraint->firstItem(), nullptr);
}

TEST_F(ConstraintTest, MismatchedItemsAndAttributesAreInvalidAndNeverActivate)
{
    auto parent = NSObject::create<UIView>();
    auto a = NSObject::create<UIView>();
    auto b = NSObject::create<UIView>();
    parent->addSubview(a);
    parent->addSubview(b);
    struct Case {
        std::shared_ptr<NSObject> item1;
        A attribute1;
        std::shared_ptr<NSObject> item2;
        A attribute2;
        double multiplier;
        double constant;
    };
    const Case cases[] = {
        {a, A::left, b, A::top, 1, 0},                  // horizontal with vertical
        {a, A::width, b, A::left, 1, 0},                // size with position
        {a, A::top, nullptr, A::notAnAttribute, 1, 10}, // a position cannot equal a constant
        {a, A::width, nullptr, A::width, 1, 10},        // a second attribute without an item
        {nullptr, A::width, nullptr, A::notAnAttribute, 1, 1},
        {a, A::notAnAttribute, b, A::left, 1, 0},
        {a, A::width, b, A::width, std::nan(""), 0},
        {a, A::width, nullptr, A::notAnAttribute, 1, INFINITY},
        {NSObject::create<NSObject>(), A::width, nullptr, A::notAnAttribute, 1, 1},
    };
    for (const Case& bad : cases) {
        DebugLogCapture capture;
        auto constraint = NSLayoutConstraint::create(bad.item1, bad.attribute1, R::equal, bad.item2, bad.attribute2,
                                                     bad.multiplier, bad.constant);
        EXPECT_FALSE(constraint->isValid());
        EXPECT_EQ(capture.lines().size(), 1u);
        constraint->setActive(true);
        EXPECT_FALSE(constraint->isActive());
        EXPECT_EQ(capture.lines().size(), 2u);
    }
    EXPECT_TRUE(parent->constraints().empty());

    // Widths relate to heights; centres to edges of the same axis.
    EXPECT_TRUE(NSLayoutConstraint::create(a, A::width, R::equal, b, A::height, 0.5, 0)->isValid());
    EXPECT_TRUE(NSLayoutConstraint::create(a, A::centerX, R::equal, b, A::trailing, 1, 0)->isValid());
}

TEST_F(ConstraintTest, ActivationInstallsOnTheNearestCommonAncestor)
{
    auto root = NSObject::create<UIView>();
    auto left = NSObject::create<UIView>();
    auto right = NSObject::create<UIView>();
    auto leftChild = NSObject::create<UIView>();
    auto rightChild = NSObject::create<UIView>();
    root->addSubview(left);
    root->addSubview(right);
    left->addSubview(leftChild);
    right->addSubview(rightChild);

    auto siblings = NSLayoutConstraint::create(leftChild, A::top, R::equal, rightChild, A::top, 1, 0);
    auto cousins = NSLayoutConstraint::create(left, A::right, R::equal, right, A::left, 1, -8);
    auto withParent = NSLayoutConstraint::create(leftChild, A::left, R::equal, left, A::left, 1, 4);
    auto alone = NSLayoutConstraint::create(left, A::width, R::equal, nullptr, A::notAnAttribute, 1, 40);
    NSLayoutConstraint::activate({siblings, cousins, withParent, alone});
    EXPECT_TRUE(holds(root, siblings));
    EXPECT_TRUE(holds(root, cousins));
    EXPECT_TRUE(holds(left, withParent));
    EXPECT_TRUE(holds(left, alone));
    EXPECT_EQ(withParent->installedView(), left);
    for (const auto& constraint : {siblings, cousins, withParent, alone}) {
        EXPECT_TRUE(constraint->isActive());
    }

    // Activating twice installs once; deactivating removes from wherever it is installed.
    siblings->setActive(true);
    EXPECT_EQ(std::count(root->constraints().begin(), root->constraints().end(), siblings), 1);
    NSLayoutConstraint::deactivate({siblings, alone});
    EXPECT_FALSE(siblings->isActive());
    EXPECT_FALSE(holds(root, siblings));
    EXPECT_FALSE(holds(left, alone));
    EXPECT_TRUE(cousins->isActive());

    // Installed by hand (UIView::addConstraint) counts as active, and deactivation finds it.
    auto byHand = NSLayoutConstraint::create(rightChild, A::height, R::equal, nullptr, A::notAnAttribute, 1, 10);
    root->addConstraint(byHand);
    EXPECT_TRUE(byHand->isActive());
    EXPECT_EQ(byHand->installedView(), root);
    byHand->setActive(false);
    EXPECT_FALSE(byHand->isActive());
    EXPECT_EQ(root->constraints(), std::vector<NSLayoutConstraintPtr>{cousins});
}

TEST_F(ConstraintTest, ItemsWithNoCommonAncestorStayInactive)
{
    auto a = NSObject::create<UIView>();
    auto b = NSObject::create<UIView>();
    auto constraint = NSLayoutConstraint::create(a, A::left, R::equal, b, A::left, 1, 0);
    DebugLogCapture capture;
    constraint->setActive(true);
    EXPECT_FALSE(constraint->isActive());
    EXPECT_TRUE(capture.contains("no common ancestor"));
    EXPECT_TRUE(a->constraints().empty());
    EXPECT_TRUE(b->constraints().empty());

    // A guide installs on its owning view's side of the tree.
    auto owner = NSObject::create<UIView>();
    auto guide = NSObject::create<UILayoutGuide>();
    owner->addLayoutGuide(guide);
    owner->addSubview(a);
    auto toGuide = NSLayoutConstraint::create(a, A::top, R::equal, guide, A::bottom, 1, 0);
    toGuide->setActive(true);
    EXPECT_TRUE(holds(owner, toGuide));
}

TEST_F(ConstraintTest, ConstantAndPrioritySettersRejectBadValuesAndMarkLayout)
{
    auto root = NSObject::create<UIView>();
    auto child = NSObject::create<UIView>();
    root->addSubview(child);
    auto constraint = NSLayoutConstraint::create(child, A::width, R::equal, nullptr, A::notAnAttribute, 1, 10);
    constraint->setActive(true);
    root->layoutIfNeeded();
    EXPECT_FALSE(child->needsLayout());

    DebugLogCapture capture;
    constraint->setConstant(std::nan(""));
    constraint->setPriority(0);
    constraint->setPriority(1001);
    constraint->setPriority(std::nanf(""));
    EXPECT_EQ(capture.lines().size(), 4u);
    EXPECT_EQ(constraint->constant(), 10);
    EXPECT_EQ(constraint->priority(), 1000);
    EXPECT_FALSE(child->needsLayout());

    // A change marks the view the constraint is installed on, without touching the layout
    // generation (only this constraint needs re-solving).
    auto generation = UIView::layoutGeneration();
    constraint->setConstant(20);
    EXPECT_TRUE(child->needsLayout());
    root->layoutIfNeeded();
    constraint->setPriority(800);
    EXPECT_TRUE(child->needsLayout());
    EXPECT_EQ(UIView::layoutGeneration(), generation);
    EXPECT_EQ(constraint->priority(), 800);
}

TEST_F(ConstraintTest, CreatingAConstraintInstallsTheEngineWhenThereIsNone)
{
    setViewLayoutEngine(nullptr);
    auto view = NSObject::create<UIView>();
    NSLayoutConstraint::create(view, A::width, R::equal, nullptr, A::notAnAttribute, 1, 5);
    EXPECT_NE(std::dynamic_pointer_cast<ConstraintLayoutEngine>(viewLayoutEngine()), nullptr);

    // An engine already installed is left alone.
    setViewLayoutEngine(m_engine);
    NSLayoutConstraint::create(view, A::width, R::equal, nullptr, A::notAnAttribute, 1, 5);
    EXPECT_EQ(viewLayoutEngine(), m_engine);
}

} // namespace
} // namespace platform
