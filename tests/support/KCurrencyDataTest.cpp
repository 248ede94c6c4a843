#include "TavroMerchantSDK/support/KCurrencyData.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/UserDefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <unistd.h>

namespace tavro {
namespace {

using platform::AnyValue;
using platform::UserDefaults;
namespace fs = std::filesystem;

class KCurrencyDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_defaults = UserDefaults::inMemory();
        UserDefaults::setStandardForTesting(m_defaults);
    }
    // Leave an in-memory store behind so no later test touches the user's real defaults file.
    void TearDown() override { UserDefaults::setStandardForTesting(UserDefaults::inMemory()); }

    void setCounts(std::initializer_list<std::pair<const char*, std::int64_t>> counts)
    {
        AnyValue::Dictionary map;
        for (const auto& [code, count] : counts)
            map.emplace(code, AnyValue(count));
        m_defaults->set(AnyValue(std::move(map)), KAllSelectedCurrencies);
    }

    static std::vector<std::string> ids(const std::vector<KCurrencyDataPtr>& records)
    {
        std::vector<std::string> result;
        for (const auto& record : records)
            result.push_back(record->currencyId());
        return result;
    }
    static std::vector<std::int64_t> counts(const std::vector<KCurrencyDataPtr>& records)
    {
        std::vector<std::int64_t> result;
        for (const auto& record : records)
            result.push_back(record->count());
        return result;
    }
    // Alphabetic codes of the table rows in stored order, without `excluded`.
    static std::vector<std::string> tableIdsWithout(const std::set<std::string>& excluded)
    {
        std::vector<std::string> result;
        for (const auto& row : *kCurrencyTable()) {
            if (!excluded.contains(row.at(kCurrencyIdKey)))
                result.push_back(row.at(kCurrencyIdKey));
        }
        return result;
    }

    std::shared_ptr<UserDefaults> m_defaults;
};

TEST_F(KCurrencyDataTest, TableHoldsTheListedRowsInStoredOrder)
{
    const auto& table = *kCurrencyTable();
    ASSERT_EQ(table.size(), 177u);
    std::set<std::string> numeric, alphabetic;
    for (const auto& row : table) {
        EXPECT_EQ(row.size(), 3u);
        numeric.insert(row.at(kCurrencyCodeKey));
        alphabetic.insert(row.at(kCurrencyIdKey));
        EXPECT_NE(row.at(kCurrencyCodeKey).front(), '0');
    }
    EXPECT_EQ(numeric.size(), 177u);
    EXPECT_EQ(alphabetic.size(), 177u);

    EXPECT_EQ(table.front().at(kCurrencyIdKey), "AED");
    EXPECT_EQ(table.back().at(kCurrencyIdKey), "ZWL");
    const KCurrencyRow expected[] = {
        {{"currencyCode", "8"}, {"currencyId", "ALL"}, {"currencyDescription", "Albanian lek"}},
        {{"currencyCode", "356"}, {"currencyId", "INR"}, {"currencyDescription", "Indian rupee"}},
        {{"currencyCode", "947"}, {"currencyId", "CHE"}, {"currencyDescription", "WIR"}},
        {{"currencyCode", "933"}, {"currencyId", "BYN"}, {"currencyDescription", "Belarusian ruble"}},
        {{"currencyCode", "776"}, {"currencyId", "TOP"}, {"currencyDescription", "Tongan pa\u02BBanga"}},
        {{"currencyCode", "704"}, {"currencyId", "VND"}, {"currencyDescription", "Vietnamese \u0111\u1ED3ng"}},
        {{"currencyCode", "678"},
         {"currencyId", "STD"},
         {"currencyDescription", "S\u00E3o Tom\u00E9 and Pr\u00EDncipe dobra"}},
    };
    for (const auto& row : expected)
        EXPECT_NE(std::find(table.begin(), table.end(), row), table.end()) << row.at("currencyId");

    // XSU, XUA, XTS break the alphabetical order; no XXX, no BYR.
    std::vector<std::string> lastX;
    for (const auto& row : table) {
        const auto& id = row.at(kCurrencyIdKey);
        if (id == "XSU" || id == "XUA" || id == "XTS")
            lastX.push_back(id);
        EXPECT_NE(id, "XXX");
        EXPECT_NE(id, "BYR");
    }
    EXPECT_EQ(lastX, (std::vector<std::string>{"XSU", "XUA", "XTS"}));
}

TEST_F(KCurrencyDataTest, RecordsShareOneTable)
{
    auto record = KCurrencyData::create();
    EXPECT_TRUE(record->currencyId().empty());
    EXPECT_TRUE(record->currencyCode().empty());
    EXPECT_EQ(record->count(), 0);
    EXPECT_EQ(record->currenciesDicArr(), kCurrencyTable());
    EXPECT_EQ(KCurrencyData::shared(), KCurrencyData::shared());

    auto [recent, all] = KCurrencyData::shared()->getCurrencies();
    for (const auto& currency : all)
        EXPECT_EQ(currency->currenciesDicArr().get(), kCurrencyTable().get());

    platform::DebugLogCapture log;
    record->setCurrenciesDicArr(nullptr);
    EXPECT_EQ(record->currenciesDicArr(), kCurrencyTable());
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(KCurrencyDataTest, NothingRecordedGivesAnEmptyShortListAndTheTableInOrder)
{
    auto [recent, all] = KCurrencyData::shared()->getCurrencies();
    ASSERT_TRUE(recent.has_value());
    EXPECT_TRUE(recent->empty());
    EXPECT_EQ(ids(all), tableIdsWithout({}));
    for (const auto& currency : all)
        EXPECT_EQ(currency->count(), 0);
    EXPECT_EQ(all.front()->currencyCode(), "784");
    EXPECT_EQ(all.front()->currencyDescription(), "United Arab Emirates dirham");
}

TEST_F(KCurrencyDataTest, RecentChoiceLeadsAndTheTwoMostUsedFollow)
{
    m_defaults->set(AnyValue("356"), KRecentCurrency);
    {
        auto [recent, all] = KCurrencyData::shared()->getCurrencies();
        EXPECT_EQ(ids(*recent), (std::vector<std::string>{"INR"}));
        EXPECT_EQ(ids(all), tableIdsWithout({"INR"}));
    }

    setCounts({{"356", 5}, {"840", 2}, {"978", 7}, {"36", 1}});
    m_defaults->set(AnyValue("840"), KRecentCurrency);
    {
        auto [recent, all] = KCurrencyData::shared()->getCurrencies();
        EXPECT_EQ(ids(*recent), (std::vector<std::string>{"USD", "EUR", "INR"}));
        EXPECT_EQ(counts(*recent), (std::vector<std::int64_t>{2, 7, 5}));
        ASSERT_EQ(all.size(), 174u);
        EXPECT_EQ(all.front()->currencyId(), "AUD");
        EXPECT_EQ(all.front()->count(), 1);
        auto expectedRest = tableIdsWithout({"USD", "EUR", "INR", "AUD"});
        auto allIds = ids(all);
        EXPECT_EQ(std::vector<std::string>(allIds.begin() + 1, allIds.end()), expectedRest);
    }

    // Without a recent choice only currencies used at least once are moved.
    m_defaults->removeObjectForKey(KRecentCurrency);
    setCounts({{"356", 3}});
    {
        auto [recent, all] = KCurrencyData::shared()->getCurrencies();
        EXPECT_EQ(ids(*recent), (std::vector<std::string>{"INR"}));
        EXPECT_EQ(all.size(), 176u);
    }
}

TEST_F(KCurrencyDataTest, EqualCountsKeepTableOrder)
{
    setCounts({{"840", 4}, {"36", 4}, {"8", 4}, {"356", 4}});
    auto [recent, all] = KCurrencyData::shared()->getCurrencies();
    EXPECT_EQ(ids(*recent), (std::vector<std::string>{"ALL", "AUD"}));
    EXPECT_EQ(all[0]->currencyId(), "INR");
    EXPECT_EQ(all[1]->currencyId(), "USD");
    EXPECT_EQ(all[2]->currencyId(), "AED");
}

TEST_F(KCurrencyDataTest, UnusableStoredValuesAreIgnored)
{
    // Leading zeros and unknown codes hold nothing back; unknown count keys are ignored.
    for (const char* code : {"036", "1234", ""}) {
        m_defaults->set(AnyValue(code), KRecentCurrency);
        setCounts({{"036", 9}, {"XYZ", 3}});
        auto [recent, all] = KCurrencyData::shared()->getCurrencies();
        EXPECT_TRUE(recent->empty()) << code;
        EXPECT_EQ(all.size(), 177u);
        EXPECT_EQ(all.front()->count(), 0);
    }

    // A recent code that is not text, and counts that are not a text-to-integer map.
    m_defaults->set(AnyValue(std::int64_t{356}), KRecentCurrency);
    m_defaults->set(AnyValue(AnyValue::Dictionary{{"356", AnyValue(2)}, {"840", AnyValue("3")}}),
                    KAllSelectedCurrencies);
    {
        auto [recent, all] = KCurrencyData::shared()->getCurrencies();
        EXPECT_TRUE(recent->empty());
        EXPECT_EQ(all.front()->currencyId(), "AED");
    }
    m_defaults->set(AnyValue(AnyValue::Array{AnyValue(1)}), KAllSelectedCurrencies);
    KCurrencyData::shared()->increaseCurrencyCount("840");
    EXPECT_EQ(m_defaults->objectForKey(KAllSelectedCurrencies), AnyValue(AnyValue::Dictionary{{"840", AnyValue(1)}}));
}

TEST_F(KCurrencyDataTest, IncreaseCountsChoicesAndRemembersTheLast)
{
    auto shared = KCurrencyData::shared();
    shared->increaseCurrencyCount("356");
    shared->increaseCurrencyCount("356");
    EXPECT_EQ(m_defaults->objectForKey(KAllSelectedCurrencies), AnyValue(AnyValue::Dictionary{{"356", AnyValue(2)}}));
    EXPECT_EQ(m_defaults->stringForKey(KRecentCurrency), "356");

    // Any text is counted as given, without a table lookup.
    shared->increaseCurrencyCount("036");
    EXPECT_EQ(m_defaults->stringForKey(KRecentCurrency), "036");
    EXPECT_EQ(m_defaults->dictionaryForKey(KAllSelectedCurrencies)->size(), 2u);

    // The count saturates instead of wrapping round to a negative value.
    const auto largest = std::numeric_limits<std::int64_t>::max();
    setCounts({{"840", largest - 1}});
    shared->increaseCurrencyCount("840");
    shared->increaseCurrencyCount("840");
    EXPECT_EQ(m_defaults->dictionaryForKey(KAllSelectedCurrencies)->at("840"), AnyValue(largest));
    auto [recent, all] = shared->getCurrencies();
    EXPECT_EQ(recent->front()->count(), largest);
}

class KCurrencyDataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / ("tavro-currency-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_file = m_dir / "defaults.json";
    }
    void TearDown() override
    {
        UserDefaults::setStandardForTesting(UserDefaults::inMemory());
        fs::remove_all(m_dir);
    }

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(KCurrencyDataFileTest, CountsSurviveARestart)
{
    UserDefaults::setStandardForTesting(UserDefaults::persistent(m_file));
    KCurrencyData::shared()->increaseCurrencyCount("978");
    KCurrencyData::shared()->increaseCurrencyCount("840");
    KCurrencyData::shared()->increaseCurrencyCount("840");

    // A second store on the same file stands for the next run of the host.
    UserDefaults::setStandardForTesting(UserDefaults::persistent(m_file));
    auto [recent, all] = KCurrencyData::shared()->getCurrencies();
    ASSERT_EQ(recent->size(), 2u);
    EXPECT_EQ((*recent)[0]->currencyId(), "USD");
    EXPECT_EQ((*recent)[0]->count(), 2);
    EXPECT_EQ((*recent)[1]->currencyId(), "EUR");
    EXPECT_EQ((*recent)[1]->count(), 1);
}

TEST_F(KCurrencyDataFileTest, CorruptDefaultsAreKeptAsideAndCountingStartsAfresh)
{
    std::ofstream(m_file) << "{\"TAVROSelectedCurrencies\": {\"356\": 4";
    platform::DebugLogCapture log;
    UserDefaults::setStandardForTesting(UserDefaults::persistent(m_file));
    auto [recent, all] = KCurrencyData::shared()->getCurrencies();
    EXPECT_TRUE(recent->empty());
    EXPECT_EQ(log.lines().size(), 1u);

    KCurrencyData::shared()->increaseCurrencyCount("356");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"defaults.json", "defaults.json.corrupt-1", "defaults.json.lock"}));

    UserDefaults::setStandardForTesting(UserDefaults::persistent(m_file));
    auto [after, rest] = KCurrencyData::shared()->getCurrencies();
    EXPECT_EQ(after->size(), 1u);
}

} // namespace
} // namespace tavro
