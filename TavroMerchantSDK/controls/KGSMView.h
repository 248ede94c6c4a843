#pragma once
// KGSMView: the status-message banner: a strip coloured by its kind (success green, warning
// amber, error red) with a message label and an optional action button, both from the nib
// "KGSMView" (registered by KGSMViewNib.h). The message wraps between the side margins, left of the
// button when there is one, and the banner is as tall as the whole message (at least the nib's 60
// points). View controllers show one through KViewControllerWithGSM::showGSM(). Main thread.

#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

class KGSMView : public platform::UIView {
public:
    enum class GSMViewType { success, warning, error };

    // The layout of the content, in points.
    static constexpr double minimumHeight = 60;
    static constexpr double sideMargin = 16;
    static constexpr double verticalInset = 8;
    static constexpr double buttonWidth = 80;
    static constexpr double buttonHeight = 44;

    // No outlets, kind success, no setup: banners are made by createGSMView().
    explicit KGSMView(const platform::CGRect& frame = platform::CGRect()) : platform::UIView(frame) {}

    // Outlets, connected by the nib (weak: the banner's subviews own them).
    std::shared_ptr<platform::UILabel> messageLabel() const { return m_messageLabel.lock(); }
    void setMessageLabel(std::weak_ptr<platform::UILabel> label) { m_messageLabel = std::move(label); }
    std::shared_ptr<platform::UIButton> actionButton() const { return m_actionButton.lock(); }
    void setActionButton(std::weak_ptr<platform::UIButton> button) { m_actionButton = std::move(button); }

    GSMViewType type() const { return m_type; }
    void setType(GSMViewType type) { m_type = type; }

    // A banner of `type` loaded from its nib, styled by commonSetup() and setupForType(). Null, with
    // one debug line, when the nib is missing, its first object is not a KGSMView, or an outlet is
    // not connected.
    static std::shared_ptr<KGSMView> createGSMView(GSMViewType type);
    // Only writes the debug line of the banner's kind.
    static void staticSetupGSMView(const KGSMView& view);

    // 12-point system font for the message; the theme's element colour for the message and the
    // button's normal title.
    virtual void commonSetup();
    // The background colour of the kind, and the kind's debug line.
    virtual void setupForType();

    void prepareForInterfaceBuilder() {}

    // `size.width` wide and as tall as the whole message at that width.
    platform::CGSize sizeThatFits(platform::CGSize size) const override;
    // Makes the banner `width` wide and as tall as its whole message, and places the message and
    // the button; done before the banner is attached, whose height is then its slide distance.
    void fitToWidth(double width);
    void layoutSubviews() override;

private:
    double messageWidth(double bannerWidth) const;
    void placeContent();

    std::weak_ptr<platform::UILabel> m_messageLabel;
    std::weak_ptr<platform::UIButton> m_actionButton;
    GSMViewType m_type = GSMViewType::success;
};

} // namespace tavro
