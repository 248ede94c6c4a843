#pragma once
// Shared pieces of the constraint layout tests: a fixture with a fresh engine, a view with an
// intrinsic size, and short ways to write constraints.
#include "ViewTestSupport.h"

#include "platform/ui/ConstraintLayoutEngine.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace platform::testsupport {

// Short names for the constraint tests' tables.
using A = NSLayoutAttribute;
using R = NSLayoutRelation;

class ConstraintTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_engine = std::make_shared<ConstraintLayoutEngine>();
        setViewLayoutEngine(m_engine);
    }
    void TearDown() override
    {
        setViewLayoutEngine(nullptr);
        ViewTest::TearDown();
    }

    // A view that is placed by constraints (autoresizing translation off), added to `parent`.
    template <class T = UIView>
    static std::shared_ptr<T> constrainedChild(const UIViewPtr& parent, CGRect frame = {})
    {
        auto view = NSObject::create<T>(frame);
        view->setTranslatesAutoresizingMaskIntoConstraints(false);
        parent->addSubview(view);
        return view;
    }

    std::shared_ptr<ConstraintLayoutEngine> m_engine;
};

// A view with a fixed intrinsic content size, like a one-line label.
class IntrinsicView : public UIView {
public:
    using UIView::UIView;
    CGSize intrinsicContentSize() const override { return m_intrinsic; }
    void setIntrinsic(CGSize size)
    {
        m_intrinsic = size;
        invalidateIntrinsicContentSize();
    }

private:
    CGSize m_intrinsic{UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
};

// item1.attribute1 (relation) item2.attribute2 * multiplier + constant, made and activated.
inline NSLayoutConstraintPtr activeConstraint(const UIViewPtr& item1, NSLayoutAttribute attribute1,
                                              NSLayoutRelation relation, const UIViewPtr& item2,
                                              NSLayoutAttribute attribute2, double multiplier = 1, double constant = 0,
                                              UILayoutPriority priority = 1000)
{
    auto constraint = NSLayoutConstraint::create(item1, attribute1, relation, item2, attribute2, multiplier, constant);
    constraint->setPriority(priority);
    constraint->setActive(true);
    return constraint;
}

// item1.attribute == item2.attribute + constant
inline NSLayoutConstraintPtr pinEqual(const UIViewPtr& item1, NSLayoutAttribute attribute, const UIViewPtr& item2,
                                      double constant = 0, UILayoutPriority priority = 1000)
{
    return activeConstraint(item1, attribute, NSLayoutRelation::equal, item2, attribute, 1, constant, priority);
}

// item.attribute (relation) constant, for widths and heights.
inline NSLayoutConstraintPtr sizeConstraint(const UIViewPtr& item, NSLayoutAttribute attribute, double constant,
                                            UILayoutPriority priority = 1000,
                                            NSLayoutRelation relation = NSLayoutRelation::equal)
{
    return activeConstraint(item, attribute, relation, nullptr, NSLayoutAttribute::notAnAttribute, 1, constant,
                            priority);
}

} // namespace platform::testsupport
