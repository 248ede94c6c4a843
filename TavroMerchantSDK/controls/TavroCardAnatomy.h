#pragma once
// TavroCardAnatomy: the framework's card art, a wrapper around one KCardAnatomy that comes from
// the nib "TavroCardAnatomy". It starts with the framework's texture as the background and paints
// any card from its TavroCardDetails, so one view can be reused for another card.
//
// Without its nib (or with an outlet left unconnected) it is an empty view: one debug line, and
// customizeCardArt() does nothing. Make with NSObject::create<TavroCardAnatomy>(frame). Main thread.

#include "TavroMerchantSDK/controls/KCardAnatomy.h"
#include "TavroMerchantSDK/core/TavroCardDetails.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

class TavroCardAnatomy : public platform::UIView {
public:
    explicit TavroCardAnatomy(const platform::CGRect& frame = platform::CGRect());

    // Paints the card art from `details`: brand-logo image = the network logo, background image =
    // the art overlay, left issuer logo = the issuer logo (each drawn in its own colours; none
    // clears), background colour = the art colour; then lays the card out at once and redraws it.
    // The right issuer logo and the two switches stay. Null details: one debug line, no change.
    void customizeCardArt(const std::shared_ptr<TavroCardDetails>& details);

    // --- outlets, connected by the nib ---
    // The nib's root view and the card art inside it.
    std::weak_ptr<platform::UIView> view;
    std::weak_ptr<KCardAnatomy> cardAnatomy;

protected:
    void didCreate() override;

private:
    void setupCardAnatomy();
};

} // namespace tavro
