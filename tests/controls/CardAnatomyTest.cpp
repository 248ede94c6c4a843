#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/CardAnatomyNibs.h"
#include "TavroMerchantSDK/controls/KCardAnatomy.h"
#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"

#include <algorithm>
#include <typeindex>

using cardviews::CardViewsTest;
using platform::CGRect;
using platform::NibRegistry;
using platform::NSObject;
using platform::UIImageRenderingMode;
using tavro::KCardAnatomy;
using tavro::TavroCardAnatomy;
using tavro::TavroCardDetails;

namespace {

std::shared_ptr<KCardAnatomy> makeCard(double width, double height)
{
    auto card = NSObject::create<KCardAnatomy>(CGRect(0, 0, width, height));
    card->layoutIfNeeded();
    return card;
}

std::size_t installedCount(const KCardAnatomy& card, const platform::NSLayoutConstraintPtr& constraint)
{
    return std::count(card.constraints().begin(), card.constraints().end(), constraint);
}

platform::UIImagePtr solidImage(double width, double height)
{
    return tavro::imageWithColor(platform::UIColor::green(), {width, height});
}

} // namespace

TEST_F(CardViewsTest, CardCornersAndIssuerWidthFollowTheSize)
{
    auto card = makeCard(106, 66);
    EXPECT_NEAR(card->layer()->cornerRadius(), 2.64, 1e-9);
    EXPECT_TRUE(cardviews::isHexColor(card->backgroundColor(), "#003AE9"));
    auto logo = card->koraImageView.lock();
    ASSERT_TRUE(logo && logo->image());
    EXPECT_FALSE(logo->image()->isEmpty()) << "the white brand logo from the UI kit's bundle";
    card->setFrame(CGRect(0, 0, 47, 30));
    card->layoutIfNeeded();
    EXPECT_NEAR(card->layer()->cornerRadius(), 1.2, 1e-9);

    // A 200 x 100 logo in an issuer view 24 high (the nib's 24 % of a 100-high card) is 48 wide.
    card->setFrame(CGRect(0, 0, 160, 100));
    card->setLeftIssuerLogo(solidImage(200, 100));
    card->layoutIfNeeded();
    auto left = card->leftIssuerImageView.lock();
    auto width = card->leftIssuerWidthConstraint.lock();
    EXPECT_NEAR(left->frame().height(), 24, 1e-6);
    EXPECT_NEAR(width->constant(), 48, 1e-6);
    EXPECT_NEAR(left->frame().width(), 48, 1e-6) << "placed in the same pass";
    EXPECT_EQ(card->rightIssuerWidthConstraint.lock()->constant(), 24) << "no right logo: as the nib set it";

    // A logo of no height has no ratio: the width stays, never NaN or infinity.
    card->setLeftIssuerLogo(platform::UIImage::create());
    platform::DebugLogCapture log;
    card->setNeedsLayout();
    card->layoutIfNeeded();
    EXPECT_NEAR(width->constant(), 48, 1e-6);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(CardViewsTest, IssuerLogoSwitchSwapsTheBrandLogoHeight)
{
    auto card = makeCard(106, 66);
    auto left = card->leftIssuerImageView.lock();
    auto right = card->rightIssuerImageView.lock();
    auto logo = card->koraImageView.lock();
    double smallHeight = logo->frame().height();
    for (bool shows : {false, false, true, true}) {
        card->setShowsIssuerLogos(shows);
        EXPECT_EQ(left->isHidden(), !shows);
        EXPECT_EQ(right->isHidden(), !shows);
        EXPECT_EQ(installedCount(*card, card->smallKoraHeightConstraint), shows ? 1u : 0u);
        EXPECT_EQ(installedCount(*card, card->largeKoraHeightConstraint), shows ? 0u : 1u);
        if (shows)
            EXPECT_NEAR(logo->frame().height(), smallHeight, 1e-6);
        else
            EXPECT_GT(logo->frame().height(), smallHeight) << "laid out at once";
    }
}

TEST_F(CardViewsTest, CardArtIsPaintedFromCardDetails)
{
    auto wrapper = NSObject::create<TavroCardAnatomy>(CGRect(0, 0, 106, 66));
    auto card = wrapper->cardAnatomy.lock();
    ASSERT_TRUE(card && wrapper->view.lock());
    ASSERT_TRUE(card->backgroundImage()) << "the framework's texture at first";
    EXPECT_EQ(card->backgroundImage()->renderingMode(), UIImageRenderingMode::alwaysOriginal);

    card->setShowsKoraLogo(false);
    auto issuer = solidImage(200, 100);
    auto network = solidImage(48, 30);
    wrapper->customizeCardArt(NSObject::create<TavroCardDetails>("1234", "Debit", issuer, platform::UIColor::purple(),
                                                                 solidImage(10, 10), "Net", network));
    auto logo = card->koraImageView.lock();
    EXPECT_EQ(logo->image(), network);
    EXPECT_TRUE(logo->isHidden()) << "painting a card does not show the brand logo again";
    EXPECT_EQ(card->backgroundImage()->renderingMode(), UIImageRenderingMode::alwaysOriginal);
    EXPECT_EQ(card->leftIssuerLogo()->renderingMode(), UIImageRenderingMode::alwaysOriginal);
    EXPECT_TRUE(platform::isEqual(card->backgroundColor(), platform::UIColor::purple()));
    EXPECT_NEAR(card->leftIssuerWidthConstraint.lock()->constant(),
                2 * card->leftIssuerImageView.lock()->frame().height(), 1e-6)
        << "the issuer width follows the new logo at once";

    // A plain card clears texture and logos; the right logo and the switches stay.
    card->setRightIssuerLogo(issuer);
    wrapper->customizeCardArt(NSObject::create<TavroCardDetails>("9876", "Credit", nullptr, nullptr, nullptr));
    EXPECT_FALSE(card->backgroundImage() || card->leftIssuerLogo() || logo->image());
    EXPECT_EQ(card->rightIssuerLogo(), issuer);
    EXPECT_FALSE(card->showsKoraLogo());
}

TEST_F(CardViewsTest, BrokenCardNibsGiveAnEmptyCardAndOneDebugLine)
{
    // The card views register their nibs once per process on first use; that must be behind us,
    // or it would undo the replacements below when this test runs first.
    tavro::ensureCardAnatomyNibsRegistered();
    struct Restore {
        ~Restore() { tavro::registerCardAnatomyNibs(); }
    } restore;
    using Builder = NibRegistry::Builder;
    Builder missing;
    Builder notAView = [](const std::shared_ptr<void>&) {
        return NibRegistry::TopLevelObjects{tavro::nibObject(platform::CALayer::layer())};
    };
    Builder unconnected = [](const std::shared_ptr<void>&) {
        return NibRegistry::TopLevelObjects{tavro::nibObject(NSObject::create<platform::UIView>())};
    };
    auto kitBundle = tavro::bundleForClass(std::type_index(typeid(KCardAnatomy)));
    auto wrapperBundle = tavro::bundleForClass(std::type_index(typeid(TavroCardAnatomy)));
    int round = 0;
    for (const Builder& broken : {missing, notAView, unconnected}) {
        SCOPED_TRACE(round++);
        tavro::registerCardAnatomyNibs();
        auto replace = [&](const std::shared_ptr<platform::Bundle>& bundle, const char* name) {
            if (broken)
                NibRegistry::registerNib(bundle, name, broken);
            else
                NibRegistry::unregisterNib(bundle, name);
        };
        {
            replace(kitBundle, "KCardAnatomy");
            platform::DebugLogCapture log;
            auto card = makeCard(106, 66);
            EXPECT_TRUE(card->subviews().empty());
            EXPECT_TRUE(card->constraints().empty()) << "no pins left for dropped content";
            EXPECT_TRUE(card->backgroundImageView.expired() && card->koraImageView.expired());
            card->setLeftIssuerLogo(solidImage(20, 10));
            card->setShowsIssuerLogos(false);
            card->setShowsKoraLogo(false);
            card->layoutIfNeeded();
            EXPECT_TRUE(card->leftIssuerLogo()) << "the properties still store";
            EXPECT_EQ(log.lines().size(), 1u);
        }
        {
            tavro::registerCardAnatomyNibs();
            replace(wrapperBundle, "TavroCardAnatomy");
            platform::DebugLogCapture log;
            auto wrapper = NSObject::create<TavroCardAnatomy>(CGRect(0, 0, 106, 66));
            EXPECT_TRUE(wrapper->subviews().empty());
            EXPECT_TRUE(wrapper->cardAnatomy.expired());
            wrapper->customizeCardArt(NSObject::create<TavroCardDetails>("1", "", nullptr, nullptr, nullptr));
            EXPECT_EQ(log.lines().size(), 1u);
        }
    }
}
