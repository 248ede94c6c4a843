#include "platform/foundation/DebugLog.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/foundation/UserDefaultsFile.h"

#include "WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// While set, flock acts as on a network mount, where an exclusive lock needs a descriptor open for writing.
static bool locksNeedWriting = false;
extern "C" int flock(int fd, int operation) noexcept
{
    if (locksNeedWriting && (operation & LOCK_EX) && (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDONLY) {
        errno = EBADF;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_flock, fd, operation));
}

namespace platform {
namespace {

namespace fs = std::filesystem;

class UserDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / ("tavro-defaults-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_file = m_dir / "defaults.json";
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::string read(const fs::path& file)
    {
        if (!fs::is_regular_file(file))
            return {};
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    // Every file and folder under the test's folder, by its path there.
    std::vector<std::string> filesInDir() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir))
            names.push_back(entry.path().lexically_relative(m_dir).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(UserDefaultsTest, TypedValuesSurviveASaveAndLoadWithIntegersAndDoublesApart)
{
    {
        auto defaults = UserDefaults::persistent(m_file);
        defaults->set(std::int64_t{3}, "int");
        defaults->set(3.0, "double");
        defaults->set(std::int64_t{9007199254740993}, "big"); // 2^53 + 1: not exact as a double
        defaults->set(true, "flag");
        defaults->set("₹ text", "text");
        defaults->set(AnyValue::Array{1, 2.5, "x"}, "array");
        defaults->set(AnyValue::Dictionary{{"356", 4}, {"840", 1}}, "TAVROSelectedCurrencies");
    }
    auto reloaded = UserDefaults::persistent(m_file);
    EXPECT_EQ(reloaded->objectForKey("int"), AnyValue(std::int64_t{3}));
    EXPECT_TRUE(reloaded->objectForKey("int")->isInteger());
    EXPECT_TRUE(reloaded->objectForKey("double")->isDouble());
    EXPECT_EQ(reloaded->integerForKey("big"), 9007199254740993);
    EXPECT_TRUE(reloaded->boolForKey("flag"));
    EXPECT_EQ(reloaded->stringForKey("text"), "₹ text");
    EXPECT_EQ(reloaded->arrayForKey("array"), (AnyValue::Array{1, 2.5, "x"}));
    auto counts = reloaded->dictionaryForKey("TAVROSelectedCurrencies");
    ASSERT_TRUE(counts);
    EXPECT_TRUE(counts->at("356").isInteger());
    EXPECT_EQ(counts->at("356"), AnyValue(4));
}

TEST_F(UserDefaultsTest, ReadsOfAnotherKindAndNullWrites)
{
    auto defaults = UserDefaults::inMemory();
    defaults->set(1e300, "huge");
    defaults->set("nope", "word");
    EXPECT_EQ(defaults->integerForKey("huge"), std::numeric_limits<std::int64_t>::max()); // saturates
    EXPECT_EQ(defaults->integerForKey("word"), 0);
    EXPECT_FALSE(defaults->dictionaryForKey("word"));
    EXPECT_FALSE(defaults->stringForKey("huge"));
    defaults->set(nullptr, "word"); // storing null removes the key
    EXPECT_FALSE(defaults->objectForKey("word"));
}

TEST_F(UserDefaultsTest, ValuesPersistAcrossStoreInstancesOnOneFile)
{
    auto first = UserDefaults::persistent(m_file);
    first->set(AnyValue::Dictionary{{"356", 1}}, "TAVROSelectedCurrencies");
    first->set("356", "TAVRORecentCurrency");
    first->set("gone soon", "temporary");
    first->removeObjectForKey("temporary");

    auto second = UserDefaults::persistent(m_file);
    EXPECT_EQ(second->dictionaryRepresentation(), first->dictionaryRepresentation());
    EXPECT_EQ(second->stringForKey("TAVRORecentCurrency"), "356");
    EXPECT_FALSE(second->objectForKey("temporary"));
    // No temporary left; the lock file stays for the next writer.
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock"}));

    // Each holder (another process, another copy of the library) saves what it changed onto the file
    // as it is then, and sees the other's keys at its next save, not at a read.
    second->set(2, "theirs");
    EXPECT_FALSE(first->objectForKey("theirs"));
    first->set(3, "shared");
    EXPECT_EQ(first->integerForKey("theirs"), 2);
    second->set(4, "shared"); // the later save's value stands
    second->set(5, "unseen");
    first->removeObjectForKey("theirs"); // beside the other's new key
    second->set(6, "new");
    first->removeObjectForKey("unseen"); // never seen here
    AnyValue::Dictionary merged{{"TAVRORecentCurrency", "356"}, {"shared", 4}, {"new", 6}};
    merged["TAVROSelectedCurrencies"] = AnyValue::Dictionary{{"356", 1}};
    EXPECT_EQ(first->dictionaryRepresentation(), merged);
    EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation(), merged);

    // A missing directory is created on the first save.
    auto nested = UserDefaults::persistent(m_dir / "a" / "b" / "defaults.json");
    EXPECT_TRUE(nested->dictionaryRepresentation().empty());
    nested->set(1, "k");
    EXPECT_EQ(UserDefaults::persistent(m_dir / "a" / "b" / "defaults.json")->integerForKey("k"), 1);
}

// Processes saving at once keep every key where locks work, and no save fails where one's locks
// fail; one killed while it saves (holding the lock) blocks no one, and its temporary file goes
// once old.
TEST_F(UserDefaultsTest, ProcessesSavingAtOnceKeepEveryKeyAndAKilledOneBlocksNoOne)
{
    constexpr int kProcesses = 4, kKeys = 25;
    auto statusOf = [](pid_t pid) {
        int status = -1;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        return status;
    };
    const pid_t killed = ::fork();
    if (killed == 0) {
        const rlimit noCore{0, 0}, tight{64, 64}; // the file-size limit kills it mid-write
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        ::setrlimit(RLIMIT_FSIZE, &tight);
        UserDefaults::persistent(m_file)->set(std::string(1000, 'x'), "large");
        ::_exit(0);
    }
    const int killedStatus = statusOf(killed);
    ASSERT_TRUE(WIFSIGNALED(killedStatus) && WTERMSIG(killedStatus) == SIGXFSZ);
    for (const auto& entry : fs::directory_iterator(m_dir)) // the killed writer's, as if long gone
        if (entry.path().filename().string().find(".tmp-") != std::string::npos)
            fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    // A writer in a child, where locks work (only on descriptors open for writing, as on a network
    // mount) or fail; it exits 1 when a save of its failed, or went unlocked where it could lock.
    auto writer = [this](int process, int keys, bool locks) {
        const pid_t pid = ::fork();
        if (pid != 0)
            return pid;
        locksNeedWriting = locks;
        if (!locks && !testing_support::failCallsOnNewDescriptors(SYS_flock, ENOLCK))
            ::_exit(2);
        DebugLogCapture log;
        auto defaults = UserDefaults::persistent(m_file);
        for (int key = 0; key < keys; ++key)
            defaults->set(key, std::to_string(process) + "-" + std::to_string(key));
        ::_exit(log.contains("not saved") || (locks && log.contains("without the lock")) ? 1 : 0);
    };
    std::vector<pid_t> children;
    for (int process = 0; process < kProcesses; ++process)
        children.push_back(writer(process, kKeys, true));
    for (const pid_t pid : children)
        EXPECT_EQ(statusOf(pid), 0);
    EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation().size(), std::size_t{kProcesses * kKeys});
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock"}));

    // One writer's locks fail, the other's work: neither takes the other's temporary file.
    const pid_t unlocked = writer(kProcesses, 300, false), locked = writer(kProcesses + 1, 40, true);
    EXPECT_EQ(statusOf(unlocked), 0);
    EXPECT_EQ(statusOf(locked), 0);
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock"}));
}

// What goes wrong between a store's load and its save: the save keeps every value it can, or
// writes and makes nothing and keeps its change for the next save; one line says so (once a store
// for a missing lock); no temporary file is left. A fault that lasts as long as the process (a file
// system without locks, where another holder saves first) is met in a forked child.
TEST_F(UserDefaultsTest, FaultsAtASaveKeepTheFileOrEveryHoldersValues)
{
    using Dictionary = AnyValue::Dictionary;
    struct Row {
        const char* name;
        AnyValue value;                       // what the store sets
        const char* line;                     // nullptr for none
        std::optional<Dictionary> saved = {}; // the file after the save; nullopt when kept as it was
        std::function<void()> fault = {};
        bool inChild = false;
    };
    // Another holder sets a key just before this store: both save where locks work, or where none
    // can be had.
    auto theirs = [this] { UserDefaults::persistent(m_file)->set(1, "theirs"); };
    auto noLocks = [&](int code) {
        return [&, code] {
            EXPECT_TRUE(testing_support::failCallsOnNewDescriptors(SYS_flock, code));
            theirs();
        };
    };
    // The store's path made a link after its load.
    auto linkTo = [this](const char* target) {
        fs::remove(m_file);
        fs::create_symlink(target, m_file);
    };
    const Dictionary bothHolders{{"mine", 1}, {"other", 1}, {"theirs", 1}, {"new", 2}};
    const Row rows[] = {
        {"a directory in the lock file's place", 2, "saving without the lock",
         Dictionary{{"mine", 1}, {"other", 1}, {"new", 2}},
         [&] {
             fs::remove(m_dir / "defaults.json.lock");
             fs::create_directory(m_dir / "defaults.json.lock");
         }},
        {"a file damaged since the load", 2, "damaged defaults file moved to", Dictionary{{"mine", 1}, {"new", 2}},
         [&] { write(m_file, "{\"other\": "); }},
        {"a file grown past the read limit", 2, "is larger than 16 MiB; kept for the next save", std::nullopt,
         [&] { fs::resize_file(m_file, kMaxDefaultsFileSize + 1); }},
        {"a text past the read limit", std::string(kMaxDefaultsFileSize, 'x'), "would be larger than 16 MiB"},
        {"no locks (ENOLCK)", 2, "without the lock (cannot lock", bothHolders, noLocks(ENOLCK), true},
        {"no locks (EOPNOTSUPP)", 2, "without the lock (cannot lock", bothHolders, noLocks(EOPNOTSUPP), true},
        {"no locks (ENOSYS)", 2, "without the lock (cannot lock", bothHolders, noLocks(ENOSYS), true},
        {"working locks, in a child", 2, nullptr, bothHolders, theirs, true},
        // Where the kernel follows the link: "nodir" is made, and the file is the folder's t.json.
        {"a link to nodir/../t.json", 2, nullptr, Dictionary{{"theirs", 1}, {"new", 2}},
         [&] {
             linkTo("nodir/../t.json");
             theirs();
         }},
        {"a link to afile/../t.json", 2, "changes not saved (cannot create", std::nullopt,
         [&] {
             write(m_dir / "afile", "");
             linkTo("afile/../t.json");
         }},
        {"a link to z.json/", 2, "z.json/ names a folder, not a file", std::nullopt, [&] { linkTo("z.json/"); }},
        {"a link to a folder", 2, "/adir is not a regular file)", std::nullopt,
         [&] {
             fs::create_directory(m_dir / "adir");
             linkTo("adir");
         }},
        {"a link to a FIFO", 2, "/fifo is not a regular file)", std::nullopt,
         [&] {
             ::mkfifo((m_dir / "fifo").c_str(), 0600);
             linkTo("fifo");
         }},
    };
    auto check = [&](const Row& row) {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        auto mine = UserDefaults::persistent(m_file);
        mine->set(1, "mine");
        UserDefaults::persistent(m_file)->set(1, "other");
        if (row.fault)
            row.fault();
        const std::string before = read(m_file);
        const std::vector<std::string> filesBefore = filesInDir();
        DebugLogCapture log;
        mine->set(row.value, "new");
        EXPECT_TRUE(mine->objectForKey("new") == row.value);
        if (row.saved) {
            EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation(), *row.saved);
        } else {
            EXPECT_TRUE(read(m_file) == before);
            EXPECT_EQ(filesInDir(), filesBefore);
        }

        // With the fault gone, the next save brings the kept change in.
        if (!row.saved) {
            fs::remove(m_file);
            write(m_file, "{\"mine\": 1, \"other\": 1}");
        }
        if (!(row.value == AnyValue(2)))
            mine->set(2, "new"); // a value too large for any file stays unsaved until replaced
        mine->set(3, "last");
        Dictionary expected = row.saved.value_or(Dictionary{{"mine", 1}, {"other", 1}, {"new", 2}});
        expected["last"] = 3;
        EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation(), expected);
        EXPECT_EQ(log.lines().size(), row.line ? 1u : 0u);
        EXPECT_TRUE(!row.line || log.contains(row.line)) << ::testing::PrintToString(log.lines());
        for (const std::string& name : filesInDir())
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
        return !HasFailure();
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.inChild)
            EXPECT_EXIT(::_exit(check(row) ? 0 : 1), ::testing::ExitedWithCode(0), "");
        else
            check(row);
    }
}

TEST_F(UserDefaultsTest, DamagedFileIsKeptAsideAndTheStoreStartsEmpty)
{
    const std::string damaged = "{\"TAVRORecentCurrency\": \"356\", "; // cut off mid-write
    write(m_file, damaged);
    {
        DebugLogCapture capture;
        auto defaults = UserDefaults::persistent(m_file);
        EXPECT_TRUE(defaults->dictionaryRepresentation().empty());
        EXPECT_EQ(capture.lines().size(), 1u);
        EXPECT_TRUE(capture.contains("damaged defaults file moved to"));
        EXPECT_TRUE(capture.contains("defaults.json.corrupt-1"));
        defaults->set(5, "count");
    }
    EXPECT_EQ(read(m_dir / "defaults.json.corrupt-1"), damaged);
    EXPECT_EQ(UserDefaults::persistent(m_file)->integerForKey("count"), 5);

    // Valid JSON that is not an object is damaged too; the next free name is used.
    write(m_file, "[1, 2, 3]");
    DebugLogCapture capture;
    EXPECT_TRUE(UserDefaults::persistent(m_file)->dictionaryRepresentation().empty());
    EXPECT_EQ(read(m_dir / "defaults.json.corrupt-2"), "[1, 2, 3]");
    EXPECT_EQ(read(m_dir / "defaults.json.corrupt-1"), damaged);

    // Data after the JSON value, even behind a NUL byte, makes the file damaged too.
    const std::string trailing("{\"a\": 1}\0more", 13);
    write(m_file, trailing);
    EXPECT_TRUE(UserDefaults::persistent(m_file)->dictionaryRepresentation().empty());
    EXPECT_EQ(read(m_dir / "defaults.json.corrupt-3"), trailing);

    // Through a link, the target goes aside and the link stays.
    fs::remove(m_file);
    fs::create_directories(m_dir / "real");
    write(m_dir / "real" / "store.json", damaged);
    fs::create_symlink(fs::path("real") / "store.json", m_file);
    UserDefaults::persistent(m_file)->set(6, "count");
    EXPECT_TRUE(fs::is_symlink(m_file));
    EXPECT_EQ(read(m_dir / "real" / "store.json.corrupt-1"), damaged);
    EXPECT_EQ(UserDefaults::persistent(m_file)->integerForKey("count"), 6);
}

TEST_F(UserDefaultsTest, SomethingThatIsNotARegularFileIsLeftAlone)
{
    fs::create_directory(m_file);
    {
        DebugLogCapture capture;
        auto defaults = UserDefaults::persistent(m_file);
        defaults->set(5, "count");
        defaults->set(6, "count");
        EXPECT_EQ(defaults->integerForKey("count"), 6);
        EXPECT_EQ(capture.lines().size(), 1u);
        EXPECT_TRUE(capture.contains("not a regular file"));
    }
    EXPECT_TRUE(fs::is_directory(m_file));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json"}));

    fs::remove(m_file);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    auto defaults = UserDefaults::persistent(m_file);
    defaults->set(1, "count");
    EXPECT_TRUE(fs::is_fifo(m_file));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json"}));

    // Something that appears in the file's place after loading is not replaced either.
    fs::remove(m_file);
    auto late = UserDefaults::persistent(m_file);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    DebugLogCapture capture;
    late->set(1, "count");
    EXPECT_TRUE(fs::is_fifo(m_file));
    EXPECT_EQ(capture.lines().size(), 1u);
}

// What the store finds at its path and what it leaves there after a change: a file it may not
// read, one too large to read, or one it failed to read for want of a descriptor, stays exactly
// as it was (settings live in memory, one line says why); a file it may take is rewritten where it
// really is, with the owner and permission bits it had (never set-user-ID or set-group-ID).
TEST_F(UserDefaultsTest, FilesItMayNotReadStayAndRewritesKeepLinksAndPermissions)
{
    const std::string stored = "{\"kept\": 1}";
    // Root reads any file, so that load runs in a child that is not root.
    enum class Load { here, withoutPrivileges, withoutDescriptors, withReadsFailing };
    struct Row {
        const char* name;
        std::function<void()> prepare;
        Load load;
        const char* leftAloneBecause; // what the line says when the file is left alone; else rewritten
        // The bits a rewrite must leave, when they change; a row only root may set up (a file's owner).
        fs::perms modeAfter = fs::perms::unknown;
        bool asRoot = false;
    };
    const Row rows[] = {
        {"no read permission",
         [&] {
             write(m_file, stored);
             fs::permissions(m_file, fs::perms::none);
             fs::permissions(m_dir, fs::perms::all); // it could be moved aside
         },
         Load::withoutPrivileges, "may not be read"},
        {"over the size cap",
         [&] {
             write(m_file, "");
             fs::resize_file(m_file, kMaxDefaultsFileSize + 1); // sparse: nothing is written
         },
         Load::here, "is larger than 16 MiB"},
        {"no free descriptor to open it", [&] { write(m_file, stored); }, Load::withoutDescriptors,
         "could not be read (Too many open files)"},
        {"a read that says the open file is missing", [&] { write(m_file, stored); }, Load::withReadsFailing,
         "could not be read (No such file or directory)"},
        {"a link to a file with its own permission bits",
         [&] {
             fs::create_directory(m_dir / "real");
             write(m_dir / "real" / "store.json", stored);
             fs::permissions(m_dir / "real" / "store.json", fs::perms(0640));
             fs::create_symlink(fs::path("real") / "store.json", m_file);
         },
         Load::here, nullptr},
        {"set-user-ID and set-group-ID bits",
         [&] {
             write(m_file, stored);
             fs::permissions(m_file, fs::perms(06640));
         },
         Load::here, nullptr, fs::perms(0640)},
        {"a file another user owns",
         [&] {
             write(m_file, stored);
             ASSERT_EQ(::chown(m_file.c_str(), 4321, 4322), 0);
         },
         Load::here, nullptr, fs::perms::unknown, true},
    };
    // All that a change must leave as it was, but the contents: the link, the permission bits, the
    // files in the folder (no copy moved aside, no temporary left; lock files apart).
    auto layout = [&](fs::perms mode = fs::perms::unknown) {
        std::error_code notALink;
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir))
            if (entry.path().extension() != ".lock")
                names.push_back(entry.path().lexically_relative(m_dir).string());
        std::sort(names.begin(), names.end());
        std::ostringstream text;
        struct stat info {};
        ::stat(m_file.c_str(), &info);
        text << "link to '" << fs::read_symlink(m_file, notALink).string() << "', owner " << info.st_uid << ":"
             << info.st_gid << ", permissions " << std::oct
             << static_cast<int>(mode != fs::perms::unknown ? mode : fs::status(m_file).permissions()) << ", files:";
        for (const auto& name : names)
            text << " " << name;
        return text.str();
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.asRoot && ::geteuid() != 0)
            continue;
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        row.prepare();
        const std::string layoutBefore = layout(row.modeAfter);
        const std::string contentsBefore = read(m_file);
        const bool leftAlone = row.leftAloneBecause != nullptr;
        auto loadAndChange = [&](const std::function<void()>& afterLoad = {}) {
            DebugLogCapture log;
            auto defaults = UserDefaults::persistent(m_file);
            if (afterLoad)
                afterLoad();
            defaults->set(2, "fresh");
            return defaults->integerForKey("fresh") == 2 && defaults->integerForKey("kept") == !leftAlone &&
                   log.lines().size() == leftAlone &&
                   (!leftAlone ||
                    (log.contains(m_file.string() + " " + row.leftAloneBecause) && log.contains("left alone")));
        };
        if (row.load == Load::withoutPrivileges)
            EXPECT_EXIT(testing_support::runWithoutPrivileges(loadAndChange), ::testing::ExitedWithCode(0), "");
        else if (row.load == Load::withoutDescriptors)
            EXPECT_EXIT(testing_support::runWithoutFreeDescriptors(loadAndChange), ::testing::ExitedWithCode(0), "");
        else if (row.load == Load::withReadsFailing)
            EXPECT_EXIT(testing_support::runWithReadsFailing(ENOENT, loadAndChange), ::testing::ExitedWithCode(0), "");
        else
            EXPECT_TRUE(loadAndChange());
        EXPECT_EQ(layout(), layoutBefore);
        // A store that saves locks beside the file it replaces, a link's target.
        EXPECT_EQ(fs::exists(fs::canonical(m_file).string() + ".lock"), !leftAlone);
        if (leftAlone) {
            EXPECT_TRUE(read(m_file) == contentsBefore);
        } else {
            EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation(),
                      (AnyValue::Dictionary{{"kept", 1}, {"fresh", 2}}));
        }
    }
    fs::permissions(m_dir, fs::perms(0755));

    // A link to a file not made yet: the first change makes it at the link's target.
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "real");
    fs::create_symlink(fs::path("real") / "store.json", m_file);
    DebugLogCapture log;
    UserDefaults::persistent(m_file)->set(2, "fresh");
    EXPECT_TRUE(fs::is_symlink(m_file));
    EXPECT_EQ(UserDefaults::persistent(m_file)->dictionaryRepresentation(), (AnyValue::Dictionary{{"fresh", 2}}));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(UserDefaultsTest, ValuesNestedTooDeepForTheFileAreRefused)
{
    auto nested = [](std::size_t depth) {
        AnyValue value(1);
        for (std::size_t i = 0; i < depth; ++i) {
            AnyValue::Array array;
            array.push_back(std::move(value));
            value = AnyValue(std::move(array));
        }
        return value;
    };
    auto defaults = UserDefaults::persistent(m_file);
    defaults->set("kept", "name");
    defaults->set(nested(kMaxDefaultsValueDepth), "deepest");
    {
        DebugLogCapture capture;
        defaults->set(nested(kMaxDefaultsValueDepth + 1), "tooDeep");
        defaults->set(nested(1000), "deepest"); // refused without replacing the earlier value
        EXPECT_EQ(capture.lines().size(), 2u);
        EXPECT_TRUE(capture.contains("tooDeep"));
    }
    EXPECT_FALSE(defaults->objectForKey("tooDeep"));
    auto reloaded = UserDefaults::persistent(m_file);
    EXPECT_EQ(reloaded->stringForKey("name"), "kept");
    EXPECT_EQ(reloaded->objectForKey("deepest"), nested(kMaxDefaultsValueDepth));
}

// A relative path names the file against the directory current when the store is made, for the
// store's whole life; with no current directory the store lives in memory.
TEST_F(UserDefaultsTest, ARelativePathIsResolvedOnceWhenTheStoreIsMade)
{
    const fs::path dir = fs::canonical(m_dir);
    const std::shared_ptr<void> back(nullptr, [was = fs::current_path()](void*) { fs::current_path(was); });
    fs::create_directories(dir / "later");
    fs::current_path(dir);
    auto defaults = UserDefaults::persistent("store.json");
    fs::current_path(dir / "later");
    defaults->set(1, "count");
    EXPECT_EQ(defaults->filePath(), dir / "store.json");
    EXPECT_EQ(UserDefaults::persistent(dir / "store.json")->integerForKey("count"), 1);
    EXPECT_FALSE(fs::exists(dir / "later" / "store.json"));

    fs::remove(dir / "later"); // the current directory
    DebugLogCapture log;
    auto homeless = UserDefaults::persistent("store.json");
    homeless->set(2, "count");
    EXPECT_FALSE(homeless->filePath());
    EXPECT_EQ(homeless->integerForKey("count"), 2);
    EXPECT_EQ(log.lines().size(), 1u);
}

// A temporary file beside the store goes at a save once it is a minute old by the file system's
// clock, unless a live writer holds it locked; a younger one may be a writer's at work (where its
// lock failed, unlocked) and stays; one dated ahead goes too. Where locks fail, age alone tells them.
TEST_F(UserDefaultsTest, TemporaryFilesGoOnceAMinuteOldAndUnlocked)
{
    auto plant = [this](const std::string& name, bool stale, std::chrono::hours ago = std::chrono::hours(1)) {
        if (!fs::exists(m_dir / name)) // a FIFO is made before
            write(m_dir / name, "{\"half\": ");
        if (stale)
            fs::last_write_time(m_dir / name, fs::file_time_type::clock::now() - ago);
    };
    auto withoutLocks = [&] {
        EXPECT_TRUE(testing_support::failCallsOnNewDescriptors(SYS_flock, ENOLCK));
        for (int n = 0; n < 6; ++n)
            plant("defaults.json.tmp-Stale" + std::to_string(n), true);
        plant("defaults.json.tmp-Fresh0", false);
        UserDefaults::persistent(m_file)->set(1, "count");
        EXPECT_EQ(filesInDir(),
                  (std::vector<std::string>{"defaults.json", "defaults.json.lock", "defaults.json.tmp-Fresh0"}));
        ::_exit(HasFailure() ? 1 : 0);
    };
    EXPECT_EXIT(withoutLocks(), ::testing::ExitedWithCode(0), "");

    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    plant("defaults.json.tmp-Ab12Cd", true);
    plant("defaults.json.tmp-Fresh0", false);
    plant("other.json.tmp-Ab12Cd", true);
    plant("defaults.json.tmp-Live00", true);
    plant("defaults.json.tmp-Ahead1", true, -std::chrono::hours(1));
    plant("defaults.json.tmp-Ahead9", true, -std::chrono::hours(24 * 3653)); // ten years
    // Nothing but a regular file is opened: a FIFO's reader would release a writer blocked opening it.
    ASSERT_EQ(::mkfifo((m_dir / "defaults.json.tmp-Fifo00").c_str(), 0600), 0);
    plant("defaults.json.tmp-Fifo00", true);
    const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(opens, (m_dir / "defaults.json.tmp-Fifo00").c_str(), IN_OPEN), 0);
    const int liveFd = ::open((m_dir / "defaults.json.tmp-Live00").c_str(), O_RDONLY);
    ASSERT_GE(liveFd, 0);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);
    UserDefaults::persistent(m_file)->set(1, "count");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock", "defaults.json.tmp-Fifo00",
                                                      "defaults.json.tmp-Fresh0", "defaults.json.tmp-Live00",
                                                      "other.json.tmp-Ab12Cd"}));
    ::close(liveFd);
    UserDefaults::persistent(m_file)->set(2, "count");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock", "defaults.json.tmp-Fifo00",
                                                      "defaults.json.tmp-Fresh0", "other.json.tmp-Ab12Cd"}));
    char events[4096]; // room for any event: none, as no open of the FIFO was seen
    EXPECT_EQ(::read(opens, events, sizeof events), -1);
    ::close(opens);
}

TEST_F(UserDefaultsTest, FailedWriteKeepsTheOldFile)
{
    auto defaults = UserDefaults::persistent(m_file);
    defaults->set(1, "count");
    const std::string before = read(m_file);

    // A file-size limit makes the next write fail part-way, as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    DebugLogCapture capture;
    defaults->set(std::string(1000, 'x'), "large");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(capture.lines().size(), 1u);
    EXPECT_TRUE(capture.contains("not saved"));
    EXPECT_EQ(read(m_file), before);
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"defaults.json", "defaults.json.lock"}));
    // The value is still set, and the next successful save writes it out.
    EXPECT_EQ(defaults->stringForKey("large")->size(), 1000u);
    defaults->set(2, "count");
    auto reloaded = UserDefaults::persistent(m_file);
    EXPECT_EQ(reloaded->integerForKey("count"), 2);
    EXPECT_EQ(reloaded->stringForKey("large")->size(), 1000u);
}

TEST_F(UserDefaultsTest, StandardStoreLocationAndTestReplacement)
{
    const char* savedPath = std::getenv("TAVRO_DEFAULTS_PATH");
    const std::string savedValue = savedPath ? savedPath : "";
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdgValue = savedXdg ? savedXdg : "";
    const char* savedHome = std::getenv("HOME");
    const std::string savedHomeValue = savedHome ? savedHome : "";

    ::unsetenv("TAVRO_DEFAULTS_PATH");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(UserDefaults::standardFilePath(), fs::path("/cfg/tavro-merchant-sdk/defaults.json"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    ::setenv("HOME", "/home/merchant", 1);
    EXPECT_EQ(UserDefaults::standardFilePath(), fs::path("/home/merchant/.config/tavro-merchant-sdk/defaults.json"));
    ::setenv("TAVRO_DEFAULTS_PATH", m_file.c_str(), 1);
    EXPECT_EQ(UserDefaults::standardFilePath(), m_file);

    UserDefaults::setStandardForTesting(nullptr);
    UserDefaults::standard()->set(7, "answer");
    EXPECT_EQ(UserDefaults::standard()->filePath(), m_file);
    EXPECT_EQ(UserDefaults::persistent(m_file)->integerForKey("answer"), 7);

    auto memory = UserDefaults::inMemory();
    UserDefaults::setStandardForTesting(memory);
    EXPECT_EQ(UserDefaults::standard(), memory);
    UserDefaults::setStandardForTesting(nullptr);

    savedPath ? ::setenv("TAVRO_DEFAULTS_PATH", savedValue.c_str(), 1) : ::unsetenv("TAVRO_DEFAULTS_PATH");
    savedXdg ? ::setenv("XDG_CONFIG_HOME", savedXdgValue.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", savedHomeValue.c_str(), 1) : ::unsetenv("HOME");
}

} // namespace
} // namespace platform
