#pragma once
// The seam between the view tree's layout pass and the constraint engine.
//
// The layout module installs one engine at start-up. During a layout pass the view tree asks it to
// solve the constraints of a whole tree; the engine records each constrained view's solved frame
// (in its superview's bounds space) with UIView::setEngineFrame(), and the base
// UIView::layoutSubviews() applies those frames to the subviews. Without an engine every view keeps
// the frame it was given.
#include "platform/graphics/CGSize.h"

#include <memory>

namespace platform {

class UIView;

class UIViewLayoutEngine {
public:
    virtual ~UIViewLayoutEngine() = default;
    // Solves the constraints installed in the tree under `root` (the topmost view of the tree) and
    // sets the engine frame of every view whose frame the constraints decide. Never throws.
    virtual void solve(UIView& root) = 0;
    // The smallest size of `view` that satisfies its constraints, as close to `target` as the
    // constraints allow (for fitting sizes of cells). The default gives the current bounds size.
    virtual CGSize fittingSize(UIView& view, CGSize target);
};

// Installs the engine (null removes it).
void setViewLayoutEngine(std::shared_ptr<UIViewLayoutEngine> engine);
std::shared_ptr<UIViewLayoutEngine> viewLayoutEngine();

} // namespace platform
