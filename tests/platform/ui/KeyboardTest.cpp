#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;
using testsupport::ViewTest;

struct Posted {
    std::string name;
    std::optional<CGRect> begin;
    std::optional<CGRect> end;
    std::optional<double> duration;
    double time;
};

class KeyboardTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        UIKeyboard::shared().reset();
        UIScreen::resetMain();
        record();
        m_window = NSObject::create<TestWindowView>(CGRect(0, 0, 375, 667));
        m_first = NSObject::create<UITextField>(CGRect(10, 100, 200, 30));
        m_second = NSObject::create<UITextField>(CGRect(10, 200, 200, 30));
        m_window->addSubview(m_first);
        m_window->addSubview(m_second);
    }
    void TearDown() override
    {
        m_tokens.clear();
        UIKeyboard::shared().reset();
        UIScreen::resetMain();
        ViewTest::TearDown();
    }

    // Records every keyboard notification, after the observers registered so far.
    void record()
    {
        for (const char* name : {UIKeyboardWillShowNotification, UIKeyboardDidShowNotification,
                                 UIKeyboardWillHideNotification, UIKeyboardDidHideNotification}) {
            m_tokens.push_back(NotificationCenter::defaultCenter().addObserver(name, [this](const Notification& note) {
                const auto& info = note.userInfo();
                auto duration = info.find(UIKeyboardAnimationDurationUserInfoKey);
                m_posted.push_back({note.name(), rectFromUserInfo(info, UIKeyboardFrameBeginUserInfoKey),
                                    rectFromUserInfo(info, UIKeyboardFrameEndUserInfoKey),
                                    duration == info.end() ? std::nullopt : duration->second.asDouble(), now()});
            }));
        }
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& posted : m_posted) {
            result.push_back(posted.name);
        }
        return result;
    }

    std::vector<std::shared_ptr<NotificationObserverToken>> m_tokens;
    std::vector<Posted> m_posted;
    std::shared_ptr<TestWindowView> m_window;
    std::shared_ptr<UITextField> m_first;
    std::shared_ptr<UITextField> m_second;
};

TEST_F(KeyboardTest, ShowsWithFramesFromBelowTheScreenToItsBottomEdge)
{
    ASSERT_TRUE(m_first->becomeFirstResponder());
    EXPECT_TRUE(UIKeyboard::shared().isVisible());
    ASSERT_EQ(names(), std::vector<std::string>{UIKeyboardWillShowNotification});
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 667, 375, 216));
    EXPECT_EQ(m_posted[0].end, CGRect(0, 451, 375, 216));
    EXPECT_EQ(m_posted[0].duration, 0.25);

    loop().advanceBy(0.2);
    EXPECT_EQ(m_posted.size(), 1u);
    loop().advanceBy(0.05);
    ASSERT_EQ(names(), (std::vector<std::string>{UIKeyboardWillShowNotification, UIKeyboardDidShowNotification}));
    EXPECT_EQ(m_posted[1].end, CGRect(0, 451, 375, 216));
    EXPECT_DOUBLE_EQ(m_posted[1].time, 0.25);

    // Going down: the frames swap.
    m_posted.clear();
    ASSERT_TRUE(m_first->resignFirstResponder());
    loop().runOnce();
    EXPECT_FALSE(UIKeyboard::shared().isVisible());
    ASSERT_EQ(names(), std::vector<std::string>{UIKeyboardWillHideNotification});
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 451, 375, 216));
    EXPECT_EQ(m_posted[0].end, CGRect(0, 667, 375, 216));
    loop().advanceBy(0.25);
    EXPECT_EQ(names(), (std::vector<std::string>{UIKeyboardWillHideNotification, UIKeyboardDidHideNotification}));
}

TEST_F(KeyboardTest, MovingBetweenFieldsShowsTheKeyboardAgainWithoutHidingIt)
{
    const std::vector<std::string> showAgain{UIKeyboardWillShowNotification, UIKeyboardDidShowNotification};
    const CGRect shown(0, 451, 375, 216);
    ASSERT_TRUE(m_first->becomeFirstResponder());
    loop().advanceBy(0.25);
    m_posted.clear();

    // The new field brings its own accessory: will-show in place, did-show after the animation.
    ASSERT_TRUE(m_second->becomeFirstResponder());
    EXPECT_FALSE(m_first->isFirstResponder());
    ASSERT_EQ(names(), std::vector<std::string>{UIKeyboardWillShowNotification});
    EXPECT_EQ(m_posted[0].begin, shown);
    EXPECT_EQ(m_posted[0].end, shown);
    loop().advanceBy(1);
    EXPECT_EQ(names(), showAgain);
    EXPECT_DOUBLE_EQ(m_posted[1].time, 0.5);
    EXPECT_TRUE(UIKeyboard::shared().isVisible());
    EXPECT_EQ(UIKeyboard::shared().activeInput(), m_second);

    // Focus going back before the hide is decided: shown again, never hidden.
    m_posted.clear();
    ASSERT_TRUE(m_second->resignFirstResponder());
    ASSERT_TRUE(m_first->becomeFirstResponder());
    loop().advanceBy(1);
    EXPECT_EQ(names(), showAgain);

    // A field that resigns while another has the keyboard changes nothing.
    m_posted.clear();
    UIKeyboard::shared().textInputDidResignFirstResponder(m_second);
    loop().advanceBy(1);
    EXPECT_TRUE(m_posted.empty());
    EXPECT_TRUE(UIKeyboard::shared().isVisible());

    // Focus that vanished without a resignation leaves no stale keyboard: the next field shows it anew.
    UIResponder::clearFirstResponder();
    ASSERT_TRUE(m_second->becomeFirstResponder());
    ASSERT_EQ(names(), std::vector<std::string>{UIKeyboardWillShowNotification});
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 667, 375, 216));
}

TEST_F(KeyboardTest, AFieldTakenOutOfTheWindowGivesTheKeyboardUp)
{
    // A screen going away with its editing field (a window emptied, a screen replaced) takes the
    // keyboard down with it.
    auto screen = NSObject::create<UIView>(CGRect(0, 0, 375, 667));
    m_window->addSubview(screen);
    screen->addSubview(m_first);
    ASSERT_TRUE(m_first->becomeFirstResponder());
    loop().advanceBy(0.25);
    m_posted.clear();

    screen->removeFromSuperview();
    EXPECT_FALSE(m_first->isFirstResponder());
    loop().advanceBy(0.25);
    EXPECT_EQ(names(), (std::vector<std::string>{UIKeyboardWillHideNotification, UIKeyboardDidHideNotification}));
    EXPECT_FALSE(UIKeyboard::shared().isVisible());
}

TEST_F(KeyboardTest, FollowsItsHeightAndTheMainScreen)
{
    DebugLogCapture log;
    UIKeyboard::shared().setHeight(-5);
    UIKeyboard::shared().setHeight(std::nan(""));
    UIKeyboard::shared().setHeight(668); // taller than the screen
    EXPECT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(UIKeyboard::shared().height(), UIKeyboard::defaultHeight);

    UIKeyboard::shared().setHeight(260);
    UIScreen::main()->setBounds({0, 0, 320, 568});
    ASSERT_TRUE(m_first->becomeFirstResponder());
    ASSERT_EQ(m_posted.size(), 1u);
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 568, 320, 260));
    EXPECT_EQ(m_posted[0].end, CGRect(0, 308, 320, 260));

    // Down and up again within the show animation: the pending did-show is dropped.
    ASSERT_TRUE(m_first->resignFirstResponder());
    loop().runOnce();
    loop().advanceBy(0.25);
    EXPECT_EQ(names(), (std::vector<std::string>{UIKeyboardWillShowNotification, UIKeyboardWillHideNotification,
                                                 UIKeyboardDidHideNotification}));

    // While down, or to the same height, a height posts nothing; while up it applies at once.
    m_posted.clear();
    UIKeyboard::shared().setHeight(300);
    ASSERT_TRUE(m_first->becomeFirstResponder());
    loop().advanceBy(0.25);
    UIKeyboard::shared().setHeight(300);
    EXPECT_EQ(m_posted.size(), 2u);
    EXPECT_EQ(m_posted[0].end, CGRect(0, 268, 320, 300));
    m_posted.clear();
    UIKeyboard::shared().setHeight(400);
    loop().advanceBy(0.25);
    ASSERT_EQ(names(), (std::vector<std::string>{UIKeyboardWillShowNotification, UIKeyboardDidShowNotification}));
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 268, 320, 300));
    EXPECT_EQ(m_posted[0].end, CGRect(0, 168, 320, 400));

    // Taller than the screen while up: refused, nothing posted.
    m_posted.clear();
    UIKeyboard::shared().setHeight(569);
    loop().advanceBy(0.25);
    EXPECT_TRUE(m_posted.empty());
    EXPECT_EQ(UIKeyboard::shared().height(), 400);

    // The screen changing while up moves the keyboard with its bottom edge.
    UIScreen::main()->setBounds({0, 0, 375, 667});
    loop().advanceBy(0.25);
    ASSERT_EQ(names(), (std::vector<std::string>{UIKeyboardWillShowNotification, UIKeyboardDidShowNotification}));
    EXPECT_EQ(m_posted[0].begin, CGRect(0, 168, 320, 400));
    EXPECT_EQ(m_posted[1].end, CGRect(0, 267, 375, 400));

    // A screen turned shorter than the band while up: the band is the screen's height until turned back.
    UIKeyboard::shared().setHeight(381);
    UIScreen::main()->setBounds({0, 0, 667, 375});
    EXPECT_EQ(m_posted.back().end, CGRect(0, 0, 667, 375));
    EXPECT_EQ(UIKeyboard::shared().shownFrame(), m_posted.back().end);
    UIScreen::main()->setBounds({0, 0, 375, 667});
    EXPECT_EQ(m_posted.back().end, CGRect(0, 286, 375, 381));
}

// A host reacting to the keyboard from its observers (registered before the others): what it changes
// is posted once the notification in flight has reached everyone, each will notification going on
// from where the last one ended, and only the last change's did notification arrives.
TEST_F(KeyboardTest, ChangesMadeByObserversArePostedInOrder)
{
    const std::string willShow = UIKeyboardWillShowNotification, didShow = UIKeyboardDidShowNotification,
                      willHide = UIKeyboardWillHideNotification;
    std::function<void()> reaction;
    m_tokens.clear();
    m_tokens.push_back(NotificationCenter::defaultCenter().addObserver(willShow, [&reaction](const Notification&) {
        if (auto once = std::exchange(reaction, nullptr))
            once();
    }));
    record();
    const auto taller = [] { UIKeyboard::shared().setHeight(300); };
    // {reaction to the first will-show, Done at 0.1 s and focus again at 0.3 s, what the observers see}
    const std::tuple<std::function<void()>, bool, std::vector<std::string>> cases[] = {
        {taller, false, {willShow, willShow, didShow}},
        {taller, true, {willShow, willShow, willHide, willShow, didShow}},
        {[this] { m_second->becomeFirstResponder(); }, false, {willShow, willShow, didShow}},
        {[] { loop().advanceBy(0.3); }, false, {willShow, didShow}}, // a modal wait past the animation
    };
    for (const auto& [react, doneAndBack, seen] : cases) {
        UIResponder::clearFirstResponder();
        UIKeyboard::shared().reset();
        m_posted.clear();
        reaction = react;
        ASSERT_TRUE(m_first->becomeFirstResponder());
        if (doneAndBack) {
            loop().advanceBy(0.1);
            ASSERT_TRUE(m_first->resignFirstResponder());
            loop().advanceBy(0.2);
            ASSERT_TRUE(m_first->becomeFirstResponder());
        }
        loop().advanceBy(1);
        ASSERT_EQ(names(), seen);
        for (std::size_t i = 1; i + 1 < m_posted.size(); ++i)
            EXPECT_EQ(m_posted[i].begin, m_posted[i - 1].end) << i;
        EXPECT_EQ(m_posted.back().end, UIKeyboard::shared().shownFrame());
        EXPECT_TRUE(UIKeyboard::shared().isVisible());
    }
}

TEST_F(KeyboardTest, UserInfoRectanglesRoundTripAndMalformedOnesAreAbsent)
{
    CGRect rect{0.5, -3, 375, 216.25};
    AnyValue::Dictionary info{
        {"frame", userInfoValue(rect)},
        {"integers", AnyValue(AnyValue::Dictionary{{"x", 1}, {"y", 2}, {"width", 3}, {"height", 4}})},
        {"partial", AnyValue(AnyValue::Dictionary{{"x", 1.0}, {"y", 2.0}, {"width", 3.0}})},
        {"text", "0,0,375,216"}};
    EXPECT_EQ(rectFromUserInfo(info, "frame"), rect);
    EXPECT_EQ(rectFromUserInfo(info, "integers"), CGRect(1, 2, 3, 4));
    EXPECT_EQ(rectFromUserInfo(info, "partial"), std::nullopt);
    EXPECT_EQ(rectFromUserInfo(info, "text"), std::nullopt);
    EXPECT_EQ(rectFromUserInfo(info, "missing"), std::nullopt);
}

TEST_F(KeyboardTest, DraggingAScrollViewThatDismissesTheKeyboardEndsEditing)
{
    auto scrollView = NSObject::create<UIScrollView>(CGRect(0, 0, 375, 667));
    scrollView->setContentSize({375, 2000});
    m_window->addSubview(scrollView);
    scrollView->addSubview(m_first);
    ASSERT_TRUE(m_first->becomeFirstResponder());

    scrollView->userScroll({0, 50});
    EXPECT_TRUE(m_first->isFirstResponder());

    scrollView->setKeyboardDismissMode(UIScrollViewKeyboardDismissMode::onDrag);
    scrollView->userScroll({0, 50});
    EXPECT_FALSE(m_first->isFirstResponder());
    loop().runOnce();
    EXPECT_FALSE(UIKeyboard::shared().isVisible());
}

} // namespace
} // namespace platform

namespace platform {
namespace {

TEST_F(KeyboardTest, FollowsFocusThroughTheNotificationCenterOnly)
{
    // A focus notification about anything but the first responder (or the active input) is ignored.
    auto stranger = std::make_shared<int>(7);
    NotificationCenter::defaultCenter().post(UITextInputDidBecomeFirstResponderNotification, stranger);
    NotificationCenter::defaultCenter().post(UITextInputDidBecomeFirstResponderNotification, m_second);
    EXPECT_FALSE(UIKeyboard::shared().isVisible());
    ASSERT_TRUE(m_first->becomeFirstResponder());
    NotificationCenter::defaultCenter().post(UITextInputDidResignFirstResponderNotification, m_second);
    loop().runUntilIdle();
    EXPECT_TRUE(UIKeyboard::shared().isVisible());
    EXPECT_EQ(UIKeyboard::shared().activeInput(), m_first);
    m_first->resignFirstResponder();
    loop().runUntilIdle();
    EXPECT_FALSE(UIKeyboard::shared().isVisible());

    // An emptied center loses the keyboard's observation until the keyboard is reset, as the test
    // environment does; then focus reaches it again, once.
    NotificationCenter::resetForTesting();
    UIKeyboard::shared().reset();
    UIKeyboard::shared().reset();
    ASSERT_TRUE(m_second->becomeFirstResponder());
    EXPECT_EQ(UIKeyboard::shared().activeInput(), m_second);
    EXPECT_TRUE(UIKeyboard::shared().isVisible());
}

} // namespace
} // namespace platform
