#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

using platform::DebugLogCapture;
using platform::debugLog;

TEST(DebugLog, CaptureCollectsLinesAndKeepsConsoleQuiet)
{
    const bool wasEnabled = platform::isDebugLogEnabled();
    platform::setDebugLogEnabled(true);
    testing::internal::CaptureStderr();
    {
        DebugLogCapture capture;
        debugLog("first message");
        debugLog("second\nmessage\n");
        ASSERT_EQ(capture.lines().size(), 2u);
        EXPECT_EQ(capture.lines()[0], "first message");
        EXPECT_EQ(capture.lines()[1], "second message"); // one line per message
        EXPECT_TRUE(capture.contains("cond mess"));
        EXPECT_FALSE(capture.contains("third"));
        capture.clear();
        EXPECT_TRUE(capture.lines().empty());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    platform::setDebugLogEnabled(wasEnabled);
}

TEST(DebugLog, InnermostCaptureCollects)
{
    DebugLogCapture outer;
    debugLog("outer 1");
    {
        DebugLogCapture inner;
        debugLog("inner");
        EXPECT_EQ(inner.lines(), std::vector<std::string>{"inner"});
    }
    debugLog("outer 2");
    EXPECT_EQ(outer.lines(), (std::vector<std::string>{"outer 1", "outer 2"}));
}

TEST(DebugLog, WritesToStandardErrorOnlyWhenEnabled)
{
    const bool wasEnabled = platform::isDebugLogEnabled();

    platform::setDebugLogEnabled(false);
    EXPECT_FALSE(platform::isDebugLogEnabled());
    testing::internal::CaptureStderr();
    debugLog("hidden");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    platform::setDebugLogEnabled(true);
    EXPECT_TRUE(platform::isDebugLogEnabled());
    testing::internal::CaptureStderr();
    debugLog("shown");
    debugLog("again\r\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "shown\nagain\n");

    platform::setDebugLogEnabled(wasEnabled);
}

TEST(DebugLog, ActiveWhenEnabledOrCaptured)
{
    const bool wasEnabled = platform::isDebugLogEnabled();
    platform::setDebugLogEnabled(false);
    EXPECT_FALSE(platform::isDebugLogActive());
    {
        DebugLogCapture capture;
        EXPECT_TRUE(platform::isDebugLogActive());
    }
    EXPECT_FALSE(platform::isDebugLogActive());
    platform::setDebugLogEnabled(true);
    EXPECT_TRUE(platform::isDebugLogActive());
    platform::setDebugLogEnabled(wasEnabled);
}
