// The window host in a virtual X server, driven as a person drives it: xdotool's mouse and keys,
// xclip's clipboard, the window's pixels read back and its QR code decoded. After each action the
// test waits for the host's next idle frame (its --trace); nothing sleeps and nothing is retried.
// On failure the host's output and the last window picture stay in the artifact folder.
#include "platform/graphics/QRScanSupport.h"
#include "platform/graphics/UIImage.h"

#include <gtest/gtest.h>
// After GoogleTest, whose names Xlib's macros (None, Bool) would take.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr auto kPatience = std::chrono::seconds(15);
// The host's default merchant, as its QR code holds it.
constexpr const char* kDefaultPayload = "0002010102110208412345685911Corner Cafe520458126004Pune5802IN53033566304C2A1";

struct Frame {
    double x = 0, y = 0, width = 0, height = 0;
};

std::ostream& operator<<(std::ostream& out, const Frame& frame)
{
    return out << frame.width << "x" << frame.height << " at " << frame.x << "," << frame.y;
}

// Whether `frame` has a size and lies wholly within `area`, to a hundredth of a pixel (the trace
// writes six digits).
bool inside(const Frame& frame, const Frame& area)
{
    constexpr double slack = 0.01;
    return frame.width > 0 && frame.height > 0 && frame.x >= area.x - slack && frame.y >= area.y - slack &&
           frame.x + frame.width <= area.x + area.width + slack &&
           frame.y + frame.height <= area.y + area.height + slack;
}

// The whole of the file at `path`.
std::string contentsOf(const std::string& path)
{
    std::ostringstream contents;
    contents << std::ifstream(path, std::ios::binary).rdbuf();
    return contents.str();
}

// A step that went wrong ends its test (reported by GoogleTest as a thrown exception): every later
// action would wait for a screen that is not there.
void require(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// Runs `command` through the shell, for at most 15 s, and returns its output.
std::string shell(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(("timeout 15 " + command).c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        output += static_cast<char>(c);
    require(pipe && pclose(pipe) == 0, "failed: " + command);
    return output;
}

// Starts the shell command `command` with its standard output and error on a pipe, whose read end
// goes to `output`.
pid_t spawn(const std::string& command, int& output)
{
    int ends[2];
    if (pipe(ends) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL); // gone with the test, however it ends
        dup2(ends[1], 1);
        dup2(ends[1], 2);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), nullptr);
        _exit(127);
    }
    close(ends[1]);
    output = ends[0];
    return pid;
}

class WindowHostTest : public testing::Test {
protected:
    static void SetUpTestSuite() { startDisplay("1280x1800"); }

    // Starts the suite's virtual X server, of `size`, for its hosts and its reading of windows.
    static void startDisplay(const std::string& size)
    {
        int displayFD = -1;
        xvfb = spawn("Xvfb -displayfd 1 -screen 0 " + size + "x24 -nolisten tcp 2>/dev/null", displayFD);
        std::string name = ":";
        for (char c; name.size() < 16 && read(displayFD, &c, 1) == 1 && c != '\n';)
            name += c;
        close(displayFD);
        setenv("DISPLAY", name.c_str(), 1);
        display = XOpenDisplay(nullptr);
        // A window that closed before it was read is a failed check, not the end of the program.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }

    static void TearDownTestSuite()
    {
        if (display)
            XCloseDisplay(std::exchange(display, nullptr));
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }

    void TearDown() override
    {
        if (HasFailure()) {
            const char* folder = std::getenv("TAVRO_ARTIFACT_DIR");
            std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
            std::replace(name.begin(), name.end(), '/', '-'); // "ShowsTheWholePhone/1"
            const std::string base = std::string(folder ? folder : "/tmp") + "/window-host-" + name;
            std::filesystem::create_directories(folder ? folder : "/tmp");
            std::ofstream(base + ".log") << m_log;
            std::ofstream(base + ".ppm", std::ios::binary) << m_picture;
        }
        if (m_host > 0) {
            kill(m_host, SIGKILL);
            waitpid(m_host, nullptr, 0);
        }
        close(m_output);
    }

    // Starts a host; a test may start one after another has exited.
    void start(const std::string& flags = "")
    {
        if (m_output >= 0)
            close(m_output);
        m_ended = false;
        m_host = spawn(std::string(WINDOW_HOST) + " --screen 375x667 --scale 2 --trace --output " + testing::TempDir() +
                           "window-host " + flags,
                       m_output);
        waitForIdle(nullptr);
        m_window = shell("xdotool search --sync --onlyvisible --pid " + std::to_string(m_host));
        m_window.resize(m_window.find('\n'));
        shell("xdotool windowfocus --sync " + m_window);
    }

    // The next line of the host's output, waiting at most `patience`; false at its end or timeout.
    bool nextLine(std::string& line, std::chrono::milliseconds patience = kPatience)
    {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        size_t end;
        while ((end = m_log.find('\n', m_read)) == std::string::npos) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd ready{m_output, POLLIN, 0};
            char chunk[65536];
            if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) != 1)
                return false;
            const ssize_t got = read(m_output, chunk, sizeof chunk);
            if (got <= 0)
                return !(m_ended = true);
            m_log.append(chunk, static_cast<size_t>(got));
        }
        line = m_log.substr(m_read, end - m_read);
        m_read = end + 1;
        return true;
    }

    // Reads up to the line starting with `prefix` and returns it.
    std::string waitForLine(const std::string& prefix)
    {
        for (std::string line; nextLine(line);)
            if (line.rfind(prefix, 0) == 0)
                return line;
        throw std::runtime_error("no line \"" + prefix + "...\" from the host");
    }

    // Waits for `count` inputs of `kind` (none: no input), then for the next idle frame, and takes
    // where the phone is and the views it lists.
    void waitForIdle(const char* kind, int count = 1)
    {
        for (int seen = 0; kind && seen < count; ++seen)
            waitForLine(std::string("input ") + kind + " ");
        std::istringstream idle(waitForLine("idle "));
        std::string word;
        idle >> word >> word >> word >> m_phone.x >> m_phone.y >> m_phone.width >> m_phone.height;
        m_views.clear();
        for (std::string line; m_log.compare(m_read, 5, "view ") == 0 && nextLine(line);) {
            size_t numbers = line.size();
            for (int i = 0; i < 4; ++i)
                numbers = line.rfind(' ', numbers - 1);
            Frame& frame = m_views[line.substr(5, numbers - 5)];
            std::istringstream(line.substr(numbers)) >> frame.x >> frame.y >> frame.width >> frame.height;
        }
    }

    // One xdotool command, then the idle frame after the last of its `count` inputs of `kind`.
    void act(const std::string& arguments, const char* kind, int count = 1)
    {
        shell("xdotool " + arguments);
        if (kind)
            waitForIdle(kind, count);
    }

    // The window's pixel (x, y).
    std::string at(double x, double y)
    {
        return "mousemove --window " + m_window + " " + std::to_string(int(x)) + " " + std::to_string(int(y));
    }

    void click(const std::string& name, const char* kind = "up")
    {
        require(m_views.count(name), name + " is not on screen");
        const Frame frame = m_views[name];
        act(at(frame.x + frame.width / 2, frame.y + frame.height / 2) + " click 1", kind);
    }

    // Drags the form up until `name` can be clicked, half the phone's height at a time.
    void dragUntilShown(const std::string& name)
    {
        const double x = m_phone.x + m_phone.width / 2, y = m_phone.y + m_phone.height * 0.75;
        const double step = m_phone.height / 8;
        for (int drags = 0; drags < 3 && !m_views.count(name); ++drags)
            act(at(x, y) + " mousedown 1 " + at(x, y - step) + " " + at(x, y - 2 * step) + " " + at(x, y - 4 * step) +
                    " mouseup 1",
                "up");
    }

    void type(const std::string& text) { act("type " + text, "text", static_cast<int>(text.size())); }

    // The QR code the window shows, from its pixels.
    std::string scanWindow()
    {
        const Window window = std::stoul(m_window);
        XWindowAttributes size;
        XImage* image = XGetWindowAttributes(display, window, &size)
                            ? XGetImage(display, window, 0, 0, size.width, size.height, AllPlanes, ZPixmap)
                            : nullptr;
        if (!image)
            return {};
        m_picture = "P6\n" + std::to_string(size.width) + " " + std::to_string(size.height) + "\n255\n";
        std::vector<std::uint8_t> luminance;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const char rgb[] = {char(pixel >> 16), char(pixel >> 8), char(pixel)};
                m_picture.append(rgb, 3);
                luminance.push_back(static_cast<std::uint8_t>(pixel >> 8));
            }
        XDestroyImage(image);
        return qr_test::scanLuminance(luminance, size.width, size.height).bytes;
    }

    int waitForExit()
    {
        for (std::string line; nextLine(line);) {
        }
        int status = -1;
        const bool exited = m_ended && waitpid(std::exchange(m_host, 0), &status, 0) > 0 && WIFEXITED(status);
        return exited ? WEXITSTATUS(status) : -1;
    }

    static inline pid_t xvfb = 0;
    static inline Display* display = nullptr;
    pid_t m_host = 0;
    int m_output = -1;
    bool m_ended = false; // the host closed its output
    std::string m_log;    // all the host wrote; lines before m_read are taken
    size_t m_read = 0;
    std::string m_window;
    Frame m_phone;         // the phone in the window
    std::string m_picture; // the window's last picture, as a PPM file
    std::map<std::string, Frame> m_views;
};

TEST_F(WindowHostTest, RequestTypedDraggedPastedUpdatedSavedAndBack)
{
    start();
    click("Payment_Details_Button");
    click("paymentAmountTextField");
    type("1250");
    dragUntilShown("paymentPurposeSwitch");
    click("paymentPurposeSwitch");
    click("paymentPurposeTextField");
    shell("sh -c 'printf T1 | xclip -selection clipboard -i >/dev/null 2>&1'");
    require(shell("xclip -selection clipboard -o") == "T1", "the clipboard does not hold T1");
    act("key ctrl+v", "key");
    click("Update_Payment_Details_Button");
    const std::string payload = scanWindow();
    EXPECT_NE(payload.find("540412.5"), std::string::npos) << payload;
    EXPECT_NE(payload.find("0802T1"), std::string::npos) << payload;

    click("Save_To_Gallery_Button");
    click("Save Image", nullptr);
    const std::string saved = waitForLine("saved ");
    waitForIdle(nullptr);
    const auto card = platform::UIImage::contentsOfFile(saved.substr(saved.find(' ') + 1));
    ASSERT_TRUE(card);
    EXPECT_EQ(qr_test::scan(*card).bytes, payload);
    click("Back_Button", nullptr);
    EXPECT_EQ(waitForExit(), 0);
}

// Hosts saving cards into one folder, one after another as a merchant's sessions do: each card a file
// of its own holding its host's payload, and none written over.
TEST_F(WindowHostTest, CardsSavedIntoOneFolderKeepEachOther)
{
    const std::string folder = testing::TempDir() + "window-host-cards-" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    std::map<std::string, std::string> cards; // each card's path and its bytes when saved
    for (const std::string city : {"Pune", "Mumbai", "Pune"}) {
        start("--city " + city + " --output " + folder);
        const std::string payload = scanWindow();
        click("Save_To_Gallery_Button");
        click("Save Image", nullptr);
        const std::string saved = waitForLine("saved ");
        const std::string path = saved.substr(saved.find(' ') + 1);
        EXPECT_FALSE(cards.count(path)) << path << " written over";
        const auto card = platform::UIImage::contentsOfFile(path);
        ASSERT_TRUE(card) << path;
        EXPECT_EQ(qr_test::scan(*card).bytes, payload) << path;
        for (const auto& [earlier, bytes] : cards)
            EXPECT_TRUE(contentsOf(earlier) == bytes) << earlier << " changed";
        cards[path] = contentsOf(path);
        kill(m_host, SIGTERM);
        EXPECT_EQ(waitForExit(), 0);
    }
    // An output that is a file, one of the cards: nothing saved, and why, and the card as it was.
    const std::string card = cards.begin()->first;
    start("--output " + card);
    click("Save_To_Gallery_Button");
    click("Save Image", nullptr);
    EXPECT_EQ(waitForLine("not saved "), "not saved " + card + ": Not a directory");
    EXPECT_TRUE(contentsOf(card) == cards[card]);
    std::filesystem::remove_all(folder);
}

// Forty cards from one host under an address-space limit all land, each a file of its own.
TEST_F(WindowHostTest, FortyCardsUnderAnAddressSpaceLimit)
{
    const std::string folder = testing::TempDir() + "window-host-forty-" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    start("--output " + folder);
    shell("prlimit --as=614400000 --pid " + std::to_string(m_host)); // ulimit -v 600000
    for (int save = 1; save <= 40; ++save) {
        click("Save_To_Gallery_Button");
        click("Save Image", nullptr);
        ASSERT_EQ(waitForLine("saved "), "saved " + folder + "/share-card-" + std::to_string(save) + ".png");
        waitForIdle(nullptr);
    }
    using std::filesystem::directory_iterator;
    EXPECT_EQ(std::distance(directory_iterator(folder), directory_iterator()), 40); // no temporary left
    kill(m_host, SIGTERM);
    EXPECT_EQ(waitForExit(), 0);
    std::filesystem::remove_all(folder);
}

// Off X11 (SDL's dummy driver, no window to drive), idle for 20 s, the host sleeps, and SIGTERM ends it.
TEST_F(WindowHostTest, IdleOffX11SleepsAndEndsBySigterm)
{
    m_host = spawn(std::string("env SDL_VIDEODRIVER=dummy ") + WINDOW_HOST + " --trace", m_output);
    const auto cpuSeconds = [this] { // its user and system time, the 14th and 15th fields
        std::istringstream stat(contentsOf("/proc/" + std::to_string(m_host) + "/stat"));
        const std::vector<std::string> fields{std::istream_iterator<std::string>(stat), {}};
        return (std::stod(fields.at(13)) + std::stod(fields.at(14))) / sysconf(_SC_CLK_TCK);
    };
    waitForIdle(nullptr);
    const double before = cpuSeconds();
    std::string line;
    EXPECT_FALSE(nextLine(line, std::chrono::seconds(20))) << line;
    EXPECT_LT(cpuSeconds() - before, 0.5);
    kill(m_host, SIGTERM);
    EXPECT_EQ(waitForExit(), 0);
}

// The whole phone in any window (a fresh host for each size): its QR scans and its controls take
// clicks where the trace says.
class ResizedWindowTest : public WindowHostTest, public testing::WithParamInterface<const char*> {};
// 800 × 446 and 1280 × 1001: sizes where a phone's width at the fit's scale came out a hair over the
// window's.
INSTANTIATE_TEST_SUITE_P(Sizes, ResizedWindowTest, testing::Values("1280 500", "300 1200", "800 446", "1280 1001"));

TEST_P(ResizedWindowTest, ShowsTheWholePhone)
{
    start();
    act("windowmove --sync " + m_window + " 0 0", nullptr); // all of it on the display
    act("windowsize " + m_window + " " + GetParam(), "resize");
    EXPECT_EQ(scanWindow(), kDefaultPayload);
    click("Payment_Details_Button");
    EXPECT_TRUE(m_views.count("Update_Payment_Details_Button"));
    if (GetParam() == std::string("300 1200")) {
        dragUntilShown("paymentPurposeSwitch");
        click("paymentPurposeSwitch");
        EXPECT_TRUE(m_views.count("paymentPurposeTextField"));
    }
    kill(m_host, SIGTERM);
    EXPECT_EQ(waitForExit(), 0);
}

// A display smaller than the phone at its scale: the first window fits it and takes clicks.
class SmallDisplayTest : public WindowHostTest {
protected:
    static void SetUpTestSuite() { startDisplay("1366x768"); }
};

TEST_F(SmallDisplayTest, FirstWindowFitsAndTakesClicks)
{
    start();
    Frame window;
    std::string id;
    std::istringstream(shell("xdotool getwindowgeometry --shell " + m_window + " | cut -d= -f2")) >> id >> window.x >>
        window.y >> window.width >> window.height;
    EXPECT_TRUE(inside(window, {0, 0, 1366, 768})) << window;
    EXPECT_TRUE(inside(m_views["Payment_Details_Button"], {0, 0, window.width, window.height}))
        << m_views["Payment_Details_Button"];
    click("Payment_Details_Button");
    EXPECT_TRUE(m_views.count("Update_Payment_Details_Button"));
}

// Under a window manager (openbox), which frames the window and closes it on Alt+F4.
class WindowManagerTest : public WindowHostTest {
protected:
    static void SetUpTestSuite()
    {
        startDisplay("1366x768");
        // With its packaged settings (Alt+F4 closes), not a user's; it runs the start-up command once it
        // manages the display.
        manager = spawn("env XDG_CONFIG_HOME=/nonexistent openbox --startup 'echo ready'", managerOutput);
        std::string line;
        for (char c; line != "ready" && read(managerOutput, &c, 1) == 1;)
            line = c == '\n' ? "" : line + c;
    }

    static void TearDownTestSuite()
    {
        kill(manager, SIGTERM);
        waitpid(manager, nullptr, 0);
        close(managerOutput);
        WindowHostTest::TearDownTestSuite();
    }

    static inline pid_t manager = 0;
    static inline int managerOutput = -1;
};

TEST_F(WindowManagerTest, FirstWindowFitsWithItsFrame)
{
    start();
    // xwininfo: the window's place and size on the display, then its frame's extents (left, right,
    // top, bottom).
    Frame window;
    double left = 0, right = 0, top = 0, bottom = 0;
    std::istringstream(shell("xwininfo -stats -wm -id " + m_window +
                             " | awk -F: '/Absolute upper-left [XY]|Width|Height/ { printf \"%s \", $2 }"
                             " /Frame extents/ { gsub(\",\", \"\", $2); print $2 }'")) >>
        window.x >> window.y >> window.width >> window.height >> left >> right >> top >> bottom;
    const Frame framed{window.x - left, window.y - top, window.width + left + right, window.height + top + bottom};
    EXPECT_GT(top, 0) << "no frame";
    EXPECT_TRUE(inside(framed, {0, 0, 1366, 768})) << framed;
    EXPECT_TRUE(inside(m_phone, {0, 0, window.width, window.height})) << m_phone;
}

// The click that focuses the window acts: on the share button, it opens the sheet.
TEST_F(WindowManagerTest, ClickOnAnUnfocusedWindowActs)
{
    start();
    const Window other = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 50, 50, 0, 0, 0);
    XMapWindow(display, other);
    XSync(display, False);
    shell("xdotool windowactivate --sync " + std::to_string(other));
    click("Save_To_Gallery_Button");
    EXPECT_TRUE(m_views.count("Save Image"));
    XDestroyWindow(display, other);
    XFlush(display);
}

// Closing the window ends the host cleanly, also with every processor busy beside it.
TEST_F(WindowManagerTest, ClosedByAltF4UnderLoad)
{
    std::vector<std::jthread> load(std::max(1u, std::thread::hardware_concurrency()));
    for (auto& busy : load)
        busy = std::jthread([](std::stop_token stop) {
            while (!stop.stop_requested()) {
            }
        });
    const std::string errors = testing::TempDir() + "window-host-stderr-" + std::to_string(getpid());
    for (int close = 1; close <= 30; ++close) {
        start("2>" + errors);
        // Alt+F4 closes the window the manager has made active; a key the loaded manager missed is
        // pressed again, as a person would.
        for (int press = 1; press <= 3 && !m_ended; ++press) {
            shell("xdotool windowactivate --sync " + m_window + " key alt+F4 || true"); // gone meanwhile: fine
            for (std::string line; nextLine(line, std::chrono::seconds(5));) {
            }
        }
        ASSERT_TRUE(m_ended) << "close " << close << ": the window stayed after three Alt+F4";
        ASSERT_EQ(waitForExit(), 0) << "close " << close << ": " << contentsOf(errors);
        ASSERT_EQ(contentsOf(errors), "") << "close " << close;
    }
    std::filesystem::remove(errors);
}

TEST_F(WindowHostTest, RefundTypedPaidAndContinued)
{
    start("--refund");
    click("paymentAmountTextField");
    act("key --repeat 8 --delay 0 BackSpace", "key", 8);
    type("1250");
    act("key Return", "key");
    click("PAY_BUTTON");
    click("Continue", nullptr);
    EXPECT_EQ(waitForLine("result refund "), "result refund ok 12.50");
    EXPECT_EQ(waitForExit(), 0);
}

} // namespace
