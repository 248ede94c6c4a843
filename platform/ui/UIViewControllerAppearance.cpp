// Appearance callbacks of view controllers and their forwarding to children.
#include "platform/ui/UIViewController.h"

namespace platform {

void UIViewController::beginAppearanceTransition(bool isAppearing, bool animated)
{
    auto keepAlive = sharedFromThis<UIViewController>();
    if (isAppearing) {
        if (m_appearanceState == AppearanceState::appearing || m_appearanceState == AppearanceState::appeared) {
            return;
        }
        m_appearanceState = AppearanceState::appearing;
        m_lastAppearanceAnimated = animated;
        viewWillAppear(animated);
    } else {
        if (m_appearanceState == AppearanceState::disappearing || m_appearanceState == AppearanceState::disappeared) {
            return;
        }
        m_appearanceState = AppearanceState::disappearing;
        m_lastAppearanceAnimated = animated;
        viewWillDisappear(animated);
    }
    forwardAppearanceToChildren(true, isAppearing, animated);
}

void UIViewController::endAppearanceTransition()
{
    auto keepAlive = sharedFromThis<UIViewController>();
    bool animated = m_lastAppearanceAnimated;
    if (m_appearanceState == AppearanceState::appearing) {
        m_appearanceState = AppearanceState::appeared;
        if (m_view) {
            if (auto window = m_view->windowView()) {
                window->layoutIfNeeded();
            }
        }
        viewDidAppear(animated);
        forwardAppearanceToChildren(false, true, animated);
    } else if (m_appearanceState == AppearanceState::disappearing) {
        m_appearanceState = AppearanceState::disappeared;
        viewDidDisappear(animated);
        forwardAppearanceToChildren(false, false, animated);
    }
}

bool UIViewController::isAppearingOrAppeared() const
{
    return m_appearanceState == AppearanceState::appearing || m_appearanceState == AppearanceState::appeared;
}

bool UIViewController::hasAppeared() const
{
    return m_appearanceState == AppearanceState::appeared;
}

void UIViewController::forwardAppearanceToChildren(bool begin, bool isAppearing, bool animated)
{
    if (!m_view) {
        return;
    }
    auto children = m_children; // snapshot: callbacks may change the children
    for (const auto& child : children) {
        auto childView = child->viewIfLoaded();
        if (!childView || !childView->isDescendant(*m_view)) {
            continue;
        }
        if (begin) {
            child->beginAppearanceTransition(isAppearing, animated);
            continue;
        }
        auto expected = isAppearing ? AppearanceState::appearing : AppearanceState::disappearing;
        if (child->m_appearanceState == expected) {
            child->endAppearanceTransition();
        }
    }
}

} // namespace platform
