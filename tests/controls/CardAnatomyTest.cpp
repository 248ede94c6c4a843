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
using cardviews::isHexColor;
using platform::CGRect;
using platform::CGSize;
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

bool installed(const KCardAnatomy& card, const platform::NSLayoutConstraintPtr& constraint)
{
    const auto& all = card.constraints();
    return std::find(all.begin(), all.end(), constraint) != all.end();
}

platform::UIImagePtr solidImage(CGSize size)
{
    return tavro::imageWithColor(platform::UIColor::green(), size);
}

// Puts the card-art nibs back however a case replaced them.
struct RestoreCardNibs {
    ~RestoreCardNibs() { tavro::registerCardAnatomyNibs(); }
};

std::shared_ptr<platform::Bundle> cardBundle()
{
    return tavro::bundleForClass(std::type_index(typeid(KCardAnatomy)));
}

} // namespace

TEST_F(CardViewsTest, CardCornersFollowTheHeight)
{
    auto card = makeCard(106, 66);
    EXPECT_EQ(card->frame(), CGRect(0, 0, 106, 66));
    EXPECT_NEAR(card->layer()->cornerRadius(), 2.64, 1e-9);
    card->setFrame(CGRect(0, 0, 47, 30));
    card->layoutIfNeeded();
    EXPECT_NEAR(card->layer()->cornerRadius(), 1.2, 1e-9);
    EXPECT_TRUE(card->clipsToBounds());
    EXPECT_TRUE(isHexColor(card->backgroundColor(), "#003AE9"));
    auto logo = card->koraImageView.lock();
    ASSERT_TRUE(logo);
    ASSERT_TRUE(logo->image());
    EXPECT_FALSE(logo->image()->isEmpty()) << "the white brand logo from the UI kit's bundle";
}

TEST_F(CardViewsTest, IssuerLogoKeepsItsAspectRatio)
{
    auto card = makeCard(160, 100);
    auto left = card->leftIssuerImageView.lock();
    auto width = card->leftIssuerWidthConstraint.lock();
    ASSERT_TRUE(left && width);
    double before = width->constant();

    card->setLeftIssuerLogo(solidImage({200, 100}));
    EXPECT_EQ(left->image(), card->leftIssuerLogo());
    card->setNeedsLayout();
    card->layoutIfNeeded();
    EXPECT_NEAR(left->frame().height(), 24, 1e-6) << "the nib gives the issuer logo 24 % of the height";
    EXPECT_NEAR(width->constant(), 48, 1e-6);
    EXPECT_NEAR(left->frame().width(), 48, 1e-6);
    EXPECT_EQ(card->rightIssuerWidthConstraint.lock()->constant(), before) << "no right logo: unchanged";

    // A logo of no height has no ratio: the width stays as it was, never NaN or infinity.
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
    ASSERT_TRUE(left && right && logo);
    EXPECT_TRUE(installed(*card, card->smallKoraHeightConstraint));
    EXPECT_FALSE(installed(*card, card->largeKoraHeightConstraint));
    double smallHeight = logo->frame().height();

    for (int repeat = 0; repeat < 2; ++repeat) {
        card->setShowsIssuerLogos(false);
        EXPECT_TRUE(left->isHidden() && right->isHidden());
        EXPECT_TRUE(installed(*card, card->largeKoraHeightConstraint));
        EXPECT_FALSE(installed(*card, card->smallKoraHeightConstraint));
        EXPECT_GT(logo->frame().height(), smallHeight) << "laid out at once";
    }
    for (int repeat = 0; repeat < 2; ++repeat) {
        card->setShowsIssuerLogos(true);
        EXPECT_FALSE(left->isHidden() || right->isHidden());
        EXPECT_TRUE(installed(*card, card->smallKoraHeightConstraint));
        EXPECT_FALSE(installed(*card, card->largeKoraHeightConstraint));
        EXPECT_NEAR(logo->frame().height(), smallHeight, 1e-6);
    }
    EXPECT_EQ(std::count(card->constraints().begin(), card->constraints().end(), card->smallKoraHeightConstraint), 1);
}

TEST_F(CardViewsTest, CardArtIsPaintedFromCardDetails)
{
    auto wrapper = NSObject::create<TavroCardAnatomy>(CGRect(0, 0, 106, 66));
    auto card = wrapper->cardAnatomy.lock();
    ASSERT_TRUE(card);
    ASSERT_TRUE(wrapper->view.lock());
    ASSERT_TRUE(card->backgroundImage()) << "the framework's texture at first";
    EXPECT_FALSE(card->backgroundImage()->isEmpty());
    EXPECT_EQ(card->backgroundImage()->renderingMode(), UIImageRenderingMode::alwaysOriginal);

    card->setShowsKoraLogo(false);
    auto issuer = solidImage({200, 100});
    auto overlay = solidImage({10, 10});
    auto network = solidImage({48, 30});
    auto details = NSObject::create<TavroCardDetails>("1234", "Debit", issuer, platform::UIColor::purple(), overlay,
                                                      "Net", network);
    wrapper->customizeCardArt(details);
    auto logo = card->koraImageView.lock();
    EXPECT_EQ(logo->image(), network);
    EXPECT_TRUE(logo->isHidden()) << "painting a card does not show the brand logo again";
    ASSERT_TRUE(card->backgroundImage() && card->leftIssuerLogo());
    EXPECT_EQ(card->backgroundImage()->renderingMode(), UIImageRenderingMode::alwaysOriginal);
    EXPECT_EQ(card->leftIssuerLogo()->renderingMode(), UIImageRenderingMode::alwaysOriginal);
    EXPECT_EQ(card->leftIssuerLogo()->size(), issuer->size());
    EXPECT_TRUE(platform::isEqual(card->backgroundColor(), platform::UIColor::purple()));
    EXPECT_NEAR(card->leftIssuerWidthConstraint.lock()->constant(),
                2 * card->leftIssuerImageView.lock()->frame().height(), 1e-6)
        << "the issuer width follows the new logo at once";

    // A plain card clears the texture and the logos; the right logo and switches stay.
    card->setRightIssuerLogo(issuer);
    wrapper->customizeCardArt(NSObject::create<TavroCardDetails>("9876", "Credit", nullptr, nullptr, nullptr));
    EXPECT_FALSE(card->backgroundImage());
    EXPECT_FALSE(card->leftIssuerLogo());
    EXPECT_FALSE(logo->image());
    EXPECT_EQ(card->rightIssuerLogo(), issuer);
    EXPECT_FALSE(card->showsKoraLogo());

    platform::DebugLogCapture log;
    wrapper->customizeCardArt(nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(card->rightIssuerLogo(), issuer);
}

TEST_F(CardViewsTest, BrokenCardNibsGiveAnEmptyCard)
{
    RestoreCardNibs restore;
    auto bundle = cardBundle();
    auto exercise = [](const std::shared_ptr<KCardAnatomy>& card) {
        card->setLeftIssuerLogo(solidImage({20, 10}));
        card->setBackgroundImage(solidImage({20, 10}));
        card->setShowsIssuerLogos(false);
        card->setShowsKoraLogo(false);
        card->layoutIfNeeded();
    };

    {
        platform::DebugLogCapture log;
        NibRegistry::unregisterNib(bundle, "KCardAnatomy");
        auto card = makeCard(106, 66);
        EXPECT_TRUE(card->subviews().empty());
        EXPECT_EQ(log.lines().size(), 1u) << "missing nib";
        exercise(card);
        EXPECT_EQ(card->leftIssuerLogo()->size(), (CGSize{20, 10})) << "the properties still store";
    }
    {
        platform::DebugLogCapture log;
        NibRegistry::registerNib(bundle, "KCardAnatomy", [](const std::shared_ptr<void>&) {
            return NibRegistry::TopLevelObjects{tavro::nibObject(platform::CALayer::layer())};
        });
        auto card = makeCard(106, 66);
        EXPECT_TRUE(card->subviews().empty());
        EXPECT_EQ(log.lines().size(), 1u) << "first object not a view";
        exercise(card);
    }
    {
        platform::DebugLogCapture log;
        // A nib that forgets to connect the brand logo.
        NibRegistry::registerNib(bundle, "KCardAnatomy", [](const std::shared_ptr<void>& owner) {
            auto content = NSObject::create<platform::UIView>(CGRect(0, 0, 10, 10));
            auto image = NSObject::create<platform::UIImageView>();
            content->addSubview(image);
            if (auto card = tavro::nibObjectAs<KCardAnatomy>(owner))
                card->backgroundImageView = image;
            return NibRegistry::TopLevelObjects{tavro::nibObject(content)};
        });
        auto card = makeCard(106, 66);
        EXPECT_TRUE(card->subviews().empty());
        EXPECT_TRUE(card->constraints().empty()) << "the pins of the dropped content go too";
        EXPECT_TRUE(card->backgroundImageView.expired());
        EXPECT_EQ(log.lines().size(), 1u) << "unconnected outlet";
        exercise(card);
    }
    {
        platform::DebugLogCapture log;
        tavro::registerCardAnatomyNibs();
        NibRegistry::unregisterNib(tavro::bundleForClass(typeid(TavroCardAnatomy)), "TavroCardAnatomy");
        auto wrapper = NSObject::create<TavroCardAnatomy>(CGRect(0, 0, 106, 66));
        EXPECT_TRUE(wrapper->subviews().empty());
        EXPECT_TRUE(wrapper->cardAnatomy.expired());
        wrapper->customizeCardArt(NSObject::create<TavroCardDetails>("1", "", nullptr, nullptr, nullptr));
        EXPECT_EQ(log.lines().size(), 1u);
    }
    {
        platform::DebugLogCapture log;
        NibRegistry::registerNib(tavro::bundleForClass(typeid(TavroCardAnatomy)), "TavroCardAnatomy",
                                 [](const std::shared_ptr<void>&) {
                                     return NibRegistry::TopLevelObjects{
                                         tavro::nibObject(NSObject::create<platform::UIView>())};
                                 });
        auto wrapper = NSObject::create<TavroCardAnatomy>(CGRect(0, 0, 106, 66));
        EXPECT_TRUE(wrapper->subviews().empty());
        EXPECT_EQ(log.lines().size(), 1u) << "outlets left unconnected";
    }
}
