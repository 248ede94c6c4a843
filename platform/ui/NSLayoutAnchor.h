#pragma once
// Layout anchors: a typed way to make constraints. An anchor names one attribute of one item (a
// view or a layout guide, held weakly); the anchor types keep horizontal positions, vertical
// positions and sizes apart at compile time, so only constraints that relate can be written:
//
//     anchors(label).top.constraintEqualTo(anchors(box).bottom, 8)->setActive(true);
//     anchors(button).height.constraintEqualToConstant(44);
//
// Every constraint made here is new and inactive, at priority 1000.
#include "platform/ui/NSLayoutConstraint.h"

#include <memory>

namespace platform {

class UIView;
class UILayoutGuide;

template <class AnchorType>
class NSLayoutAnchor {
public:
    NSLayoutAnchor(const std::shared_ptr<NSObject>& item, NSLayoutAttribute attribute)
        : m_item(item), m_attribute(attribute)
    {
    }

    std::shared_ptr<NSObject> item() const { return m_item.lock(); }
    NSLayoutAttribute attribute() const { return m_attribute; }

    // this == other + constant
    NSLayoutConstraintPtr constraintEqualTo(const AnchorType& other, double constant = 0) const
    {
        return make(NSLayoutRelation::equal, other, 1, constant);
    }
    // this >= other + constant
    NSLayoutConstraintPtr constraintGreaterThanOrEqualTo(const AnchorType& other, double constant = 0) const
    {
        return make(NSLayoutRelation::greaterThanOrEqual, other, 1, constant);
    }
    // this <= other + constant
    NSLayoutConstraintPtr constraintLessThanOrEqualTo(const AnchorType& other, double constant = 0) const
    {
        return make(NSLayoutRelation::lessThanOrEqual, other, 1, constant);
    }

protected:
    NSLayoutConstraintPtr make(NSLayoutRelation relation, const AnchorType& other, double multiplier,
                               double constant) const
    {
        return NSLayoutConstraint::create(item(), m_attribute, relation, other.item(), other.attribute(), multiplier,
                                          constant);
    }

    std::weak_ptr<NSObject> m_item;
    NSLayoutAttribute m_attribute;
};

class NSLayoutXAxisAnchor : public NSLayoutAnchor<NSLayoutXAxisAnchor> {
public:
    using NSLayoutAnchor::NSLayoutAnchor;
};

class NSLayoutYAxisAnchor : public NSLayoutAnchor<NSLayoutYAxisAnchor> {
public:
    using NSLayoutAnchor::NSLayoutAnchor;
};

class NSLayoutDimension : public NSLayoutAnchor<NSLayoutDimension> {
public:
    using NSLayoutAnchor::NSLayoutAnchor;
    using NSLayoutAnchor::constraintEqualTo;
    using NSLayoutAnchor::constraintGreaterThanOrEqualTo;
    using NSLayoutAnchor::constraintLessThanOrEqualTo;

    // this == other * multiplier + constant (and the inequalities)
    NSLayoutConstraintPtr constraintEqualTo(const NSLayoutDimension& other, double multiplier, double constant) const
    {
        return make(NSLayoutRelation::equal, other, multiplier, constant);
    }
    NSLayoutConstraintPtr constraintGreaterThanOrEqualTo(const NSLayoutDimension& other, double multiplier,
                                                         double constant) const
    {
        return make(NSLayoutRelation::greaterThanOrEqual, other, multiplier, constant);
    }
    NSLayoutConstraintPtr constraintLessThanOrEqualTo(const NSLayoutDimension& other, double multiplier,
                                                      double constant) const
    {
        return make(NSLayoutRelation::lessThanOrEqual, other, multiplier, constant);
    }

    // this == constant (and the inequalities)
    NSLayoutConstraintPtr constraintEqualToConstant(double constant) const
    {
        return makeConstant(NSLayoutRelation::equal, constant);
    }
    NSLayoutConstraintPtr constraintGreaterThanOrEqualToConstant(double constant) const
    {
        return makeConstant(NSLayoutRelation::greaterThanOrEqual, constant);
    }
    NSLayoutConstraintPtr constraintLessThanOrEqualToConstant(double constant) const
    {
        return makeConstant(NSLayoutRelation::lessThanOrEqual, constant);
    }

private:
    NSLayoutConstraintPtr makeConstant(NSLayoutRelation relation, double constant) const
    {
        return NSLayoutConstraint::create(item(), m_attribute, relation, nullptr, NSLayoutAttribute::notAnAttribute, 1,
                                          constant);
    }
};

// The anchors of one view or layout guide.
struct LayoutAnchors {
    NSLayoutXAxisAnchor left;
    NSLayoutXAxisAnchor right;
    NSLayoutXAxisAnchor leading;
    NSLayoutXAxisAnchor trailing;
    NSLayoutXAxisAnchor centerX;
    NSLayoutYAxisAnchor top;
    NSLayoutYAxisAnchor bottom;
    NSLayoutYAxisAnchor centerY;
    NSLayoutDimension width;
    NSLayoutDimension height;
};

LayoutAnchors anchors(const std::shared_ptr<UIView>& view);
LayoutAnchors anchors(const std::shared_ptr<UILayoutGuide>& guide);

} // namespace platform
