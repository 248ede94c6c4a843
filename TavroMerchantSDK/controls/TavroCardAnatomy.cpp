#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"

#include "TavroMerchantSDK/controls/CardAnatomyNibs.h"
#include "TavroMerchantSDK/controls/CardNibContent.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/DebugLog.h"

#include <typeindex>

namespace tavro {

using platform::UIImageRenderingMode;

namespace {

platform::UIImagePtr untinted(const platform::UIImagePtr& image)
{
    return image ? image->withRenderingMode(UIImageRenderingMode::alwaysOriginal) : nullptr;
}

} // namespace

TavroCardAnatomy::TavroCardAnatomy(const platform::CGRect& frame) : platform::UIView(frame) {}

void TavroCardAnatomy::didCreate()
{
    platform::UIView::didCreate();
    ensureCardAnatomyNibsRegistered();
    auto self = sharedFromThis<platform::UIView>();
    auto content = loadCardNibContent(self, std::type_index(typeid(TavroCardAnatomy)));
    if (content && (view.expired() || cardAnatomy.expired())) {
        discardCardNibContent(self, content, "TavroCardAnatomy", view.expired() ? "view" : "cardAnatomy");
        content = nullptr;
    }
    if (!content) {
        view.reset();
        cardAnatomy.reset();
    }
    setupCardAnatomy();
}

void TavroCardAnatomy::setupCardAnatomy()
{
    auto card = cardAnatomy.lock();
    if (!card)
        return;
    card->setBackgroundImage(untinted(tavroImageTemp("img_cardart_texture")));
}

void TavroCardAnatomy::customizeCardArt(const std::shared_ptr<TavroCardDetails>& details)
{
    if (!details) {
        platform::debugLog("TavroCardAnatomy: customizeCardArt needs card details");
        return;
    }
    auto card = cardAnatomy.lock();
    if (!card)
        return;
    if (auto kora = card->koraImageView.lock())
        kora->setImage(details->networkLogo());
    card->setBackgroundImage(untinted(details->cardArtOverlay()));
    card->setLeftIssuerLogo(untinted(details->issuerLogo()));
    card->setBackgroundColor(details->cardArtColor());
    card->layoutSubviews();
    card->setNeedsDisplay();
}

} // namespace tavro
