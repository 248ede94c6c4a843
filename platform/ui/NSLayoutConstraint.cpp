#include "platform/ui/NSLayoutConstraint.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/ui/ConstraintLayoutEngine.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

#include <cmath>
#include <sstream>

namespace platform {

std::string_view attributeName(NSLayoutAttribute attribute)
{
    switch (attribute) {
    case NSLayoutAttribute::left: return "left";
    case NSLayoutAttribute::right: return "right";
    case NSLayoutAttribute::top: return "top";
    case NSLayoutAttribute::bottom: return "bottom";
    case NSLayoutAttribute::leading: return "leading";
    case NSLayoutAttribute::trailing: return "trailing";
    case NSLayoutAttribute::width: return "width";
    case NSLayoutAttribute::height: return "height";
    case NSLayoutAttribute::centerX: return "centerX";
    case NSLayoutAttribute::centerY: return "centerY";
    case NSLayoutAttribute::notAnAttribute: break;
    }
    return "notAnAttribute";
}

std::string_view relationSymbol(NSLayoutRelation relation)
{
    switch (relation) {
    case NSLayoutRelation::lessThanOrEqual: return "<=";
    case NSLayoutRelation::greaterThanOrEqual: return ">=";
    case NSLayoutRelation::equal: break;
    }
    return "==";
}

NSLayoutConstraint::Item NSLayoutConstraint::makeItem(const std::shared_ptr<NSObject>& object)
{
    Item item;
    item.present = object != nullptr;
    if (auto view = std::dynamic_pointer_cast<UIView>(object)) {
        item.view = view;
    } else if (auto guide = std::dynamic_pointer_cast<UILayoutGuide>(object)) {
        item.guide = guide;
    }
    return item;
}

NSLayoutConstraint::NSLayoutConstraint(const std::shared_ptr<NSObject>& item1, NSLayoutAttribute attribute1,
                                       NSLayoutRelation relation, const std::shared_ptr<NSObject>& item2,
                                       NSLayoutAttribute attribute2, double multiplier, double constant)
    : m_first(makeItem(item1)),
      m_second(makeItem(item2)),
      m_firstAttribute(attribute1),
      m_secondAttribute(attribute2),
      m_relation(relation),
      m_multiplier(multiplier),
      m_constant(constant)
{
    static std::uint64_t nextSequence = 0;
    m_sequence = nextSequence++;
}

std::shared_ptr<NSLayoutConstraint> NSLayoutConstraint::create(const std::shared_ptr<NSObject>& item1,
                                                               NSLayoutAttribute attribute1, NSLayoutRelation relation,
                                                               const std::shared_ptr<NSObject>& item2,
                                                               NSLayoutAttribute attribute2, double multiplier,
                                                               double constant)
{
    installConstraintLayoutEngine();
    auto constraint =
        NSObject::create<NSLayoutConstraint>(item1, attribute1, relation, item2, attribute2, multiplier, constant);
    if (auto reason = constraint->problem(item1, item2)) {
        constraint->m_valid = false;
        debugLog("NSLayoutConstraint: " + *reason + ": " + constraint->description() +
                 "; it will take no part in layout");
    }
    return constraint;
}

std::optional<std::string> NSLayoutConstraint::problem(const std::shared_ptr<NSObject>& item1,
                                                       const std::shared_ptr<NSObject>& item2) const
{
    auto isItem = [](const Item& item) { return !item.view.expired() || !item.guide.expired(); };
    if (!item1) {
        return "no first item";
    }
    if (!isItem(m_first) || (item2 && !isItem(m_second))) {
        return "items must be views or layout guides";
    }
    if (!std::isfinite(m_multiplier) || !std::isfinite(m_constant)) {
        return "the multiplier and the constant must be finite";
    }
    if (m_firstAttribute == NSLayoutAttribute::notAnAttribute) {
        return "the first attribute is missing";
    }
    if (!item2) {
        if (m_secondAttribute != NSLayoutAttribute::notAnAttribute) {
            return "a second attribute without a second item";
        }
        if (!isSizeAttribute(m_firstAttribute)) {
            return "only a width or a height can equal a constant";
        }
        return std::nullopt;
    }
    bool fits = (isSizeAttribute(m_firstAttribute) && isSizeAttribute(m_secondAttribute)) ||
                (isHorizontalPosition(m_firstAttribute) && isHorizontalPosition(m_secondAttribute)) ||
                (isVerticalPosition(m_firstAttribute) && isVerticalPosition(m_secondAttribute));
    if (!fits) {
        return "the attributes do not relate (sizes, horizontal and vertical positions do not mix)";
    }
    return std::nullopt;
}

std::shared_ptr<NSObject> NSLayoutConstraint::firstItem() const
{
    if (auto view = m_first.view.lock()) {
        return view;
    }
    return m_first.guide.lock();
}

std::shared_ptr<NSObject> NSLayoutConstraint::secondItem() const
{
    if (auto view = m_second.view.lock()) {
        return view;
    }
    return m_second.guide.lock();
}

void NSLayoutConstraint::setConstant(double constant)
{
    if (!std::isfinite(constant)) {
        debugLog("NSLayoutConstraint: ignoring a non-finite constant");
        return;
    }
    if (constant == m_constant) {
        return;
    }
    m_constant = constant;
    noteChange();
}

void NSLayoutConstraint::setPriority(UILayoutPriority priority)
{
    if (!(priority > 0 && priority <= UILayoutPriorityRequired)) {
        debugLog("NSLayoutConstraint: ignoring priority " + classicNumber(priority) + " (not in 0 < p <= 1000)");
        return;
    }
    if (priority == m_priority) {
        return;
    }
    m_priority = priority;
    noteChange();
}

void NSLayoutConstraint::noteChange()
{
    if (auto queue = m_changeQueue.lock()) {
        queue->changed.push_back(weakFromThis<NSLayoutConstraint>());
    }
    if (auto view = installedView()) {
        view->setNeedsLayout();
    }
}

std::string NSLayoutConstraint::description() const
{
    auto itemName = [](const std::shared_ptr<NSObject>& item) { return item ? item->className() : "(none)"; };
    std::ostringstream text = classicStream();
    if (m_identifier) {
        text << '"' << *m_identifier << "\" ";
    }
    text << itemName(firstItem()) << '.' << attributeName(m_firstAttribute) << ' ' << relationSymbol(m_relation) << ' ';
    if (m_second.present) {
        text << itemName(secondItem()) << '.' << attributeName(m_secondAttribute) << " * " << m_multiplier << " + ";
    }
    text << m_constant << " @" << m_priority;
    return text.str();
}

} // namespace platform
