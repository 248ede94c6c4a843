#include "platform/foundation/Date.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/TimeZone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>

using platform::Date;
using platform::DateFormatter;
using platform::Locale;
using platform::TimeZone;

namespace {
// 2026-12-06 10:07:00 UTC.
constexpr double kSixDecember2026 = 1796551620;
} // namespace

TEST(DateFormatter, FormatsPatternsInTheGivenZoneAndLocale)
{
    DateFormatter formatter;
    formatter.setDateFormat("dd MMM yyyy, h:mm a");
    formatter.setLocale(Locale("en_US"));

    struct Case {
        const char* zone;
        double seconds;
        const char* expected;
    };
    const Case cases[] = {
        {"UTC", kSixDecember2026, "06 Dec 2026, 10:07 AM"},
        {"Asia/Kolkata", kSixDecember2026, "06 Dec 2026, 3:37 PM"},
        {"America/New_York", kSixDecember2026, "06 Dec 2026, 5:07 AM"},
        {"UTC", 0, "01 Jan 1970, 12:00 AM"},
        {"UTC", kSixDecember2026 + 14 * 3600, "07 Dec 2026, 12:07 AM"},
    };
    for (const auto& c : cases) {
        auto zone = TimeZone::named(c.zone);
        ASSERT_TRUE(zone) << c.zone;
        formatter.setTimeZone(zone);
        EXPECT_EQ(formatter.string(Date{c.seconds}), c.expected) << c.zone;
    }

    formatter.setTimeZone(TimeZone::utc());
    formatter.setDateFormat("yyyy-MM-dd'T'HH:mm:ss");
    EXPECT_EQ(formatter.string(Date{kSixDecember2026}), "2026-12-06T10:07:00");
}

TEST(DateFormatter, AmPmSymbolsCanBeReplaced)
{
    DateFormatter formatter;
    formatter.setDateFormat("h:mm a");
    formatter.setTimeZone(TimeZone::utc());
    formatter.setLocale(Locale("en_US"));
    EXPECT_EQ(formatter.amSymbol(), "AM");
    EXPECT_EQ(formatter.pmSymbol(), "PM");

    formatter.setAMSymbol("am");
    formatter.setPMSymbol("pm");
    EXPECT_EQ(formatter.string(Date{kSixDecember2026}), "10:07 am");
    EXPECT_EQ(formatter.string(Date{kSixDecember2026 + 6 * 3600}), "4:07 pm");

    // Fixed symbols hold whatever the locale writes.
    formatter.setLocale(Locale("ar"));
    formatter.setAMSymbol("AM");
    formatter.setPMSymbol("PM");
    formatter.setDateFormat("a");
    EXPECT_EQ(formatter.string(Date{kSixDecember2026 + 6 * 3600}), "PM");
}

TEST(DateFormatter, DefaultsFollowTheCurrentZoneAndNowIsInjectable)
{
    TimeZone::setCurrent(TimeZone::named("Asia/Kolkata"));
    Locale::setCurrent(Locale("en_GB"));
    Date::setNowProvider([] { return kSixDecember2026; });

    DateFormatter formatter;
    formatter.setDateFormat("dd MMM yyyy, HH:mm");
    EXPECT_EQ(Date::now(), Date{kSixDecember2026});
    EXPECT_EQ(formatter.string(Date::now()), "06 Dec 2026, 15:37");

    Date::setNowProvider(nullptr);
    TimeZone::setCurrent(std::nullopt);
    Locale::setCurrent(std::nullopt);
    EXPECT_GT(Date::now().timeIntervalSince1970, 1.6e9); // the real clock again
}

// The system's zone as TZ gives it, read again at each formatting: every row changes TZ in this
// process; the case puts it back (the test programs share one process).
TEST(DateFormatter, WithoutAZoneFormatsInTheSystemsZoneOfThatMoment)
{
    struct Case {
        const char* tz;
        const char* identifier; // nullptr: whichever agrees with the system's data
    };
    const Case cases[] = {
        {"IST-5:30", "GMT+05:30"},
        {"GMT+5", "GMT-05:00"}, // POSIX: five hours west
        {"/usr/share/zoneinfo/Asia/Kolkata", "GMT+05:30"},
        {"LMT-0:19:32", "GMT+00:19:32"},
        {"", "GMT+00:00"},
        {"Asia/Almaty", nullptr}, // the system's rules may be newer than the built-in ones
        {"Europe/London", "Europe/London"},
        {"Australia/Lord_Howe", "Australia/Lord_Howe"},
    };
    const auto savedTZ = std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt;
    DateFormatter formatter;
    formatter.setDateFormat("yyyy-MM-dd HH:mm:ss");
    formatter.setLocale(Locale("en_US"));
    for (const auto& c : cases) {
        setenv("TZ", c.tz, 1);
        for (double seconds : {kSixDecember2026, kSixDecember2026 - 180 * 86400.0}) {
            const auto instant = static_cast<std::time_t>(seconds);
            std::ostringstream expected; // as the C library reads TZ
            expected << std::put_time(std::localtime(&instant), "%Y-%m-%d %H:%M:%S");
            EXPECT_EQ(formatter.string(Date{seconds}), expected.str()) << c.tz;
            if (c.identifier) {
                EXPECT_EQ(TimeZone::current(Date{seconds}).identifier(), c.identifier) << c.tz;
            }
        }
    }
    TimeZone::setCurrent(TimeZone::utc());
    EXPECT_EQ(formatter.string(Date{0}), "1970-01-01 00:00:00") << "a zone the host set wins";
    TimeZone::setCurrent(std::nullopt);
    savedTZ ? setenv("TZ", savedTZ->c_str(), 1) : unsetenv("TZ");
    tzset();
}

TEST(TimeZone, KnowsOffsetsAndRefusesUnknownNames)
{
    auto kolkata = TimeZone::named("Asia/Kolkata");
    ASSERT_TRUE(kolkata);
    EXPECT_EQ(kolkata->secondsFromGMT(Date{kSixDecember2026}), 19800);
    auto newYork = TimeZone::named("America/New_York");
    ASSERT_TRUE(newYork);
    EXPECT_EQ(newYork->secondsFromGMT(Date{kSixDecember2026}), -5 * 3600);
    EXPECT_EQ(newYork->secondsFromGMT(Date{kSixDecember2026 - 180 * 86400.0}), -4 * 3600); // summer
    EXPECT_EQ(TimeZone::utc().secondsFromGMT(Date{0}), 0);

    EXPECT_FALSE(TimeZone::named("Mars/Olympus_Mons"));
    EXPECT_FALSE(TimeZone::named(""));
}
