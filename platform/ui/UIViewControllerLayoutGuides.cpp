// The top and bottom layout guides of a controller's root view.
#include "platform/ui/UIViewController.h"

#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILayoutGuide.h"

namespace platform {

std::shared_ptr<UILayoutGuide> UIViewController::topLayoutGuide()
{
    if (!m_topLayoutGuide || !m_view) {
        m_topLayoutGuide = makeLayoutGuide(true);
    }
    return m_topLayoutGuide;
}

std::shared_ptr<UILayoutGuide> UIViewController::bottomLayoutGuide()
{
    if (!m_bottomLayoutGuide || !m_view) {
        m_bottomLayoutGuide = makeLayoutGuide(false);
    }
    return m_bottomLayoutGuide;
}

std::shared_ptr<UILayoutGuide> UIViewController::makeLayoutGuide(bool top)
{
    auto view = this->view();
    auto guide = NSObject::create<UILayoutGuide>();
    guide->setIdentifier(std::string(top ? "UIViewControllerTopLayoutGuide" : "UIViewControllerBottomLayoutGuide"));
    view->addLayoutGuide(guide);
    using A = NSLayoutAttribute;
    auto edge = top ? A::top : A::bottom;
    auto height = NSLayoutConstraint::create(guide, A::height, NSLayoutRelation::equal, nullptr, A::notAnAttribute, 1,
                                             top ? topLayoutGuideLength() : bottomLayoutGuideLength());
    NSLayoutConstraint::activate({
        NSLayoutConstraint::create(guide, edge, NSLayoutRelation::equal, view, edge),
        NSLayoutConstraint::create(guide, A::leading, NSLayoutRelation::equal, view, A::leading),
        NSLayoutConstraint::create(guide, A::trailing, NSLayoutRelation::equal, view, A::trailing),
        height,
    });
    (top ? m_topGuideHeight : m_bottomGuideHeight) = height;
    return guide;
}

void UIViewController::updateLayoutGuideLengths()
{
    if (m_topGuideHeight) {
        m_topGuideHeight->setConstant(topLayoutGuideLength());
    }
    if (m_bottomGuideHeight) {
        m_bottomGuideHeight->setConstant(bottomLayoutGuideLength());
    }
}

} // namespace platform
