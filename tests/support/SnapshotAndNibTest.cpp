#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/UIViewNibExtensions.h"
#include "TavroMerchantSDK/support/UIViewSnapshotExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/graphics/ImageContext.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScreen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tavro {
namespace {

using platform::CGRect;
using platform::CGSize;
using platform::NibRegistry;
using platform::NSObject;
using platform::RGBA8;
using platform::UIColor;
using platform::UIView;

// A 40 x 40 view with a red top-left quadrant, a blue bottom-right one and white elsewhere.
std::shared_ptr<UIView> quadrants()
{
    auto view = NSObject::create<UIView>(CGRect(0, 0, 40, 40));
    view->setBackgroundColor(UIColor::white());
    auto red = NSObject::create<UIView>(CGRect(0, 0, 20, 20));
    red->setBackgroundColor(UIColor::red());
    auto blue = NSObject::create<UIView>(CGRect(20, 20, 20, 20));
    blue->setBackgroundColor(UIColor::blue());
    view->addSubview(red);
    view->addSubview(blue);
    return view;
}

class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override { platform::UIScreen::main()->setScale(2); }
    void TearDown() override
    {
        platform::UIScreen::resetMain();
        EXPECT_EQ(platform::UIGraphicsGetCurrentContext(), nullptr);
    }
};

TEST_F(SnapshotTest, WholeViewAndCropsAtScreenScale)
{
    auto view = quadrants();
    auto whole = snapshot(view);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->size(), (CGSize{40, 40}));
    EXPECT_EQ(whole->scale(), 2);
    EXPECT_EQ(whole->pixelAt(5, 5), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(whole->pixelAt(75, 75), (RGBA8{0, 0, 255, 255}));

    // (10, 10, 20, 20) at scale 2 is the pixel square (20, 20, 40, 40): a quarter of each colour.
    auto crop = snapshot(view, CGRect(10, 10, 20, 20));
    ASSERT_TRUE(crop);
    EXPECT_EQ(crop->size(), (CGSize{20, 20}));
    EXPECT_EQ(crop->scale(), 2);
    EXPECT_EQ(crop->pixelWidth(), 40);
    EXPECT_EQ(crop->pixelAt(0, 0), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(crop->pixelAt(19, 19), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(crop->pixelAt(20, 19), (RGBA8{255, 255, 255, 255}));
    EXPECT_EQ(crop->pixelAt(39, 39), (RGBA8{0, 0, 255, 255}));
}

TEST_F(SnapshotTest, RectanglesOutsideTheViewAreCutToIt)
{
    auto view = quadrants();
    // Partly outside: only the overlap (30, 30, 10, 10) remains.
    auto corner = snapshot(view, CGRect(30, 30, 25, 25));
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->size(), (CGSize{10, 10}));
    EXPECT_EQ(corner->pixelAt(19, 19), (RGBA8{0, 0, 255, 255}));
    auto negative = snapshot(view, CGRect(-5, -5, 10, 10));
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->size(), (CGSize{5, 5}));

    // Fractional edges round outward to whole pixels: 10.25 * 2 = 20.5 -> 20, 20.6 * 2 = 41.2 -> 42.
    auto fractional = snapshot(view, CGRect(10.25, 0, 10.35, 1));
    ASSERT_TRUE(fractional);
    EXPECT_EQ(fractional->pixelWidth(), 22);

    EXPECT_EQ(snapshot(view, CGRect(40, 0, 10, 10)), nullptr) << "touching the edge only";
    EXPECT_EQ(snapshot(view, CGRect(100, 100, 10, 10)), nullptr);

    platform::DebugLogCapture log;
    EXPECT_EQ(snapshot(NSObject::create<UIView>()), nullptr);
    EXPECT_EQ(snapshot(nullptr), nullptr);
}

// Classes loaded from nibs in a bundle of their own.
class CardContentView : public UIView {
public:
    using UIView::UIView;
};
class OutletView : public UIView {
public:
    using UIView::UIView;
    std::weak_ptr<platform::UILabel> titleLabel;
};
class LooseView : public UIView {};

class NibTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_directory = std::filesystem::temp_directory_path() / ("nib-helpers-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_directory);
        m_bundle = platform::Bundle::forPath(m_directory.string());
        for (auto type : {std::type_index(typeid(CardContentView)), std::type_index(typeid(OutletView)),
                          std::type_index(typeid(LooseView))})
            platform::Bundle::registerClassBundle(type, m_bundle);
    }
    void TearDown() override
    {
        for (const char* name : {"CardContentView", "OutletView", "NotAView"})
            NibRegistry::unregisterNib(m_bundle, name);
        for (auto type : {std::type_index(typeid(CardContentView)), std::type_index(typeid(OutletView)),
                          std::type_index(typeid(LooseView))})
            platform::Bundle::registerClassBundle(type, nullptr);
        std::filesystem::remove_all(m_directory);
    }

    std::filesystem::path m_directory;
    std::shared_ptr<platform::Bundle> m_bundle;
};

TEST_F(NibTest, NibNamesAreTheLastNameComponent)
{
    EXPECT_EQ(nibNameForClass("tavro::KCardAnatomy"), "KCardAnatomy");
    EXPECT_EQ(nibNameForClass("TavroMerchantSDK.KCardAnatomy"), "KCardAnatomy");
    EXPECT_EQ(nibNameForClass("KCardAnatomy"), "KCardAnatomy");
    EXPECT_EQ(nibNameForClass("(anonymous namespace)::CardContentView"), "CardContentView");
}

TEST_F(NibTest, ContentIsPinnedInsideTheOwner)
{
    std::shared_ptr<void> seenOwner;
    NibRegistry::registerNib(m_bundle, "OutletView", [&](const std::shared_ptr<void>& owner) {
        seenOwner = owner;
        auto content = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
        content->setBackgroundColor(UIColor::red());
        auto label = NSObject::create<platform::UILabel>();
        content->addSubview(label);
        if (auto outlets = nibObjectAs<OutletView>(owner))
            outlets->titleLabel = label;
        return NibRegistry::TopLevelObjects{nibObject(content)};
    });

    auto view = NSObject::create<OutletView>(CGRect(0, 0, 120, 80));
    loadViewFromNib(view);
    EXPECT_EQ(nibObjectAs<OutletView>(seenOwner), view) << "the view owns the nib";
    EXPECT_TRUE(view->titleLabel.lock()) << "outlets connected";
    ASSERT_EQ(view->subviews().size(), 1u);
    auto content = view->subviews().front();
    EXPECT_TRUE(content->backgroundColor() && *content->backgroundColor() == *UIColor::clear());
    EXPECT_FALSE(content->translatesAutoresizingMaskIntoConstraints());
    EXPECT_TRUE(view->clipsToBounds());
    ASSERT_EQ(view->constraints().size(), 4u);
    const platform::NSLayoutAttribute edges[] = {platform::NSLayoutAttribute::top, platform::NSLayoutAttribute::bottom,
                                                 platform::NSLayoutAttribute::left, platform::NSLayoutAttribute::right};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& constraint = view->constraints()[i];
        EXPECT_EQ(constraint->firstView(), content);
        EXPECT_EQ(constraint->firstAttribute(), edges[i]);
        EXPECT_EQ(constraint->secondView(), view);
        EXPECT_EQ(constraint->secondAttribute(), edges[i]);
        EXPECT_EQ(constraint->constant(), 0);
    }
    view->setFrame(CGRect(0, 0, 200, 50));
    view->layoutIfNeeded();
    EXPECT_EQ(content->frame(), CGRect(0, 0, 200, 50)) << "the content follows the owner's size";
}

TEST_F(NibTest, MissingOrUnsuitableNibs)
{
    platform::DebugLogCapture log;
    auto view = NSObject::create<CardContentView>(CGRect(0, 0, 50, 50));
    loadViewFromNib(view);
    EXPECT_TRUE(view->subviews().empty());
    EXPECT_TRUE(view->clipsToBounds());
    EXPECT_EQ(log.lines().size(), 1u);

    // A nib whose first object is not a view adds nothing.
    NibRegistry::registerNib(m_bundle, "CardContentView", [](const std::shared_ptr<void>&) {
        return NibRegistry::TopLevelObjects{nibObject(platform::CALayer::layer())};
    });
    loadViewFromNib(view);
    EXPECT_TRUE(view->subviews().empty());

    log.clear();
    auto fallback = loadNib("NoSuchNib", m_bundle);
    ASSERT_TRUE(fallback);
    EXPECT_TRUE(fallback->subviews().empty());
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(loadNib("CardContentView", m_bundle)) << "first object not a view: an empty view";
    NibRegistry::registerNib(m_bundle, "NotAView",
                             [](const std::shared_ptr<void>&) { return NibRegistry::TopLevelObjects{}; });
    EXPECT_TRUE(loadNib("NotAView", m_bundle));
    EXPECT_TRUE(loadNib("NotAView", nullptr));
}

TEST_F(NibTest, LoadFromNibReturnsTheClassOrNone)
{
    NibRegistry::registerNib(m_bundle, "OutletView", [](const std::shared_ptr<void>& owner) {
        EXPECT_EQ(owner, nullptr);
        auto first = NSObject::create<OutletView>(CGRect(0, 0, 30, 30));
        return NibRegistry::TopLevelObjects{nibObject(first), nibObject(NSObject::create<UIView>())};
    });
    auto loaded = loadFromNib<OutletView>();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->frame(), CGRect(0, 0, 30, 30));
    auto named = loadNib("OutletView", m_bundle);
    EXPECT_TRUE(std::dynamic_pointer_cast<OutletView>(named));

    platform::DebugLogCapture log;
    EXPECT_EQ(loadFromNib<LooseView>(), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);

    NibRegistry::registerNib(m_bundle, "CardContentView", [](const std::shared_ptr<void>&) {
        return NibRegistry::TopLevelObjects{nibObject(NSObject::create<UIView>())};
    });
    EXPECT_EQ(loadFromNib<CardContentView>(), nullptr) << "the first object is not a CardContentView";
    EXPECT_EQ(log.lines().size(), 2u);
}

} // namespace
} // namespace tavro
