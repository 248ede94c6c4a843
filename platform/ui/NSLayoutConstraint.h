#pragma once
// NSLayoutConstraint: one linear relation between attributes of two layout items (views or layout
// guides) that the constraint layout engine keeps while it lays views out:
//
//     firstItem.firstAttribute (relation) secondItem.secondAttribute * multiplier + constant
//
// With no second item the right side is the constant alone; only widths and heights may stand
// alone. Horizontal positions relate only to horizontal positions, vertical to vertical, sizes to
// sizes.
//
// Items are held weakly: a constraint never keeps a view alive, and one whose item died is
// ignored. A constraint takes part in layout while it is installed on a view (is active):
// setActive(true) installs it on the nearest common ancestor of its items (on the item itself
// when there is one item); UIView::addConstraint installs it wherever the caller says.
// The constant and the priority may change at any time; the engine then re-solves only what
// changed. Creating a constraint installs the constraint layout engine if no engine is installed.
// When required constraints cannot all hold, the newcomer is dropped, with one debug line: of
// constraints that join in one pass, the one made later; otherwise the one whose constant or
// priority just changed. A dropped constraint is tried again when the constraints, views or
// intrinsic sizes of its tree change, or its own constant or priority does.
#include "platform/foundation/NSObject.h"
#include "platform/ui/NSLayoutAttribute.h"
#include "platform/ui/UIViewTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UIView;
class UILayoutGuide;
class NSLayoutConstraint;
class ConstraintTree;

// Where an installed constraint reports that its constant or priority changed: the queue of the
// engine's solver for the constraint's tree.
struct NSLayoutConstraintChangeQueue {
    std::vector<std::weak_ptr<NSLayoutConstraint>> changed;
};

class NSLayoutConstraint : public NSObject {
public:
    // A new, inactive constraint at priority 1000 (required). Items are views or layout guides;
    // `item2` may be null (then `attribute2` must be notAnAttribute). A constraint whose items or
    // attributes do not fit together, or whose multiplier or constant is not finite, is still made
    // but is invalid: it writes one debug line now and never takes part in layout.
    static std::shared_ptr<NSLayoutConstraint> create(const std::shared_ptr<NSObject>& item1,
                                                      NSLayoutAttribute attribute1, NSLayoutRelation relation,
                                                      const std::shared_ptr<NSObject>& item2,
                                                      NSLayoutAttribute attribute2, double multiplier = 1.0,
                                                      double constant = 0.0);

    // Use create(); the constructor only stores the values.
    NSLayoutConstraint(const std::shared_ptr<NSObject>& item1, NSLayoutAttribute attribute1, NSLayoutRelation relation,
                       const std::shared_ptr<NSObject>& item2, NSLayoutAttribute attribute2, double multiplier,
                       double constant);

    // The items (null once dead, or when there is no second item).
    std::shared_ptr<NSObject> firstItem() const;
    std::shared_ptr<NSObject> secondItem() const;
    // The same items, typed; null when the item is of the other kind.
    std::shared_ptr<UIView> firstView() const { return m_first.view.lock(); }
    std::shared_ptr<UILayoutGuide> firstGuide() const { return m_first.guide.lock(); }
    std::shared_ptr<UIView> secondView() const { return m_second.view.lock(); }
    std::shared_ptr<UILayoutGuide> secondGuide() const { return m_second.guide.lock(); }
    bool hasSecondItem() const { return m_second.present; }

    NSLayoutAttribute firstAttribute() const { return m_firstAttribute; }
    NSLayoutAttribute secondAttribute() const { return m_secondAttribute; }
    NSLayoutRelation relation() const { return m_relation; }
    double multiplier() const { return m_multiplier; }

    double constant() const { return m_constant; }
    // Non-finite values are logged and ignored.
    void setConstant(double constant);
    // 1000 is required; lower priorities are optional and higher ones win (800 beats any number
    // of 750s). Values outside (0, 1000] or NaN are logged and ignored.
    UILayoutPriority priority() const { return m_priority; }
    void setPriority(UILayoutPriority priority);

    const std::optional<std::string>& identifier() const { return m_identifier; }
    void setIdentifier(std::optional<std::string> identifier) { m_identifier = std::move(identifier); }

    // False for a constraint that create() reported as unusable.
    bool isValid() const { return m_valid; }
    // Installed on a view (the view's constraints() holds it).
    bool isActive() const { return installedView() != nullptr; }
    // true installs the constraint on the nearest common ancestor of its items; an invalid
    // constraint, or items with no common ancestor, write one debug line and stay inactive.
    // false removes it from the view it is installed on.
    void setActive(bool active);
    static void activate(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints);
    static void deactivate(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints);
    // The view whose constraints() holds this constraint (searched among the items' ancestors),
    // or null.
    std::shared_ptr<UIView> installedView() const;

    // "UILabel.top == UIView.bottom * 1 + 8 @1000", prefixed by the identifier when there is one.
    std::string description() const;

private:
    friend class ConstraintTree;

    struct Item {
        std::weak_ptr<UIView> view;
        std::weak_ptr<UILayoutGuide> guide;
        bool present = false;
    };
    static Item makeItem(const std::shared_ptr<NSObject>& object);
    // Whether the items and attributes fit together; the reason when they do not.
    std::optional<std::string> problem(const std::shared_ptr<NSObject>& item1,
                                       const std::shared_ptr<NSObject>& item2) const;
    void noteChange();

    Item m_first;
    Item m_second;
    NSLayoutAttribute m_firstAttribute;
    NSLayoutAttribute m_secondAttribute;
    NSLayoutRelation m_relation;
    double m_multiplier;
    double m_constant;
    UILayoutPriority m_priority = UILayoutPriorityRequired;
    std::optional<std::string> m_identifier;
    bool m_valid = true;

    mutable std::weak_ptr<UIView> m_installedOn; // a hint; installedView() checks it
    // Creation order: of required constraints that conflict, the one made first holds.
    std::uint64_t m_sequence;
    // Engine bookkeeping: where changes are queued, and whether a failure to satisfy the
    // constraint was reported already (so it is reported once).
    std::weak_ptr<NSLayoutConstraintChangeQueue> m_changeQueue;
    bool m_failureReported = false;
};

using NSLayoutConstraintPtr = std::shared_ptr<NSLayoutConstraint>;

} // namespace platform
