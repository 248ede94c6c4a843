// The layout pass: constraint updates bottom-up, the engine's solve, layoutSubviews top-down.
#include "platform/ui/UIView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIViewLayoutEngine.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int maximumPasses = 10;
constexpr int maximumNesting = 8;

std::shared_ptr<UIViewLayoutEngine>& engineSlot()
{
    static std::shared_ptr<UIViewLayoutEngine> engine;
    return engine;
}

std::uint64_t& generationCounter()
{
    static std::uint64_t generation = 0;
    return generation;
}

std::uint64_t& intrinsicSizeCounter()
{
    static std::uint64_t generation = 0;
    return generation;
}

std::vector<std::weak_ptr<UIView>>& windowList()
{
    static std::vector<std::weak_ptr<UIView>> windows;
    return windows;
}

bool sameGeometry(const UIView& view, const CGRect& solved)
{
    auto close = [](double a, double b) { return std::fabs(a - b) < 1e-9; };
    CGPoint centre = view.center();
    CGSize size = view.bounds().size;
    return close(centre.x, solved.midX()) && close(centre.y, solved.midY()) && close(size.width, solved.width()) &&
           close(size.height, solved.height());
}

} // namespace

CGSize UIViewLayoutEngine::fittingSize(UIView& view, CGSize)
{
    return view.bounds().size;
}

void setViewLayoutEngine(std::shared_ptr<UIViewLayoutEngine> engine)
{
    engineSlot() = std::move(engine);
}

std::shared_ptr<UIViewLayoutEngine> viewLayoutEngine()
{
    return engineSlot();
}

class UIViewLayoutPass {
public:
    static void updateConstraintsBottomUp(UIView& view)
    {
        if (!view.m_subtreeNeedsUpdateConstraints) {
            return;
        }
        auto keepAlive = view.sharedFromThis<UIView>();
        view.m_subtreeNeedsUpdateConstraints = false;
        auto subviews = view.m_subviews;
        for (const auto& subview : subviews) {
            updateConstraintsBottomUp(*subview);
        }
        if (view.m_needsUpdateConstraints) {
            view.m_needsUpdateConstraints = false;
            view.updateConstraints();
        }
    }

    static void layoutTopDown(UIView& view)
    {
        if (!view.m_subtreeNeedsLayout) {
            return;
        }
        auto keepAlive = view.sharedFromThis<UIView>();
        // Cleared first: whatever this layout dirties again marks the path up anew.
        view.m_subtreeNeedsLayout = false;
        if (view.m_needsLayout) {
            view.m_needsLayout = false;
            auto controller = view.owningController();
            if (controller) {
                controller->viewWillLayoutSubviews();
            }
            view.layoutSubviews();
            if (controller) {
                controller->viewDidLayoutSubviews();
            }
        }
        auto subviews = view.m_subviews;
        for (const auto& subview : subviews) {
            if (subview->superview().get() == &view) {
                layoutTopDown(*subview);
            }
        }
    }

    // Marks the superviews of views whose solved frame differs from their frame, so the base
    // layoutSubviews() applies it.
    static void markMovedViews(UIView& view)
    {
        for (const auto& subview : view.m_subviews) {
            if (subview->m_engineFrame && !subview->m_translatesAutoresizingMask &&
                !sameGeometry(*subview, *subview->m_engineFrame)) {
                view.setNeedsLayout();
            }
            markMovedViews(*subview);
        }
    }
};

std::uint64_t UIView::layoutGeneration()
{
    return generationCounter();
}

void UIView::bumpLayoutGeneration()
{
    ++generationCounter();
}

std::uint64_t UIView::intrinsicSizeGeneration()
{
    return intrinsicSizeCounter();
}

std::uint64_t UIView::nextIntrinsicSizeGeneration()
{
    return ++intrinsicSizeCounter();
}

void UIView::markSubtreeNeedsLayout()
{
    // The whole path up, even past views already marked: during a pass a marked view may lie below
    // ancestors the pass has already cleared, and a change made there must still bring the pass round
    // again (a constant changed in layoutSubviews() is then solved and applied at once).
    for (UIView* view = this; view;) {
        view->m_subtreeNeedsLayout = true;
        auto parent = view->superview();
        view = parent.get();
    }
}

void UIView::markSubtreeNeedsUpdateConstraints()
{
    for (UIView* view = this; view && !view->m_subtreeNeedsUpdateConstraints;) {
        view->m_subtreeNeedsUpdateConstraints = true;
        auto parent = view->superview();
        view = parent.get();
    }
}

void UIView::setNeedsLayout()
{
    m_needsLayout = true;
    markSubtreeNeedsLayout();
}

void UIView::setNeedsUpdateConstraints()
{
    m_needsUpdateConstraints = true;
    markSubtreeNeedsUpdateConstraints();
}

void UIView::updateConstraintsIfNeeded()
{
    UIViewLayoutPass::updateConstraintsBottomUp(*this);
}

void UIView::updateConstraints() {}

void UIView::layoutSubviews()
{
    auto subviews = m_subviews;
    for (const auto& subview : subviews) {
        const auto& solved = subview->m_engineFrame;
        if (!solved || subview->m_translatesAutoresizingMask || sameGeometry(*subview, *solved)) {
            continue;
        }
        // Centre and bounds, not frame, so a transformed view keeps its transform around its place.
        CGRect bounds = subview->bounds();
        subview->setBounds({bounds.origin, solved->size});
        subview->setCenter({solved->midX(), solved->midY()});
    }
}

void UIView::layoutIfNeeded()
{
    static int nesting = 0;
    if (nesting >= maximumNesting) {
        debugLog("UIView: layoutIfNeeded nested too deeply; skipped");
        return;
    }
    auto self = sharedFromThis<UIView>();
    if (!self) {
        return;
    }
    ++nesting;
    // Lay out from the highest ancestor that itself needs layout, as its layout places this view.
    UIViewPtr start = self;
    while (auto parent = start->superview()) {
        if (!parent->m_needsLayout) {
            break;
        }
        start = parent;
    }
    UIViewPtr keepRoot = start->topmostAncestor();
    UIView& root = *keepRoot;
    int pass = 0;
    for (; pass < maximumPasses; ++pass) {
        if (!root.m_subtreeNeedsUpdateConstraints && !start->m_subtreeNeedsLayout) {
            break;
        }
        UIViewLayoutPass::updateConstraintsBottomUp(root);
        if (auto engine = viewLayoutEngine()) {
            engine->solve(root);
            UIViewLayoutPass::markMovedViews(root);
        }
        if (!start->m_subtreeNeedsLayout) {
            break;
        }
        UIViewLayoutPass::layoutTopDown(*start);
    }
    if (pass == maximumPasses) {
        debugLog("UIView: layout did not settle after " + std::to_string(maximumPasses) + " passes");
    }
    --nesting;
}

void UIView::setTranslatesAutoresizingMaskIntoConstraints(bool translates)
{
    if (m_translatesAutoresizingMask == translates) {
        return;
    }
    m_translatesAutoresizingMask = translates;
    bumpLayoutGeneration();
    setNeedsLayout();
    if (auto parent = superview()) {
        parent->setNeedsLayout();
    }
}

void UIView::addConstraint(const std::shared_ptr<NSLayoutConstraint>& constraint)
{
    if (!constraint) {
        debugLog("UIView: ignoring a null constraint");
        return;
    }
    if (std::find(m_constraints.begin(), m_constraints.end(), constraint) != m_constraints.end()) {
        return;
    }
    m_constraints.push_back(constraint);
    bumpLayoutGeneration();
    setNeedsLayout();
}

void UIView::addConstraints(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints)
{
    for (const auto& constraint : constraints) {
        addConstraint(constraint);
    }
}

void UIView::removeConstraint(const std::shared_ptr<NSLayoutConstraint>& constraint)
{
    auto at = std::find(m_constraints.begin(), m_constraints.end(), constraint);
    if (at == m_constraints.end()) {
        return;
    }
    m_constraints.erase(at);
    bumpLayoutGeneration();
    setNeedsLayout();
}

void UIView::removeConstraints(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints)
{
    for (const auto& constraint : constraints) {
        removeConstraint(constraint);
    }
}

void UIView::addLayoutGuide(const std::shared_ptr<UILayoutGuide>& guide)
{
    if (!guide || std::find(m_layoutGuides.begin(), m_layoutGuides.end(), guide) != m_layoutGuides.end()) {
        return;
    }
    m_layoutGuides.push_back(guide);
    guide->setOwningView(sharedFromThis<UIView>());
    bumpLayoutGeneration();
    setNeedsLayout();
}

void UIView::removeLayoutGuide(const std::shared_ptr<UILayoutGuide>& guide)
{
    auto at = std::find(m_layoutGuides.begin(), m_layoutGuides.end(), guide);
    if (at == m_layoutGuides.end()) {
        return;
    }
    (*at)->setOwningView(nullptr);
    m_layoutGuides.erase(at);
    bumpLayoutGeneration();
    setNeedsLayout();
}

CGSize UIView::systemLayoutSizeFitting(CGSize target)
{
    if (auto engine = viewLayoutEngine()) {
        updateConstraintsIfNeeded();
        return engine->fittingSize(*this, target);
    }
    return bounds().size;
}

// --- windows ---

void UIView::registerWindow(const UIViewPtr& window)
{
    if (!window) {
        return;
    }
    auto& windows = windowList();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const auto& entry) {
                                     auto alive = entry.lock();
                                     return !alive || alive == window;
                                 }),
                  windows.end());
    windows.push_back(window);
    joinDisplayPass();
}

void UIView::unregisterWindow(const UIView& window)
{
    auto& windows = windowList();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const auto& entry) {
                                     auto alive = entry.lock();
                                     return !alive || alive.get() == &window;
                                 }),
                  windows.end());
}

std::vector<UIViewPtr> UIView::registeredWindows()
{
    std::vector<UIViewPtr> alive;
    for (const auto& entry : windowList()) {
        if (auto window = entry.lock()) {
            alive.push_back(window);
        }
    }
    return alive;
}

void UIView::layoutAllWindowsIfNeeded()
{
    for (const auto& window : registeredWindows()) {
        if (!window->isHidden()) {
            window->layoutIfNeeded();
        }
    }
}

void UIView::joinDisplayPass()
{
    static RunLoop::DisplayPassToken token = 0;
    RunLoop& loop = RunLoop::main();
    if (!loop.hasDisplayPass(token))
        token = loop.addDisplayPass([] { UIView::layoutAllWindowsIfNeeded(); });
}

} // namespace platform
