// Constraint layout of views: a 40-row form (344 constraints on 81 views) laid out from scratch,
// and laid out again after one constraint's constant changes.
// Each row is a label (100 wide at 750; in one case also intrinsically 90 x 20) and a field filling the rest of a 375-point container with
// 16-point margins and an 8-point gap; rows stack 8 points apart. Even rows are 44 high as a
// required constraint, odd rows 44 high at 800 against "at least 60" at 750, which loses. The
// container hangs from the root's top and ends 16 points below the last row.
#include "platform/ui/ConstraintLayoutEngine.h"
#include "platform/ui/NSLayoutAnchor.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace platform;

namespace {

constexpr int rowCount = 40;

struct ViewForm {
    UIViewPtr root;
    UIViewPtr container;
    std::vector<UIViewPtr> views;
    std::vector<NSLayoutConstraintPtr> rowHeights;
    std::size_t constraintCount = 0;
};

// A view with a settable intrinsic size, like a one-line label.
class SizedView : public UIView {
public:
    using UIView::UIView;
    CGSize intrinsicContentSize() const override { return m_size; }
    void setSize(CGSize size)
    {
        m_size = size;
        invalidateIntrinsicContentSize();
    }

private:
    CGSize m_size{UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
};

template <class T = UIView>
std::shared_ptr<T> constrainedView(const UIViewPtr& parent)
{
    auto view = NSObject::create<T>();
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    parent->addSubview(view);
    return view;
}

ViewForm buildForm(bool sizedLabels = false)
{
    ViewForm form;
    form.root = NSObject::create<UIView>(CGRect(0, 0, 375, 667));
    form.container = constrainedView(form.root);
    auto container = anchors(form.container);
    auto root = anchors(form.root);
    std::vector<NSLayoutConstraintPtr> constraints = {
        container.leading.constraintEqualTo(root.leading),
        container.trailing.constraintEqualTo(root.trailing),
        container.top.constraintEqualTo(root.top),
    };
    UIViewPtr previous;
    for (int index = 0; index < rowCount; ++index) {
        auto label = constrainedView<SizedView>(form.container);
        if (sizedLabels)
            label->setSize({90, 20});
        auto field = constrainedView(form.container);
        form.views.push_back(label);
        form.views.push_back(field);
        auto labelAnchors = anchors(label);
        auto fieldAnchors = anchors(field);
        auto width = labelAnchors.width.constraintEqualToConstant(100);
        width->setPriority(750);
        auto height = labelAnchors.height.constraintEqualToConstant(44);
        if (index % 2 == 1) {
            height->setPriority(800);
            auto atLeast = labelAnchors.height.constraintGreaterThanOrEqualToConstant(60);
            atLeast->setPriority(750);
            constraints.push_back(atLeast);
        }
        form.rowHeights.push_back(height);
        constraints.insert(constraints.end(),
                           {
                               labelAnchors.leading.constraintEqualTo(container.leading, 16),
                               previous ? labelAnchors.top.constraintEqualTo(anchors(previous).bottom, 8)
                                        : labelAnchors.top.constraintEqualTo(container.top, 16),
                               width,
                               height,
                               fieldAnchors.leading.constraintEqualTo(labelAnchors.trailing, 8),
                               fieldAnchors.trailing.constraintEqualTo(container.trailing, -16),
                               fieldAnchors.top.constraintEqualTo(labelAnchors.top),
                               fieldAnchors.height.constraintEqualTo(labelAnchors.height),
                           });
        previous = label;
    }
    constraints.push_back(container.bottom.constraintEqualTo(anchors(previous).bottom, 16));
    NSLayoutConstraint::activate(constraints);
    form.constraintCount = constraints.size();
    return form;
}

// Building the views and constraints, then the first layout pass.
void ViewFormBuildAndLayout(benchmark::State& state)
{
    setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    for (auto _ : state) {
        ViewForm form = buildForm();
        form.root->layoutIfNeeded();
        benchmark::DoNotOptimize(form.container->frame());
    }
}
BENCHMARK(ViewFormBuildAndLayout);

// A layout pass of the built form with a new engine: reading the tree, solving, and placing
// every view. Untimed between passes: the old engine goes and every frame returns to zero.
void ViewFormLayoutFromScratch(benchmark::State& state)
{
    ViewForm form = buildForm();
    for (auto _ : state) {
        state.PauseTiming();
        setViewLayoutEngine(nullptr);
        for (const auto& view : form.views) {
            view->setFrame({});
        }
        form.container->setFrame({});
        auto engine = std::make_shared<ConstraintLayoutEngine>();
        setViewLayoutEngine(engine);
        state.ResumeTiming();
        form.root->layoutIfNeeded();
        benchmark::DoNotOptimize(form.container->frame());
    }
    state.counters["constraints"] = static_cast<double>(form.constraintCount);
}
BENCHMARK(ViewFormLayoutFromScratch);

// Row 5's height constant changes (44 <-> 80): the pass re-solves that constraint and moves the
// rows below it and the container.
void ViewFormLayoutAfterConstantChange(benchmark::State& state)
{
    setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    ViewForm form = buildForm();
    form.root->layoutIfNeeded();
    const double heights[2] = {80, 44};
    int next = 0;
    for (auto _ : state) {
        form.rowHeights[5]->setConstant(heights[next]);
        next ^= 1;
        form.root->layoutIfNeeded();
        benchmark::DoNotOptimize(form.container->frame());
    }
}
BENCHMARK(ViewFormLayoutAfterConstantChange);

// One label's intrinsic width changes (90 <-> 96): only that view is measured again.
void ViewFormLayoutAfterIntrinsicSizeChange(benchmark::State& state)
{
    setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    ViewForm form = buildForm(true);
    form.root->layoutIfNeeded();
    auto label = std::static_pointer_cast<SizedView>(form.views[10]);
    const double widths[2] = {96, 90};
    int next = 0;
    for (auto _ : state) {
        label->setSize({widths[next], 20});
        next ^= 1;
        form.root->layoutIfNeeded();
        benchmark::DoNotOptimize(form.container->frame());
    }
}
BENCHMARK(ViewFormLayoutAfterIntrinsicSizeChange);

// A pass in which nothing the constraints depend on changed.
void ViewFormLayoutUnchanged(benchmark::State& state)
{
    setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    ViewForm form = buildForm();
    form.root->layoutIfNeeded();
    for (auto _ : state) {
        form.container->setNeedsLayout();
        form.root->layoutIfNeeded();
        benchmark::DoNotOptimize(form.container->frame());
    }
}
BENCHMARK(ViewFormLayoutUnchanged);

} // namespace
