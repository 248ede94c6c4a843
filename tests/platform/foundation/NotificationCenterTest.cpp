#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NotificationCenter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace platform {
namespace {

struct Observer {
    std::string name;
};

TEST(NotificationCenterTest, DeliversSynchronouslyInRegistrationOrderToMatchingNames)
{
    NotificationCenter center;
    auto a = std::make_shared<Observer>(Observer{"a"});
    auto b = std::make_shared<Observer>(Observer{"b"});
    std::vector<std::string> log;
    auto sender = std::make_shared<int>(42);

    center.addObserver("Ping", b, [&](const Notification& n) {
        log.push_back("b:" + n.name());
        EXPECT_EQ(n.object(), sender);
        EXPECT_EQ(n.userInfo().at("height"), AnyValue(216.0));
    });
    center.addObserver("Ping", a, [&](const Notification&) { log.push_back("a"); });
    center.addObserver("Other", a, [&](const Notification&) { log.push_back("other"); });

    center.post("Ping", sender, {{"height", AnyValue(216.0)}});
    EXPECT_EQ(log, (std::vector<std::string>{"b:Ping", "a"}));

    // A post from inside a delivery is delivered at once, before the outer post goes on.
    log.clear();
    auto token = center.addObserver("Outer", [&](const Notification&) {
        log.push_back("outer");
        center.post("Other");
        log.push_back("outer-end");
    });
    center.post("Outer");
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "other", "outer-end"}));
}

TEST(NotificationCenterTest, DeliveryIsOverASnapshotButHonoursRemovals)
{
    NotificationCenter center;
    auto owner = std::make_shared<Observer>();
    std::vector<std::string> log;
    std::shared_ptr<NotificationObserverToken> second, late;

    center.addObserver("Tick", owner, [&](const Notification&) {
        log.push_back("first");
        // Added during delivery: not called for this post.
        if (!late)
            late = center.addObserver("Tick", [&](const Notification&) { log.push_back("late"); });
        // Removed during delivery, before its turn: not called.
        center.removeObserver(second);
    });
    second = center.addObserver("Tick", owner, [&](const Notification&) { log.push_back("second"); });
    center.addObserver("Tick", owner, [&](const Notification&) { log.push_back("third"); });

    center.post("Tick");
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third"}));
    log.clear();
    center.post("Tick");
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third", "late"}));
}

TEST(NotificationCenterTest, DeadOwnerIsNeverCalled)
{
    NotificationCenter center;
    int calls = 0;
    auto owner = std::make_shared<Observer>();
    center.addObserver("Touch", owner, [&](const Notification&) { ++calls; });
    center.post("Touch");
    EXPECT_EQ(calls, 1);

    owner.reset();
    center.post("Touch");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount(), 0u);

    // An owner that dies during the same post (killed by an earlier observer) is not called.
    auto victim = std::make_shared<Observer>();
    auto killer = std::make_shared<Observer>();
    center.addObserver("Touch", killer, [&](const Notification&) { victim.reset(); });
    center.addObserver("Touch", victim, [&](const Notification&) { ++calls; });
    center.post("Touch");
    EXPECT_EQ(calls, 1);

    // The owner is kept alive while its own block runs, even if the block drops the last reference.
    auto self = std::make_shared<Observer>(Observer{"self"});
    std::weak_ptr<Observer> weakSelf = self;
    center.addObserver("Touch", self, [&](const Notification&) {
        self.reset();
        EXPECT_FALSE(weakSelf.expired());
    });
    center.post("Touch");
    EXPECT_TRUE(weakSelf.expired());

    // Registering for an owner that is already gone registers nothing.
    DebugLogCapture capture;
    center.addObserver("Touch", std::weak_ptr<Observer>(), [&](const Notification&) { ++calls; });
    EXPECT_EQ(capture.lines().size(), 1u);
    center.post("Touch");
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenterTest, RemovingByTokenByOwnerAndByName)
{
    NotificationCenter center;
    auto owner = std::make_shared<Observer>();
    auto other = std::make_shared<Observer>();
    std::vector<std::string> log;
    auto note = [&](std::string text) { return [&log, text](const Notification&) { log.push_back(text); }; };

    center.addObserver("A", owner, note("owner-A"));
    center.addObserver("B", owner, note("owner-B"));
    auto tokenC = center.addObserver("C", owner, note("owner-C"));
    center.addObserver("A", other, note("other-A"));

    center.removeObserver(owner, "A");
    center.post("A");
    EXPECT_EQ(log, (std::vector<std::string>{"other-A"}));

    center.removeObserver(tokenC);
    center.post("C");
    center.post("B");
    EXPECT_EQ(log.back(), "owner-B");

    center.removeObserver(owner);
    log.clear();
    center.post("A");
    center.post("B");
    EXPECT_EQ(log, (std::vector<std::string>{"other-A"}));

    // A registration owned by its token lives as long as the token.
    auto token = center.addObserver("D", note("token-D"));
    center.post("D");
    token.reset();
    center.post("D");
    EXPECT_EQ(log.back(), "token-D");
    EXPECT_EQ(std::count(log.begin(), log.end(), "token-D"), 1);
    EXPECT_EQ(center.observerCount(), 1u); // other-A
}

TEST(NotificationCenterTest, ObjectFilterDeliversOnlyThatSendersPosts)
{
    NotificationCenter center;
    auto owner = std::make_shared<Observer>();
    auto field = std::make_shared<std::string>("amount field");
    auto otherField = std::make_shared<std::string>("other field");
    int calls = 0;
    center.addObserver(
        "TextDidChange", owner, [&](const Notification&) { ++calls; }, field);

    center.post("TextDidChange", otherField);
    center.post("TextDidChange");
    EXPECT_EQ(calls, 0);
    // The same object seen through another pointer type still matches.
    center.post("TextDidChange", std::static_pointer_cast<void>(field));
    EXPECT_EQ(calls, 1);

    // Once the filtered object is gone nothing matches, not even an object at a reused address.
    field.reset();
    center.post("TextDidChange", std::make_shared<std::string>("new"));
    center.post("TextDidChange");
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace platform
