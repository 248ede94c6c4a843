#include "ViewTestSupport.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/CABasicAnimation.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "platform/ui/UIView.h"

#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;

// A screen-like view that wires itself the usual ways: a tap recognizer targeting itself, a
// notification observer, layer animations with itself as delegate, view animations whose
// completions capture it weakly.
class BusyView : public UIView, public CAAnimationDelegate {
public:
    using UIView::UIView;
    int taps = 0;
    void tapped() { ++taps; }

protected:
    void didCreate() override
    {
        UIView::didCreate();
        auto self = sharedFromThis<BusyView>();
        std::weak_ptr<BusyView> weak = self;
        auto recognizer = NSObject::create<UITapGestureRecognizer>();
        recognizer->addTarget(self, &BusyView::tapped);
        addGestureRecognizer(recognizer);
        NotificationCenter::defaultCenter().addObserver("BusyViewPing", std::weak_ptr<const void>(self),
                                                        [weak](const Notification&) {
                                                            if (auto view = weak.lock()) {
                                                                view->tapped();
                                                            }
                                                        });
        auto spin = CABasicAnimation::animation("transform.rotation");
        spin->setRepeatCount(3.4028235e38);
        spin->setDelegate(self);
        layer()->add(spin);
        auto child = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
        addSubview(child);
        UIView::animate(
            1, [child] { child->setAlpha(0.5); },
            [weak](bool) {
                if (auto view = weak.lock()) {
                    view->setNeedsLayout();
                }
            });
    }
};

class ViewLifetimeTest : public testsupport::ViewTest {};

TEST_F(ViewLifetimeTest, ThousandTreesWithTargetsObserversAndAnimationsAllGoAway)
{
    auto window = NSObject::create<TestWindowView>(CGRect(0, 0, 375, 667));
    std::vector<std::weak_ptr<UIView>> gone;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        auto screen = NSObject::create<BusyView>(CGRect(0, 0, 375, 667));
        window->addSubview(screen);
        auto row = NSObject::create<BusyView>(CGRect(0, 0, 375, 44));
        screen->addSubview(row);
        screen->layoutIfNeeded();
        if (cycle % 2 == 0) {
            loop().advanceBy(0.5); // some animations mid-flight, some finished
        }
        screen->removeFromSuperview();
        gone.push_back(screen);
        gone.push_back(row);
    }
    loop().runUntilIdle();
    loop().advanceBy(2);
    for (const auto& view : gone) {
        EXPECT_TRUE(view.expired());
    }
    EXPECT_EQ(UIView::pendingAnimationCount(), 0u);
    NotificationCenter::defaultCenter().post("BusyViewPing");
    EXPECT_TRUE(window->subviews().empty());
}

} // namespace
} // namespace platform
