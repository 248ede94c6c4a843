#pragma once
// TavroCardDetails: one payment card as the card views show it: last four digits, a type text,
// the issuer's logo, the card art's colour and overlay, and the card network with its name and
// logo. Held by std::shared_ptr; make with NSObject::create<TavroCardDetails>(...).

#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

#include <optional>
#include <string>

namespace tavro {

class TavroCardDetails : public platform::NSObject {
public:
    enum class TavroCardType : int {
        unspecified = 0,
        kora = 1,
        masterCard = 2,
        rupay = 3,
        other = 4,
    };
    // The card type of a raw value 0 to 4; nullopt for any other value.
    static std::optional<TavroCardType> cardTypeFromRawValue(long long rawValue);

    // Declared, unread by the framework.
    static constexpr int maximumCardTypeLength = 25;

    // With an explicit network name and logo; networkType is unspecified. A null card-art colour
    // becomes "#1869d6".
    TavroCardDetails(std::string lastFourDigits, std::string cardType, platform::UIImagePtr issuerLogo,
                     platform::UIColorPtr cardArtColor, platform::UIImagePtr cardArtOverlay,
                     std::string networkName = {}, platform::UIImagePtr networkLogo = nullptr);
    // With a network type, from which the network's name and logo (from the framework bundle, an
    // empty image when missing) are filled in. Kora, Master Card and Rupay have their own; every
    // other value, also one outside the enumeration, is "Other" with the placeholder logo.
    TavroCardDetails(std::string lastFourDigits, std::string cardType, platform::UIImagePtr issuerLogo,
                     platform::UIColorPtr cardArtColor, platform::UIImagePtr cardArtOverlay, TavroCardType networkType);

    const std::string& lastFourDigits() const { return m_lastFourDigits; }
    const std::string& cardType() const { return m_cardType; }
    const platform::UIImagePtr& issuerLogo() const { return m_issuerLogo; }
    // Never null.
    const platform::UIColorPtr& cardArtColor() const { return m_cardArtColor; }
    const platform::UIImagePtr& cardArtOverlay() const { return m_cardArtOverlay; }
    // Changing it later leaves networkName and networkLogo as they are.
    TavroCardType networkType() const { return m_networkType; }
    void setNetworkType(TavroCardType type) { m_networkType = type; }
    const std::string& networkName() const { return m_networkName; }
    const platform::UIImagePtr& networkLogo() const { return m_networkLogo; }

private:
    std::string m_lastFourDigits;
    std::string m_cardType;
    platform::UIImagePtr m_issuerLogo;
    platform::UIColorPtr m_cardArtColor;
    platform::UIImagePtr m_cardArtOverlay;
    TavroCardType m_networkType = TavroCardType::unspecified;
    std::string m_networkName;
    platform::UIImagePtr m_networkLogo;
};

} // namespace tavro
