// One tree's solver: the pass as a whole, solver access, and writing solved frames out.
#include "platform/ui/ConstraintTree.h"

#include "platform/graphics/ScreenScale.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

#include <algorithm>
#include <cmath>

namespace platform {

using layout::Constraint;
using layout::SolverStatus;
using layout::Strength;
using layout::Variable;

namespace {

// Edges on the pixel grid; sizes are what lies between the rounded edges.
CGRect pixelAligned(double left, double top, double width, double height, double scale)
{
    if (!(scale > 0) || !std::isfinite(scale)) {
        scale = 1;
    }
    auto snap = [scale](double value) { return std::round(value * scale) / scale; };
    double x0 = snap(left);
    double y0 = snap(top);
    double x1 = snap(left + width);
    double y1 = snap(top + height);
    return {x0, y0, std::max(0.0, x1 - x0), std::max(0.0, y1 - y0)};
}

} // namespace

const NSObject* ConstraintTree::Node::key() const
{
    if (view) {
        return view;
    }
    return guide;
}

ConstraintTree::Node ConstraintTree::Node::parent() const
{
    if (view) {
        return {view->superview().get(), nullptr};
    }
    if (guide) {
        return {guide->owningView().get(), nullptr};
    }
    return {};
}

ConstraintTree::ConstraintTree(const std::shared_ptr<UIView>& root)
    : m_root(root), m_rootView(root.get()), m_changes(std::make_shared<NSLayoutConstraintChangeQueue>())
{
}

ConstraintTree::ConstraintTree(const std::shared_ptr<UIView>& root, CGSize target, UILayoutPriority horizontalPriority,
                               UILayoutPriority verticalPriority)
    : m_root(root),
      m_rootView(root.get()),
      m_fitting(true),
      m_fittingTarget(target),
      m_fittingPriorities{horizontalPriority, verticalPriority}
{
}

ConstraintTree::~ConstraintTree()
{
    // Constraints that outlive the tree stop reporting into it (the queue dies with it) and may
    // report a failure again in the tree they join next.
    for (auto& [key, record] : m_records) {
        if (auto constraint = record.source.lock(); constraint && constraint->m_changeQueue.lock() == m_changes) {
            constraint->m_changeQueue.reset();
        }
    }
}

bool ConstraintTree::isFor(const UIView& root) const
{
    return m_rootView == &root && !m_root.expired();
}

bool ConstraintTree::isStale() const
{
    auto root = m_root.lock();
    return !root || root->superview() != nullptr;
}

void ConstraintTree::update()
{
    auto root = m_root.lock();
    if (!root) {
        return;
    }
    std::uint64_t generation = UIView::layoutGeneration();
    std::uint64_t intrinsicGeneration = UIView::intrinsicSizeGeneration();
    takeQueuedChanges();
    bool full = !m_synced || generation != m_generation || !rebuildStaleRecords();
    if (full) {
        fullSync(*root);
        m_generation = generation;
        m_synced = true;
    } else if (intrinsicGeneration != m_intrinsicGeneration) {
        syncInvalidatedIntrinsicSizes();
    }
    m_intrinsicGeneration = intrinsicGeneration;
    // Settling every stay costs a little per moved view, so it waits for a full pass: until then
    // stays only matter where constraints leave a view free, and there the frame did not move.
    if (m_staysDirty) {
        placeStays();
    }
    scanFrames(full);
    if (!m_solverChanged) {
        return;
    }
    m_solver.updateVariables();
    m_solverChanged = false;
    if (!m_fitting) {
        writeFrames();
    }
}

CGSize ConstraintTree::fittedSize() const
{
    auto found = m_items.find(m_rootView);
    if (found == m_items.end()) {
        return {};
    }
    const Item& item = *found->second;
    CGRect rounded = pixelAligned(0, 0, item.width.value(), item.height.value(), mainScreenScale());
    return rounded.size;
}

bool ConstraintTree::add(const Constraint& constraint)
{
    m_solverChanged = true;
    return m_solver.addConstraint(constraint) == SolverStatus::Ok;
}

void ConstraintTree::remove(const Constraint& constraint)
{
    m_solverChanged = true;
    m_solver.removeConstraint(constraint);
}

void ConstraintTree::stay(const Variable& variable)
{
    m_solverChanged = true;
    m_solver.addStay(variable, Strength::weak);
}

CGRect ConstraintTree::alignmentFrame(const Node& node)
{
    if (node.view) {
        CGPoint centre = node.view->center();
        CGSize size = node.view->bounds().size;
        return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
    }
    if (node.guide) {
        return node.guide->layoutFrame();
    }
    return {};
}

void ConstraintTree::writeFrames()
{
    double scale = mainScreenScale();
    for (auto& [key, entry] : m_items) {
        Item& item = *entry;
        if (item.mode != Mode::free) {
            continue;
        }
        auto alive = item.object.lock();
        if (!alive) {
            continue;
        }
        CGRect solved =
            pixelAligned(item.left.value(), item.top.value(), item.width.value(), item.height.value(), scale);
        if (item.node.view) {
            item.node.view->setEngineFrame(solved);
            item.lastSolved = solved;
        } else if (item.node.guide) {
            item.node.guide->m_layoutFrame = solved;
        }
    }
}

} // namespace platform
