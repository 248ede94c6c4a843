// One tree's solver: the items (views and guides), their frames, stays, intrinsic sizes, and the
// expressions for their attributes.
#include "platform/foundation/DebugLog.h"
#include "platform/ui/ConstraintTree.h"
#include "platform/ui/ConstraintTreeGeometry.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UIView.h"

#include <algorithm>
#include <cmath>

namespace platform {

using layout::Constraint;
using layout::Expression;
using layout::Relation;
using layout::Strength;
using layout::Variable;

using constraintgeometry::near;
using constraintgeometry::valuesOf;

ConstraintTree::Item& ConstraintTree::ensureItem(Node node)
{
    auto& slot = m_items[node.key()];
    if (slot && (slot->object.expired() || !(slot->node == node))) {
        tearDown(*slot); // a dead object's item at a reused address
        slot.reset();
    }
    if (!slot) {
        slot = std::make_unique<Item>();
        slot->node = node;
        if (node.view) {
            slot->object = node.view->weak_from_this();
            slot->isScrollView = dynamic_cast<UIScrollView*>(node.view) != nullptr;
        } else {
            slot->object = node.guide->weak_from_this();
        }
    }
    if (slot->mark != m_mark) {
        slot->mark = m_mark;
        slot->order = m_nextOrder++;
    }
    return *slot;
}

ConstraintTree::Item& ConstraintTree::itemFor(Node node)
{
    auto found = m_items.find(node.key());
    if (found != m_items.end() && found->second->node == node && !found->second->object.expired()) {
        return *found->second;
    }
    Item& item = ensureItem(node);
    configure(item);
    return item;
}

ConstraintTree::Mode ConstraintTree::desiredMode(const Item& item) const
{
    if (item.node.guide) {
        return Mode::free;
    }
    if (item.node.view == m_rootView) {
        return m_fitting ? Mode::fittingRoot : Mode::fixed;
    }
    return item.node.view->translatesAutoresizingMaskIntoConstraints() ? Mode::fixed : Mode::free;
}

void ConstraintTree::configure(Item& item)
{
    Mode wanted = desiredMode(item);
    if (item.mode != wanted) {
        tearDownMode(item);
        item.mode = wanted;
        setUpMode(item);
    } else if (wanted == Mode::fixed) {
        for (const auto& pinned : item.pins) {
            if (!pinned) {
                pin(item, alignmentFrame(item.node)); // try again what failed before
                break;
            }
        }
    }
    if (item.node.view && (wanted == Mode::free || wanted == Mode::fittingRoot)) {
        syncIntrinsicSize(item);
    } else {
        clearIntrinsicSize(item);
    }
}

void ConstraintTree::setUpMode(Item& item)
{
    CGRect frame = alignmentFrame(item.node);
    Variable* variables[4] = {&item.left, &item.top, &item.width, &item.height};
    switch (item.mode) {
    case Mode::fixed: pin(item, frame); break;
    case Mode::free: {
        auto values = valuesOf(frame);
        for (int index = 0; index < 4; ++index) {
            variables[index]->setValue(values[index]);
        }
        item.stayed = {};
        item.stayFrame = frame;
        item.lastSeen = frame;
        item.lastSolved.reset();
        break;
    }
    case Mode::fittingRoot: {
        item.left.setValue(0);
        item.top.setValue(0);
        item.width.setValue(frame.size.width);
        item.height.setValue(frame.size.height);
        double targetWidth = std::max(0.0, m_fittingTarget.width);
        double targetHeight = std::max(0.0, m_fittingTarget.height);
        Constraint own[] = {
            Expression(item.left) == Expression(0.0),
            Expression(item.top) == Expression(0.0),
            Expression(item.width) >= Expression(0.0),
            Expression(item.height) >= Expression(0.0),
            Constraint(Expression(item.width) - targetWidth, Relation::Equal, Strength(m_fittingPriorities[0])),
            Constraint(Expression(item.height) - targetHeight, Relation::Equal, Strength(m_fittingPriorities[1])),
        };
        for (const Constraint& constraint : own) {
            if (add(constraint)) {
                item.rootConstraints.push_back(constraint);
            }
        }
        break;
    }
    case Mode::unset: break;
    }
}

void ConstraintTree::tearDownMode(Item& item)
{
    for (auto& pinned : item.pins) {
        if (pinned) {
            remove(*pinned);
            pinned.reset();
        }
    }
    for (const Constraint& constraint : item.rootConstraints) {
        remove(constraint);
    }
    item.rootConstraints.clear();
    if (item.mode == Mode::free) {
        const Variable* variables[4] = {&item.left, &item.top, &item.width, &item.height};
        for (int index = 0; index < 4; ++index) {
            if (item.stayed[static_cast<std::size_t>(index)]) {
                m_solver.removeStay(*variables[index]);
                m_solverChanged = true;
            }
        }
        item.stayed = {};
        auto alive = item.object.lock();
        if (alive && item.node.view && !m_fitting) {
            item.node.view->setEngineFrame(std::nullopt);
        }
    }
    item.mode = Mode::unset;
    m_staysDirty = true;
}

void ConstraintTree::tearDown(Item& item)
{
    tearDownMode(item);
    clearIntrinsicSize(item);
    for (auto* extent : {&item.contentWidth, &item.contentHeight}) {
        if (*extent && m_solver.hasStay(**extent)) {
            m_solver.removeStay(**extent);
            m_solverChanged = true;
        }
        extent->reset();
    }
}

void ConstraintTree::pin(Item& item, const CGRect& frame)
{
    Variable* variables[4] = {&item.left, &item.top, &item.width, &item.height};
    auto values = valuesOf(frame);
    auto held = valuesOf(item.pinnedFrame);
    bool failed = false;
    for (int index = 0; index < 4; ++index) {
        auto& pinned = item.pins[static_cast<std::size_t>(index)];
        if (pinned && near(values[index], held[index])) {
            continue;
        }
        if (pinned) {
            remove(*pinned);
            pinned.reset();
        }
        variables[index]->setValue(values[index]);
        Constraint equality(Expression(*variables[index]) - values[index], Relation::Equal);
        if (add(equality)) {
            pinned = equality;
        } else {
            failed = true;
        }
    }
    item.pinnedFrame = frame;
    if (!failed) {
        item.pinFailureReported = false;
    } else if (!item.pinFailureReported) {
        item.pinFailureReported = true;
        auto alive = item.object.lock();
        debugLog("NSLayoutConstraint: required constraints conflict with the frame of a " +
                 (alive ? alive->className() : std::string("view")) +
                 " that translates its autoresizing mask into constraints; the constraints win");
    }
}

void ConstraintTree::syncInvalidatedIntrinsicSizes()
{
    for (auto& [key, entry] : m_items) {
        Item& item = *entry;
        bool sized = item.mode == Mode::free || item.mode == Mode::fittingRoot;
        if (sized && item.node.view && !item.object.expired() &&
            item.intrinsicStamp != item.node.view->intrinsicSizeStamp()) {
            syncIntrinsicSize(item);
        }
    }
}

void ConstraintTree::syncIntrinsicSize(Item& item)
{
    const UIView& view = *item.node.view;
    // Measuring can be costly (text): only after the view said its size changed.
    std::uint64_t stamp = view.intrinsicSizeStamp();
    if (item.intrinsicStamp == stamp) {
        return;
    }
    item.intrinsicStamp = stamp;
    CGSize size = view.intrinsicContentSize();
    std::array<float, 4> priorities = {
        view.contentHuggingPriority(UILayoutConstraintAxis::horizontal),
        view.contentHuggingPriority(UILayoutConstraintAxis::vertical),
        view.contentCompressionResistancePriority(UILayoutConstraintAxis::horizontal),
        view.contentCompressionResistancePriority(UILayoutConstraintAxis::vertical),
    };
    if (near(size.width, item.intrinsic.width) && near(size.height, item.intrinsic.height) &&
        priorities == item.intrinsicPriorities) {
        return;
    }
    clearIntrinsicSize(item);
    item.intrinsicStamp = stamp;
    item.intrinsic = size;
    item.intrinsicPriorities = priorities;
    auto hold = [&](const Variable& variable, double value, float hugging, float compression) {
        if (!(value >= 0) || !std::isfinite(value)) {
            return false; // no intrinsic size along this axis
        }
        Constraint hug(Expression(variable) - value, Relation::LessOrEqual, Strength(hugging));
        Constraint resist(Expression(variable) - value, Relation::GreaterOrEqual, Strength(compression));
        int held = 0;
        for (const Constraint& constraint : {hug, resist}) {
            if (add(constraint)) {
                item.intrinsicConstraints.push_back(constraint);
                ++held;
            }
        }
        return held == 2;
    };
    item.intrinsicHolds[0] = hold(item.width, size.width, priorities[0], priorities[2]);
    item.intrinsicHolds[1] = hold(item.height, size.height, priorities[1], priorities[3]);
}

void ConstraintTree::clearIntrinsicSize(Item& item)
{
    for (const Constraint& constraint : item.intrinsicConstraints) {
        remove(constraint);
    }
    if (!item.intrinsicConstraints.empty()) {
        m_staysDirty = true;
    }
    item.intrinsicConstraints.clear();
    item.intrinsicHolds = {};
    item.intrinsic = {-1, -1};
    item.intrinsicStamp.reset();
    item.intrinsicPriorities = {};
}

const Variable& ConstraintTree::contentExtent(Item& item, bool horizontal)
{
    auto& extent = horizontal ? item.contentWidth : item.contentHeight;
    if (!extent) {
        extent.emplace();
        const auto& scrollView = static_cast<const UIScrollView&>(*item.node.view);
        CGSize content = scrollView.contentSize();
        CGSize visible = scrollView.bounds().size;
        double initial = horizontal ? (content.width > 0 ? content.width : visible.width)
                                    : (content.height > 0 ? content.height : visible.height);
        extent->setValue(initial);
        stay(*extent);
    }
    return *extent;
}

Expression ConstraintTree::attributeExpression(Item& item, NSLayoutAttribute attribute, bool ownSpace,
                                               const std::vector<Node>& chain)
{
    using A = NSLayoutAttribute;
    if (attribute == A::width) {
        return item.width;
    }
    if (attribute == A::height) {
        return item.height;
    }
    bool horizontal = isHorizontalPosition(attribute);
    const Variable& size = horizontal ? item.width : item.height;
    if (ownSpace) {
        switch (attribute) {
        case A::right:
        case A::trailing:
        case A::bottom: return item.isScrollView ? contentExtent(item, horizontal) : size;
        case A::centerX:
        case A::centerY: return size * 0.5;
        default: return Expression(0.0);
        }
    }
    Expression position = horizontal ? item.left : item.top;
    for (const Node& node : chain) {
        Item& between = itemFor(node);
        position += horizontal ? between.left : between.top;
    }
    switch (attribute) {
    case A::right:
    case A::trailing:
    case A::bottom: return position + size;
    case A::centerX:
    case A::centerY: return position + size * 0.5;
    default: return position;
    }
}

Constraint ConstraintTree::build(const NSLayoutConstraint& constraint, const Resolution& resolution)
{
    Item& first = itemFor(resolution.first);
    Expression difference = attributeExpression(first, constraint.firstAttribute(),
                                                resolution.first == resolution.space, resolution.firstChain);
    difference -= constraint.constant();
    if (resolution.second) {
        Item& second = itemFor(resolution.second);
        Expression other = attributeExpression(second, constraint.secondAttribute(),
                                               resolution.second == resolution.space, resolution.secondChain);
        difference -= other * constraint.multiplier();
    }
    Relation relation = Relation::Equal;
    if (constraint.relation() == NSLayoutRelation::lessThanOrEqual) {
        relation = Relation::LessOrEqual;
    } else if (constraint.relation() == NSLayoutRelation::greaterThanOrEqual) {
        relation = Relation::GreaterOrEqual;
    }
    return Constraint(difference, relation, Strength(constraint.priority()));
}

} // namespace platform
