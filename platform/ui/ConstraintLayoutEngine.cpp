#include "platform/ui/ConstraintLayoutEngine.h"

#include "platform/ui/ConstraintTree.h"
#include "platform/ui/UIView.h"

#include <algorithm>

namespace platform {

namespace {

constexpr UILayoutPriority heldWidthPriority = 999;

} // namespace

ConstraintLayoutEngine::ConstraintLayoutEngine() = default;
ConstraintLayoutEngine::~ConstraintLayoutEngine() = default;

void ConstraintLayoutEngine::forgetStaleTrees()
{
    std::erase_if(m_trees, [](const auto& tree) { return tree->isStale(); });
}

void ConstraintLayoutEngine::solve(UIView& root)
{
    auto keepRoot = root.sharedFromThis<UIView>();
    if (!keepRoot) {
        return;
    }
    forgetStaleTrees();
    auto found = std::find_if(m_trees.begin(), m_trees.end(), [&](const auto& tree) { return tree->isFor(root); });
    if (found == m_trees.end()) {
        m_trees.push_back(std::make_unique<ConstraintTree>(keepRoot));
        found = std::prev(m_trees.end());
    }
    (*found)->update();
}

CGSize ConstraintLayoutEngine::fittingSize(UIView& view, CGSize target)
{
    UILayoutPriority horizontal = target.width > 0 ? heldWidthPriority : UILayoutPriorityFittingSizeLevel;
    return fittingSize(view, target, horizontal, UILayoutPriorityFittingSizeLevel);
}

CGSize ConstraintLayoutEngine::fittingSize(UIView& view, CGSize target, UILayoutPriority horizontalPriority,
                                           UILayoutPriority verticalPriority)
{
    auto keepView = view.sharedFromThis<UIView>();
    if (!keepView) {
        return view.bounds().size;
    }
    ConstraintTree tree(keepView, target, horizontalPriority, verticalPriority);
    tree.update();
    return tree.fittedSize();
}

void installConstraintLayoutEngine()
{
    if (!viewLayoutEngine()) {
        setViewLayoutEngine(std::make_shared<ConstraintLayoutEngine>());
    }
}

} // namespace platform
