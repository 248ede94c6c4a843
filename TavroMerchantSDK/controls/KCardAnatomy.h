#pragma once
// KCardAnatomy: the K kit's card-art view. A card-shaped rectangle with a background picture over
// a background colour, up to two issuer logos and the brand logo; its corners are rounded in
// proportion to its height. The content comes from the nib "KCardAnatomy" of the framework bundle,
// which connects the outlets below.
//
// Without its nib (or with outlets left unconnected) the card is an empty coloured rectangle: the
// properties still store their values and every step that needs a missing outlet is skipped.
// Make with NSObject::create<KCardAnatomy>(frame). Main thread only.

#include "platform/graphics/UIImage.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

class KCardAnatomy : public platform::UIView {
public:
    explicit KCardAnatomy(const platform::CGRect& frame = platform::CGRect());

    // Shown by the background image view; null clears it.
    const platform::UIImagePtr& backgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(platform::UIImagePtr image);
    // Shown by the left and right issuer image views; null clears them.
    const platform::UIImagePtr& leftIssuerLogo() const { return m_leftIssuerLogo; }
    void setLeftIssuerLogo(platform::UIImagePtr image);
    const platform::UIImagePtr& rightIssuerLogo() const { return m_rightIssuerLogo; }
    void setRightIssuerLogo(platform::UIImagePtr image);
    // Hides (false) or shows (true) the brand logo. True at first, without touching the nib's state.
    bool showsKoraLogo() const { return m_showsKoraLogo; }
    void setShowsKoraLogo(bool shows);
    // Hides or shows both issuer logos and swaps the brand logo's height: small beside issuer logos
    // (true), large without them (false); then lays the view out. True at first.
    bool showsIssuerLogos() const { return m_showsIssuerLogos; }
    void setShowsIssuerLogos(bool shows);

    // Rounds the corners to 4 % of the height and widens each set issuer logo's view so the logo
    // keeps its aspect ratio at the height the nib gives it. A logo of zero height (or of no finite
    // ratio) leaves its width constraint as it was.
    void layoutSubviews() override;

    // --- outlets, connected by the nib ---
    std::weak_ptr<platform::UIImageView> backgroundImageView;
    std::weak_ptr<platform::UIImageView> leftIssuerImageView;
    std::weak_ptr<platform::UIImageView> rightIssuerImageView;
    std::weak_ptr<platform::UIImageView> koraImageView;
    std::weak_ptr<platform::NSLayoutConstraint> leftIssuerWidthConstraint;
    std::weak_ptr<platform::NSLayoutConstraint> rightIssuerWidthConstraint;
    // Owned here: only one of the two is installed at a time and the other must outlive that.
    std::shared_ptr<platform::NSLayoutConstraint> smallKoraHeightConstraint;
    std::shared_ptr<platform::NSLayoutConstraint> largeKoraHeightConstraint;

protected:
    void didCreate() override;

private:
    void setup();
    void fitIssuerWidth(const platform::UIImagePtr& logo, const std::weak_ptr<platform::UIImageView>& imageView,
                        const std::weak_ptr<platform::NSLayoutConstraint>& widthConstraint);

    platform::UIImagePtr m_backgroundImage;
    platform::UIImagePtr m_leftIssuerLogo;
    platform::UIImagePtr m_rightIssuerLogo;
    bool m_showsKoraLogo = true;
    bool m_showsIssuerLogos = true;
};

} // namespace tavro
