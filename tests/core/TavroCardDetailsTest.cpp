#include "TavroMerchantSDK/core/TavroCardDetails.h"

#include "TavroMerchantSDK/support/FrameworkBundle.h"
#include "platform/graphics/ScreenScale.h"

#include <gtest/gtest.h>

using platform::NSObject;
using platform::UIColor;
using platform::UIImage;
using tavro::TavroCardDetails;
using CardType = tavro::TavroCardDetails::TavroCardType;

namespace {

// The bundle's image of that name, or null; the card's logo must show the same pixels.
bool sameAsBundleImage(const platform::UIImagePtr& logo, const std::string& name)
{
    auto expected = UIImage::named(name, *tavro::frameworkBundle(), platform::mainScreenScale());
    if (!expected) {
        return logo && logo->isEmpty();
    }
    return logo && logo->pngData() == expected->pngData();
}

std::shared_ptr<TavroCardDetails> cardOfType(CardType type, platform::UIColorPtr color = nullptr)
{
    return NSObject::create<TavroCardDetails>("4242", "Debit", nullptr, std::move(color), nullptr, type);
}

} // namespace

TEST(TavroCardDetails, NetworkTypeFillsNameAndLogo)
{
    auto card = cardOfType(CardType::masterCard);
    EXPECT_EQ(card->lastFourDigits(), "4242");
    EXPECT_EQ(card->cardType(), "Debit");
    EXPECT_EQ(card->networkType(), CardType::masterCard);
    EXPECT_EQ(card->networkName(), "Master Card");
    EXPECT_TRUE(sameAsBundleImage(card->networkLogo(), "card_network_logo_mastercard"));
    ASSERT_NE(card->cardArtColor(), nullptr);
    EXPECT_EQ(*card->cardArtColor(), *UIColor::create(0x18 / 255.0, 0x69 / 255.0, 0xD6 / 255.0));

    EXPECT_EQ(cardOfType(CardType::kora)->networkName(), "Kora");
    EXPECT_TRUE(sameAsBundleImage(cardOfType(CardType::kora)->networkLogo(), "img_card_logo_kora_white"));
    EXPECT_EQ(cardOfType(CardType::rupay)->networkName(), "Rupay");
    EXPECT_TRUE(sameAsBundleImage(cardOfType(CardType::rupay)->networkLogo(), "card_network_logo_rupay"));

    // Unspecified, other and values outside the enumeration all show the placeholder.
    for (auto type : {CardType::unspecified, CardType::other, static_cast<CardType>(9)}) {
        auto other = cardOfType(type);
        EXPECT_EQ(other->networkName(), "Other");
        EXPECT_TRUE(sameAsBundleImage(other->networkLogo(), "card_placeholder"));
        EXPECT_EQ(other->networkType(), type);
    }

    auto red = UIColor::red();
    EXPECT_EQ(cardOfType(CardType::rupay, red)->cardArtColor(), red);
}

TEST(TavroCardDetails, ExplicitNetworkKeepsNameAndLogoAcrossTypeChanges)
{
    auto logo = UIImage::create();
    auto overlay = UIImage::create();
    auto card = NSObject::create<TavroCardDetails>("1111", "Credit", logo, nullptr, overlay, "My Network");
    EXPECT_EQ(card->networkType(), CardType::unspecified);
    EXPECT_EQ(card->networkName(), "My Network");
    EXPECT_EQ(card->networkLogo(), nullptr);
    EXPECT_EQ(card->issuerLogo(), logo);
    EXPECT_EQ(card->cardArtOverlay(), overlay);
    EXPECT_NE(card->cardArtColor(), nullptr);

    card->setNetworkType(CardType::kora);
    EXPECT_EQ(card->networkType(), CardType::kora);
    EXPECT_EQ(card->networkName(), "My Network");
    EXPECT_EQ(card->networkLogo(), nullptr);

    auto defaults = NSObject::create<TavroCardDetails>("1111", "Credit", nullptr, nullptr, nullptr);
    EXPECT_EQ(defaults->networkName(), "");
}

TEST(TavroCardDetails, CardTypeFromRawValue)
{
    EXPECT_EQ(TavroCardDetails::cardTypeFromRawValue(0), CardType::unspecified);
    EXPECT_EQ(TavroCardDetails::cardTypeFromRawValue(4), CardType::other);
    EXPECT_FALSE(TavroCardDetails::cardTypeFromRawValue(5).has_value());
    EXPECT_FALSE(TavroCardDetails::cardTypeFromRawValue(-1).has_value());
    EXPECT_EQ(TavroCardDetails::maximumCardTypeLength, 25);
}
