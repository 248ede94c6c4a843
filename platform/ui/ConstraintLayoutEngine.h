#pragma once
// The constraint layout engine: solves the constraints installed in a view tree and gives every
// view that does not translate its autoresizing mask its frame (see UIViewLayoutEngine).
//
// The engine keeps one solver per tree root between passes and brings it up to date with only
// what changed: a changed constant or priority re-solves that one constraint; a changed tree or
// constraint list (UIView::layoutGeneration()) re-reads the tree, keeping what did not change; an
// invalidated intrinsic size re-reads that view's size only (UIView::intrinsicSizeStamp()). Solved frames are rounded to the screen's pixel grid as the last step (edges are
// rounded, sizes follow).
//
// Required constraints that cannot hold together are dropped, with one debug line per
// constraint; the rest of the layout goes on.
#include "platform/ui/UIViewLayoutEngine.h"
#include "platform/ui/UIViewTypes.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace platform {

class ConstraintTree;

class ConstraintLayoutEngine : public UIViewLayoutEngine {
public:
    ConstraintLayoutEngine();
    ~ConstraintLayoutEngine() override;

    void solve(UIView& root) override;
    // The view's width is held at `target.width` (priority 999) when that is positive; the height
    // is pulled towards `target.height` at the fitting-size level (50), so a cell's content decides
    // its height at a given width.
    CGSize fittingSize(UIView& view, CGSize target) override;
    // The size of `view` its own subtree's constraints give when its width and height are pulled
    // towards `target` at the given priorities. Constraints between the view and views outside
    // its subtree play no part. Rounded to the pixel grid.
    static CGSize fittingSize(UIView& view, CGSize target, UILayoutPriority horizontalPriority,
                              UILayoutPriority verticalPriority);

    // Trees whose solver the engine keeps (for tests).
    std::size_t trackedTreeCount() const { return m_trees.size(); }

private:
    void forgetStaleTrees();

    std::vector<std::unique_ptr<ConstraintTree>> m_trees;
};

// Installs a ConstraintLayoutEngine unless an engine is installed already. Creating a constraint
// calls this, so constraint layout works without set-up.
void installConstraintLayoutEngine();

} // namespace platform
