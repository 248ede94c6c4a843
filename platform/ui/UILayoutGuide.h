#pragma once
// UILayoutGuide: an invisible rectangle that takes part in constraint layout like a view (spacers,
// the area a screen's content should keep clear of) without drawing or taking touches.
//
// A guide belongs to the view it was added to (UIView::addLayoutGuide), which holds it strongly;
// the guide holds its owning view weakly. Its layoutFrame is in the owning view's bounds space:
// the engine writes it after each solve; a guide that no constraint decides keeps its frame.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGRect.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

class UIView;
class ConstraintTree;

class UILayoutGuide : public NSObject {
public:
    UILayoutGuide() = default;

    std::shared_ptr<UIView> owningView() const { return m_owningView.lock(); }
    // Set by UIView::addLayoutGuide and cleared by removeLayoutGuide; the engine also repairs it
    // from the views' layoutGuides() at each full pass.
    void setOwningView(const std::shared_ptr<UIView>& view) { m_owningView = view; }

    const std::optional<std::string>& identifier() const { return m_identifier; }
    void setIdentifier(std::optional<std::string> identifier) { m_identifier = std::move(identifier); }

    // In the owning view's bounds space; zero until solved.
    const CGRect& layoutFrame() const { return m_layoutFrame; }

private:
    friend class ConstraintTree;

    std::weak_ptr<UIView> m_owningView;
    std::optional<std::string> m_identifier;
    CGRect m_layoutFrame;
};

using UILayoutGuidePtr = std::shared_ptr<UILayoutGuide>;

} // namespace platform
