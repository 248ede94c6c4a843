#include "TavroMerchantSDK/core/TavroCardDetails.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"

namespace tavro {

namespace {

constexpr const char* kDefaultCardArtColor = "#1869d6";

platform::UIColorPtr cardArtColorOrDefault(platform::UIColorPtr color)
{
    return color ? color : colorWithHexString(kDefaultCardArtColor);
}

struct NetworkAppearance {
    const char* name;
    const char* logoName;
};

NetworkAppearance appearanceOf(TavroCardDetails::TavroCardType type)
{
    switch (type) {
    case TavroCardDetails::TavroCardType::kora: return {"Kora", "img_card_logo_kora_white"};
    case TavroCardDetails::TavroCardType::masterCard: return {"Master Card", "card_network_logo_mastercard"};
    case TavroCardDetails::TavroCardType::rupay: return {"Rupay", "card_network_logo_rupay"};
    default: return {"Other", "card_placeholder"};
    }
}

} // namespace

std::optional<TavroCardDetails::TavroCardType> TavroCardDetails::cardTypeFromRawValue(long long rawValue)
{
    if (rawValue < 0 || rawValue > 4) {
        return std::nullopt;
    }
    return static_cast<TavroCardType>(rawValue);
}

TavroCardDetails::TavroCardDetails(std::string lastFourDigits, std::string cardType, platform::UIImagePtr issuerLogo,
                                   platform::UIColorPtr cardArtColor, platform::UIImagePtr cardArtOverlay,
                                   std::string networkName, platform::UIImagePtr networkLogo)
    : m_lastFourDigits(std::move(lastFourDigits)),
      m_cardType(std::move(cardType)),
      m_issuerLogo(std::move(issuerLogo)),
      m_cardArtColor(cardArtColorOrDefault(std::move(cardArtColor))),
      m_cardArtOverlay(std::move(cardArtOverlay)),
      m_networkName(std::move(networkName)),
      m_networkLogo(std::move(networkLogo))
{
}

TavroCardDetails::TavroCardDetails(std::string lastFourDigits, std::string cardType, platform::UIImagePtr issuerLogo,
                                   platform::UIColorPtr cardArtColor, platform::UIImagePtr cardArtOverlay,
                                   TavroCardType networkType)
    : m_lastFourDigits(std::move(lastFourDigits)),
      m_cardType(std::move(cardType)),
      m_issuerLogo(std::move(issuerLogo)),
      m_cardArtColor(cardArtColorOrDefault(std::move(cardArtColor))),
      m_cardArtOverlay(std::move(cardArtOverlay)),
      m_networkType(networkType)
{
    const NetworkAppearance appearance = appearanceOf(networkType);
    m_networkName = appearance.name;
    m_networkLogo = tavroImage(appearance.logoName);
}

} // namespace tavro
