// The view tree: adding, ordering and removing subviews, and the callbacks around moves.
#include "platform/ui/UIView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIViewAnimationCenter.h"

#include <algorithm>

namespace platform {

class UIViewHierarchy {
public:
    static void notifyWillMoveToWindow(UIView& view, const std::shared_ptr<UIWindow>& window)
    {
        auto keepAlive = view.sharedFromThis<UIView>();
        view.willMoveToWindow(window);
        auto subviews = view.m_subviews;
        for (const auto& subview : subviews) {
            notifyWillMoveToWindow(*subview, window);
        }
    }

    static void notifyDidMoveToWindow(UIView& view)
    {
        auto keepAlive = view.sharedFromThis<UIView>();
        view.didMoveToWindow();
        auto subviews = view.m_subviews;
        for (const auto& subview : subviews) {
            notifyDidMoveToWindow(*subview);
        }
    }

    // A first responder inside `view` loses its status when the view leaves its window.
    static void resignFirstResponderInside(UIView& view)
    {
        auto responder = std::dynamic_pointer_cast<UIView>(UIResponder::currentFirstResponder());
        if (!responder || !responder->isDescendant(view)) {
            return;
        }
        if (!responder->resignFirstResponder() || responder->isFirstResponder()) {
            UIResponder::takeFirstResponderStatus();
        }
    }

    // Puts the subview's layer right below the layer of the subview after it, or on top.
    static void placeLayer(UIView& parent, std::size_t index)
    {
        const auto& view = parent.m_subviews[index];
        if (index + 1 < parent.m_subviews.size()) {
            parent.m_layer->insertSublayerBelow(view->m_layer, parent.m_subviews[index + 1]->m_layer);
        } else {
            parent.m_layer->addSublayer(view->m_layer);
        }
    }

    static void propagateDirtyFlags(UIView& view)
    {
        if (view.m_subtreeNeedsLayout) {
            if (auto parent = view.superview()) {
                parent->markSubtreeNeedsLayout();
            }
        }
        if (view.m_subtreeNeedsUpdateConstraints) {
            if (auto parent = view.superview()) {
                parent->markSubtreeNeedsUpdateConstraints();
            }
        }
    }
};

UIViewPtr UIView::topmostAncestor() const
{
    const UIView* top = this;
    while (auto parent = top->superview()) {
        top = parent.get();
    }
    return std::const_pointer_cast<UIView>(top->sharedFromThis<UIView>());
}

UIViewPtr UIView::windowView() const
{
    auto top = topmostAncestor();
    if (!top || !top->isWindow()) {
        return nullptr;
    }
    return top;
}

std::shared_ptr<UIWindow> UIView::window() const
{
    auto top = windowView();
    return top ? top->asWindow() : nullptr;
}

bool UIView::isDescendant(const UIView& view) const
{
    for (const UIView* current = this; current;) {
        if (current == &view) {
            return true;
        }
        auto parent = current->superview();
        current = parent.get();
    }
    return false;
}

std::shared_ptr<UIResponder> UIView::nextResponder() const
{
    if (auto controller = owningController()) {
        return controller;
    }
    return superview();
}

void UIView::addSubview(const UIViewPtr& view)
{
    insertSubview(view, m_subviews.size());
}

void UIView::insertSubview(const UIViewPtr& view, std::size_t index)
{
    if (!view) {
        debugLog("UIView: ignoring a null subview");
        return;
    }
    if (isDescendant(*view)) {
        debugLog("UIView: a view cannot be added to itself or to one of its subviews");
        return;
    }
    auto self = sharedFromThis<UIView>();
    if (!self) {
        debugLog("UIView: subviews need a view made with create()");
        return;
    }
    UIViewPtr moving = view; // keeps the view alive through the move
    auto oldSuperview = moving->superview();

    if (oldSuperview.get() == this) {
        // Only the order changes: no move callbacks.
        auto at = std::find(m_subviews.begin(), m_subviews.end(), moving);
        std::size_t oldIndex = static_cast<std::size_t>(at - m_subviews.begin());
        if (oldIndex < index) {
            --index;
        }
        m_subviews.erase(at);
        index = std::min(index, m_subviews.size());
        m_subviews.insert(m_subviews.begin() + static_cast<std::ptrdiff_t>(index), moving);
        UIViewHierarchy::placeLayer(*this, index);
        return;
    }

    auto oldWindow = moving->windowView();
    auto newWindow = windowView();
    bool windowChanges = oldWindow != newWindow;
    UIColorPtr oldTint = moving->tintColor();

    if (windowChanges && oldWindow) {
        UIViewHierarchy::resignFirstResponderInside(*moving);
    }
    moving->willMoveToSuperview(self);
    if (windowChanges) {
        UIViewHierarchy::notifyWillMoveToWindow(*moving, newWindow ? newWindow->asWindow() : nullptr);
    }
    if (oldSuperview) {
        oldSuperview->willRemoveSubview(moving);
        auto& siblings = oldSuperview->m_subviews;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), moving), siblings.end());
        oldSuperview->setNeedsLayout();
    }
    index = std::min(index, m_subviews.size());
    m_subviews.insert(m_subviews.begin() + static_cast<std::ptrdiff_t>(index), moving);
    moving->m_superview = self;
    UIViewHierarchy::placeLayer(*this, index);

    bumpLayoutGeneration();
    setNeedsLayout();
    moving->setNeedsLayout();
    moving->setNeedsUpdateConstraints();
    UIViewHierarchy::propagateDirtyFlags(*moving);

    if (windowChanges) {
        UIViewHierarchy::notifyDidMoveToWindow(*moving);
        if (oldWindow && !newWindow) {
            UIViewAnimationCenter::finishAnimationsLeftWithoutWindow(*moving);
        }
    }
    moving->didMoveToSuperview();
    didAddSubview(moving);
    if (!moving->m_tintColor && !isEqual(oldTint, moving->tintColor())) {
        moving->propagateTintChange();
    }
}

void UIView::insertSubviewAbove(const UIViewPtr& view, const UIViewPtr& sibling)
{
    auto at = std::find(m_subviews.begin(), m_subviews.end(), sibling);
    if (!sibling || at == m_subviews.end()) {
        addSubview(view);
        return;
    }
    insertSubview(view, static_cast<std::size_t>(at - m_subviews.begin()) + 1);
}

void UIView::insertSubviewBelow(const UIViewPtr& view, const UIViewPtr& sibling)
{
    auto at = std::find(m_subviews.begin(), m_subviews.end(), sibling);
    if (!sibling || at == m_subviews.end()) {
        insertSubview(view, 0);
        return;
    }
    insertSubview(view, static_cast<std::size_t>(at - m_subviews.begin()));
}

void UIView::bringSubviewToFront(const UIViewPtr& view)
{
    if (!view || view->superview().get() != this) {
        return;
    }
    insertSubview(view, m_subviews.size());
}

void UIView::sendSubviewToBack(const UIViewPtr& view)
{
    if (!view || view->superview().get() != this) {
        return;
    }
    insertSubview(view, 0);
}

void UIView::removeFromSuperview()
{
    auto parent = superview();
    if (!parent) {
        return;
    }
    auto self = sharedFromThis<UIView>();
    if (!self) {
        return;
    }
    auto oldWindow = windowView();
    UIColorPtr oldTint = tintColor();
    if (oldWindow) {
        UIViewHierarchy::resignFirstResponderInside(*this);
    }
    willMoveToSuperview(nullptr);
    if (oldWindow) {
        UIViewHierarchy::notifyWillMoveToWindow(*this, nullptr);
    }
    parent->willRemoveSubview(self);
    auto& siblings = parent->m_subviews;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
    m_superview.reset();
    m_layer->removeFromSuperlayer();
    bumpLayoutGeneration();
    parent->setNeedsLayout();
    if (oldWindow) {
        UIViewHierarchy::notifyDidMoveToWindow(*this);
        UIViewAnimationCenter::finishAnimationsLeftWithoutWindow(*this);
    }
    didMoveToSuperview();
    if (!m_tintColor && !isEqual(oldTint, tintColor())) {
        propagateTintChange();
    }
}

UIViewPtr UIView::viewWithTag(int tag)
{
    if (m_tag == tag) {
        return sharedFromThis<UIView>();
    }
    for (const auto& subview : m_subviews) {
        if (auto found = subview->viewWithTag(tag)) {
            return found;
        }
    }
    return nullptr;
}

bool UIView::endEditing(bool force)
{
    auto responder = std::dynamic_pointer_cast<UIView>(UIResponder::currentFirstResponder());
    if (!responder || !responder->isDescendant(*this)) {
        return true;
    }
    bool resigned = responder->resignFirstResponder() && !responder->isFirstResponder();
    if (!resigned && force) {
        UIResponder::takeFirstResponderStatus();
        resigned = true;
    }
    return resigned;
}

} // namespace platform
