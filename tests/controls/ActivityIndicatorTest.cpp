#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KActivityIndicator.h"

#include "platform/ui/CABasicAnimation.h"
#include "platform/ui/CAShapeLayer.h"

#include <numbers>

namespace controlstest {
namespace {

using platform::CABasicAnimation;
using platform::CAShapeLayer;
using platform::NSObject;
using tavro::KActivityIndicator;

std::vector<std::shared_ptr<CAShapeLayer>> arcsOf(const KActivityIndicator& indicator)
{
    std::vector<std::shared_ptr<CAShapeLayer>> arcs;
    for (const auto& layer : indicator.layer()->sublayers())
        if (auto arc = std::dynamic_pointer_cast<CAShapeLayer>(layer))
            arcs.push_back(arc);
    return arcs;
}

std::vector<std::shared_ptr<CABasicAnimation>> animationsOf(const KActivityIndicator& indicator,
                                                            const std::string& keyPath)
{
    std::vector<std::shared_ptr<CABasicAnimation>> found;
    for (const auto& animation : indicator.layer()->allAnimations())
        if (auto basic = std::dynamic_pointer_cast<CABasicAnimation>(animation); basic && basic->keyPath() == keyPath)
            found.push_back(basic);
    return found;
}

struct RecordingDelegate : platform::CAAnimationDelegate {
    std::vector<std::string> started;
    std::vector<std::pair<std::string, bool>> stopped;
    void animationDidStart(platform::CAAnimation& animation) override
    {
        started.push_back(static_cast<CABasicAnimation&>(animation).keyPath());
    }
    void animationDidStop(platform::CAAnimation& animation, bool finished) override
    {
        stopped.emplace_back(static_cast<CABasicAnimation&>(animation).keyPath(), finished);
    }
};

using ActivityIndicatorTest = ControlsTest;

TEST_F(ActivityIndicatorTest, StartDrawsTwoArcsFadesInAndTurns)
{
    auto indicator = NSObject::create<KActivityIndicator>(platform::CGRect(0, 0, 40, 40));
    EXPECT_TRUE(sameColor(indicator->backgroundColor(), platform::UIColor::clear()));
    indicator->setSpeed(3);
    indicator->start();
    auto arcs = arcsOf(*indicator);
    ASSERT_EQ(arcs.size(), 2u);
    // Head in the theme's element colour, tail in the accent colour drawn over it.
    EXPECT_TRUE(sameColor(arcs[0]->strokeColor(), platform::UIColor::white()));
    EXPECT_TRUE(sameColor(arcs[1]->strokeColor(), hex("#F7B600")));
    for (const auto& arc : arcs) {
        EXPECT_EQ(arc->lineWidth(), 5);
        EXPECT_FALSE(arc->fillColor());
        EXPECT_EQ(arc->lineCap(), platform::CGLineCap::round);
        EXPECT_EQ(arc->frame(), platform::CGRect(0, 0, 40, 40));
    }
    auto fades = animationsOf(*indicator, "opacity");
    ASSERT_EQ(fades.size(), 1u);
    EXPECT_EQ(fades[0]->fromValue()->asDouble(), 0.0);
    EXPECT_EQ(fades[0]->toValue()->asDouble(), 1.0);
    EXPECT_EQ(fades[0]->duration(), 0.5);
    EXPECT_EQ(*fades[0]->value("fadeIn")->asString(), "video");
    EXPECT_EQ(indicator->layer()->opacity(), 1);

    auto turns = animationsOf(*indicator, "transform.rotation");
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_NEAR(*turns[0]->toValue()->asDouble(), 2 * std::numbers::pi, 1e-9);
    EXPECT_EQ(turns[0]->duration(), 4.0);
    EXPECT_EQ(turns[0]->speed(), 3.0);
    EXPECT_TRUE(std::isinf(turns[0]->activeDuration())) << "turns without end";
    driver.advanceBy(60);
    EXPECT_EQ(animationsOf(*indicator, "transform.rotation").size(), 1u);
    EXPECT_TRUE(animationsOf(*indicator, "opacity").empty()) << "the fade is over";
}

TEST_F(ActivityIndicatorTest, StopFadesOutOnlyWhenStarted)
{
    auto indicator = NSObject::create<KActivityIndicator>(platform::CGRect(0, 0, 40, 40));
    indicator->layer()->setOpacity(0.6);
    indicator->stop();
    EXPECT_EQ(indicator->layer()->opacity(), 0.6) << "never started: unchanged";
    EXPECT_TRUE(indicator->layer()->allAnimations().empty());

    indicator->start();
    driver.advanceBy(1);
    indicator->stop();
    EXPECT_FALSE(indicator->isSpinning());
    EXPECT_EQ(indicator->layer()->opacity(), 0);
    auto fades = animationsOf(*indicator, "opacity");
    ASSERT_EQ(fades.size(), 1u);
    EXPECT_EQ(fades[0]->toValue()->asDouble(), 0.0);
    EXPECT_TRUE(fades[0]->value("fadeOut"));
    EXPECT_EQ(arcsOf(*indicator).size(), 2u) << "the arcs stay, transparent";
    indicator->stop();
    EXPECT_EQ(animationsOf(*indicator, "opacity").size(), 1u) << "a second stop adds no fade";
    indicator->start();
    EXPECT_EQ(indicator->layer()->opacity(), 1);
}

TEST_F(ActivityIndicatorTest, RestartReplacesArcsAndTurningAndTakesNewSettings)
{
    auto indicator = NSObject::create<KActivityIndicator>(platform::CGRect(0, 0, 60, 30));
    auto delegate = std::make_shared<RecordingDelegate>();
    indicator->start(2.0, delegate);
    indicator->setThickness(8);
    indicator->setHeadColor(platform::UIColor::red());
    EXPECT_EQ(arcsOf(*indicator)[0]->lineWidth(), 5) << "changes wait for the next start";
    driver.advanceBy(0.1);
    EXPECT_EQ(delegate->started, std::vector<std::string>{"transform.rotation"}) << "never the fades";

    indicator->start(2.0, delegate);
    auto arcs = arcsOf(*indicator);
    ASSERT_EQ(arcs.size(), 2u) << "not a second pair";
    EXPECT_EQ(arcs[0]->lineWidth(), 8);
    EXPECT_TRUE(sameColor(arcs[0]->strokeColor(), platform::UIColor::red()));
    EXPECT_EQ(animationsOf(*indicator, "transform.rotation").size(), 1u);
    driver.advanceBy(0.1);
    ASSERT_EQ(delegate->stopped.size(), 1u);
    EXPECT_EQ(delegate->stopped[0], (std::pair<std::string, bool>{"transform.rotation", false}));

    // Not square: the radius follows the longer side (26 = 60/2 - 8/2), beyond the shorter one.
    auto picture = driver.render(indicator);
    EXPECT_EQ(picture->pixelAt(static_cast<int>((30 - 26 * 0.866) * 2), static_cast<int>((15 - 26 * 0.5) * 2)),
              (platform::RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(picture->pixelAt(30 * 2, 2 * 2).a, 0) << "the top of the circle lies outside the view";
}

TEST_F(ActivityIndicatorTest, NegativeRadiusIsDrawnAsZero)
{
    auto indicator = NSObject::create<KActivityIndicator>(platform::CGRect(0, 0, 4, 4));
    indicator->setThickness(10);
    indicator->start();
    for (const auto& arc : arcsOf(*indicator)) {
        auto box = arc->path()->boundingBox();
        EXPECT_NEAR(box.size.width, 0, 1e-9);
        EXPECT_NEAR(box.size.height, 0, 1e-9);
        EXPECT_NEAR(box.origin.x, 2, 1e-9);
    }
}

} // namespace
} // namespace controlstest
