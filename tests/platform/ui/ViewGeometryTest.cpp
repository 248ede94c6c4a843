#include "ViewTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/CAAnimation.h"
#include "platform/ui/UIView.h"

#include <cmath>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace platform {
namespace {

using testsupport::expectPointNear;
using testsupport::expectRectNear;

class SetupRecordingView : public UIView {
public:
    using UIView::UIView;
    std::string seenClassName;
    bool sharedInSetup = false;

protected:
    void didCreate() override
    {
        UIView::didCreate();
        seenClassName = className();
        sharedInSetup = sharedFromThis<SetupRecordingView>() != nullptr;
    }
};

class DerivedSetupView : public SetupRecordingView {
public:
    using SetupRecordingView::SetupRecordingView;
};

TEST(NSObjectTest, TwoPhaseCreationRunsMostDerivedSetupWithSharedOwnership)
{
    auto view = NSObject::create<DerivedSetupView>(CGRect(1, 2, 3, 4));
    EXPECT_EQ(view->seenClassName, "DerivedSetupView");
    EXPECT_TRUE(view->sharedInSetup);
    EXPECT_EQ(view->className(), "DerivedSetupView");
    EXPECT_EQ(NSObject::create<UIView>()->className(), "UIView");
    expectRectNear(view->frame(), {1, 2, 3, 4});
    // A view's layer points back to it weakly.
    EXPECT_EQ(view->layer()->delegate().get(), static_cast<CALayerDelegate*>(view.get()));
    EXPECT_EQ(unqualifiedClassName(typeid(std::vector<int>).name()).substr(0, 6), "vector");
}

// Outside create() every subclass is abstract, so no object can skip its two-phase creation.
static_assert(std::is_abstract_v<UIView> && std::is_abstract_v<DerivedSetupView>);
static_assert(!std::is_constructible_v<UIView, CGRect> && !std::is_default_constructible_v<CAAnimation>);

TEST(NSObjectTest, ClassTypeIsTheCreatedClassNotTheCreationWrapper)
{
    std::shared_ptr<UIView> view = NSObject::create<DerivedSetupView>();
    EXPECT_EQ(view->classType(), std::type_index(typeid(DerivedSetupView)));
    EXPECT_EQ(NSObject::create<CAAnimation>()->className(), "CAAnimation");
    EXPECT_NE(std::dynamic_pointer_cast<SetupRecordingView>(view), nullptr);
}

TEST(ViewGeometryTest, FrameBoundsAndCenterStayConsistent)
{
    auto view = NSObject::create<UIView>(CGRect(10, 20, 100, 50));
    expectPointNear(view->center(), {60, 45});
    expectRectNear(view->bounds(), {0, 0, 100, 50});

    view->setCenter({0, 0});
    expectRectNear(view->frame(), {-50, -25, 100, 50});

    // Changing the bounds size keeps the centre; changing its origin moves only the content.
    view->setBounds({5, 5, 20, 10});
    expectRectNear(view->frame(), {-10, -5, 20, 10});
    expectPointNear(view->center(), {0, 0});

    // A frame with negative size is standardised.
    view->setFrame({30, 30, -10, -20});
    expectRectNear(view->frame(), {20, 10, 10, 20});

    DebugLogCapture capture;
    view->setFrame({NAN, 0, 1, 1});
    view->setCenter({INFINITY, 0});
    EXPECT_EQ(capture.lines().size(), 2u);
    expectRectNear(view->frame(), {20, 10, 10, 20});
}

TEST(ViewGeometryTest, TransformAppliesAroundTheCentre)
{
    auto view = NSObject::create<UIView>(CGRect(0, 0, 100, 40));
    view->setTransform(CGAffineTransform::makeScale(2, 0.5));
    expectRectNear(view->frame(), {-50, 10, 200, 20});
    expectRectNear(view->bounds(), {0, 0, 100, 40});
    expectPointNear(view->center(), {50, 20});

    // A quarter turn swaps the frame's sides around the same centre.
    view->setTransform(CGAffineTransform::makeRotation(M_PI / 2));
    expectRectNear(view->frame(), {30, -30, 40, 100}, 1e-9);

    // Setting the frame under a scale finds the bounds that give it.
    view->setTransform(CGAffineTransform::makeScale(2, 2));
    view->setFrame({0, 0, 60, 20});
    expectRectNear(view->bounds(), {0, 0, 30, 10});
    expectRectNear(view->frame(), {0, 0, 60, 20});

    // Translation in the transform moves the frame but not the centre.
    view->setTransform(CGAffineTransform::makeTranslation(5, 7));
    CGPoint centre = view->center();
    expectRectNear(view->frame(), {centre.x - 15 + 5, centre.y - 5 + 7, 30, 10});
}

TEST(ViewGeometryTest, ConvertsBetweenViewsThroughBoundsOriginsAndTransforms)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 300, 300));
    auto a = NSObject::create<UIView>(CGRect(10, 20, 100, 100));
    auto b = NSObject::create<UIView>(CGRect(5, 5, 50, 50));
    auto c = NSObject::create<UIView>(CGRect(200, 0, 40, 40));
    root->addSubview(a);
    a->addSubview(b);
    root->addSubview(c);

    expectPointNear(b->convert(CGPoint{1, 1}, root), {16, 26});
    expectPointNear(b->convert(CGPoint{1, 1}, nullptr), {16, 26});
    expectPointNear(root->convert(CGPoint{16, 26}, b), {1, 1});
    expectPointNear(b->convert(CGPoint{0, 0}, c), {-185, 25});
    expectPointNear(c->convertFrom(CGPoint{0, 0}, b), {-185, 25});

    // Scrolling the bounds origin of `a` moves what is inside it.
    a->setBounds({0, 10, 100, 100});
    expectPointNear(b->convert(CGPoint{1, 1}, root), {16, 16});

    // A scaled parent scales conversions (around its centre).
    a->setBounds({0, 0, 100, 100});
    a->setTransform(CGAffineTransform::makeScale(2, 2));
    expectPointNear(a->convert(CGPoint{50, 50}, root), {60, 70});
    expectPointNear(a->convert(CGPoint{0, 0}, root), {-40, -30});
    expectPointNear(root->convert(CGPoint{-40, -30}, a), {0, 0});

    CGRect converted = b->convert(CGRect(0, 0, 10, 10), root);
    expectRectNear(converted, {-30, -20, 20, 20});
    expectRectNear(root->convert(converted, b), {0, 0, 10, 10});
}

TEST(ViewGeometryTest, AutoresizingFollowsTheSuperviewSize)
{
    auto parent = NSObject::create<UIView>(CGRect(0, 0, 100, 100));
    auto fixed = NSObject::create<UIView>(CGRect(10, 10, 20, 20));
    auto stretchy = NSObject::create<UIView>(CGRect(10, 10, 80, 20));
    stretchy->setAutoresizingMask(UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleTopMargin);
    auto pinnedRight = NSObject::create<UIView>(CGRect(70, 0, 20, 20));
    pinnedRight->setAutoresizingMask(UIViewAutoresizing::flexibleLeftMargin);
    auto centred = NSObject::create<UIView>(CGRect(40, 40, 20, 20));
    centred->setAutoresizingMask(UIViewAutoresizing::flexibleLeftMargin | UIViewAutoresizing::flexibleRightMargin);
    auto constrained = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
    constrained->setAutoresizingMask(UIViewAutoresizing::flexibleWidth);
    constrained->setTranslatesAutoresizingMaskIntoConstraints(false);
    for (const auto& child : {fixed, stretchy, pinnedRight, centred, constrained}) {
        parent->addSubview(child);
    }

    parent->setFrame({0, 0, 200, 150});
    expectRectNear(fixed->frame(), {10, 10, 20, 20});
    // Width takes the whole horizontal change; the top margin the whole vertical one.
    expectRectNear(stretchy->frame(), {10, 60, 180, 20});
    expectRectNear(pinnedRight->frame(), {170, 0, 20, 20});
    expectRectNear(centred->frame(), {90, 40, 20, 20});
    expectRectNear(constrained->frame(), {0, 0, 10, 10});

    parent->setAutoresizesSubviews(false);
    parent->setFrame({0, 0, 100, 100});
    expectRectNear(stretchy->frame(), {10, 60, 180, 20});
}

class TintRecordingView : public UIView {
public:
    using UIView::UIView;
    int tintChanges = 0;
    void tintColorDidChange() override { ++tintChanges; }
};

TEST(ViewGeometryTest, TintIsInheritedAndChangesAreAnnouncedDownTheTree)
{
    auto root = NSObject::create<TintRecordingView>();
    auto middle = NSObject::create<TintRecordingView>();
    auto leaf = NSObject::create<TintRecordingView>();
    auto ownTint = NSObject::create<TintRecordingView>();
    root->addSubview(middle);
    middle->addSubview(leaf);
    middle->addSubview(ownTint);
    ownTint->setTintColor(UIColor::green());
    ownTint->tintChanges = 0;

    EXPECT_TRUE(isEqual(leaf->tintColor(), UIColor::systemBlue()));

    root->setTintColor(UIColor::red());
    EXPECT_TRUE(isEqual(leaf->tintColor(), UIColor::red()));
    EXPECT_TRUE(isEqual(ownTint->tintColor(), UIColor::green()));
    EXPECT_EQ(root->tintChanges, 1);
    EXPECT_EQ(middle->tintChanges, 1);
    EXPECT_EQ(leaf->tintChanges, 1);
    EXPECT_EQ(ownTint->tintChanges, 0);

    // Setting an equal colour changes nothing.
    root->setTintColor(UIColor::red());
    EXPECT_EQ(leaf->tintChanges, 1);

    // Moving a view under another tint tells it; clearing its own tint makes it inherit again.
    auto other = NSObject::create<UIView>();
    other->setTintColor(UIColor::blue());
    other->addSubview(leaf);
    EXPECT_EQ(leaf->tintChanges, 2);
    EXPECT_TRUE(isEqual(leaf->tintColor(), UIColor::blue()));
    ownTint->setTintColor(nullptr);
    EXPECT_TRUE(isEqual(ownTint->tintColor(), UIColor::red()));
    EXPECT_EQ(ownTint->tintChanges, 1);
    leaf->removeFromSuperview();
    EXPECT_TRUE(isEqual(leaf->tintColor(), UIColor::systemBlue()));
    EXPECT_EQ(leaf->tintChanges, 3);
}

TEST(ViewGeometryTest, AppearanceLivesInTheLayer)
{
    auto view = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
    view->setAlpha(1.5);
    EXPECT_EQ(view->alpha(), 1.0);
    view->setAlpha(-1);
    EXPECT_EQ(view->layer()->opacity(), 0.0);
    view->setHidden(true);
    EXPECT_TRUE(view->layer()->isHidden());
    view->setClipsToBounds(true);
    EXPECT_TRUE(view->layer()->masksToBounds());
    view->setBackgroundColor(UIColor::red());
    EXPECT_TRUE(isEqual(view->layer()->backgroundColor(), UIColor::red()));

    class Fitting : public UIView {
    public:
        using UIView::UIView;
        CGSize sizeThatFits(CGSize) const override { return {42, 17}; }
    };
    auto fitting = NSObject::create<Fitting>(CGRect(5, 6, 1, 1));
    fitting->sizeToFit();
    expectRectNear(fitting->frame(), {5, 6, 42, 17});
    EXPECT_EQ(view->sizeThatFits({100, 100}), (CGSize{10, 10}));
    EXPECT_EQ(view->intrinsicContentSize(), (CGSize{UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric}));
}

} // namespace
} // namespace platform
