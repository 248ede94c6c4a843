// With no usable font (font folder unreadable, no fonts installed) text has no glyphs, yet lines keep
// their height, buttons and alert actions a size to tap, and one debug line says why. Fonts are looked
// up once per process, so the checks run in a child started with a configuration that lists no fonts.
#include "ControllerTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/TextLayout.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace platform;
using namespace platform::testsupport;

namespace {

// Runs in the child; each failed check goes to standard error, which the parent shows.
bool checkWithoutFonts()
{
    bool passed = true;
    auto check = [&passed](bool ok, const char* what) {
        passed = passed && ok;
        if (!ok)
            std::fprintf(stderr, "failed: %s\n", what);
    };
    DebugLogCapture log;
    TestEnvironment environment;
    check(!textLayoutHasFont() && !textLayoutHasFont(), "no font found");
    check(log.lines().size() == 1 && log.contains("no usable font"), "one debug line says so");

    auto label = NSObject::create<UILabel>();
    label->setNumberOfLines(0);
    label->setText("Jane Doe\nKora ...1234");
    const CGFloat line = UIFont::systemFont(17)->lineHeight();
    check(line > 17 && line < 25, "a font has a nominal line height");
    check(label->intrinsicContentSize() == CGSize{0, std::ceil(2 * line)}, "two paragraphs, two empty lines");

    auto button = UIButton::button(UIButtonType::system);
    button->setTitle(std::string("Continue"), UIControlState::normal);
    const CGFloat titleLine = std::ceil(button->titleLabel()->font()->lineHeight());
    check(button->intrinsicContentSize() == CGSize{titleLine, titleLine}, "a button keeps a square of its line");

    // An alert's actions keep their place and size, and tapping Continue confirms.
    auto presenter = NSObject::create<UIViewController>();
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(presenter);
    window->makeKeyAndVisible();
    auto alert = UIAlertController::create(std::string("Confirm"), std::string("Refund?"), UIAlertControllerStyle::alert);
    bool confirmed = false;
    alert->addAction(UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::default_));
    alert->addAction(UIAlertAction::create(std::string("Continue"), UIAlertActionStyle::default_,
                                           [&confirmed](UIAlertAction&) { confirmed = true; }));
    presenter->present(alert, false);
    environment.runUntilIdle();
    auto action = alert->buttonForAction("Continue");
    const CGRect frame = action ? action->convert(action->bounds(), nullptr) : CGRect();
    check(frame.size == CGSize{UIAlertController::alertWidth / 2, UIAlertController::buttonHeight} &&
              window->bounds().contains(frame),
          "an action keeps its size on screen");
    tapView(action);
    environment.advanceBy(0.3);
    check(confirmed && log.lines().size() == 1, "tapping Continue confirms");
    return passed;
}

// An empty font configuration in a fresh temporary folder; in the child, the one it inherited.
std::string emptyFontConfiguration()
{
    const char* inherited = std::getenv("FONTCONFIG_FILE");
    if (inherited && std::string(inherited).find("/no-fonts-") != std::string::npos)
        return inherited;
    char folder[] = "/tmp/no-fonts-XXXXXX";
    if (!::mkdtemp(folder))
        return {};
    const std::string path = std::string(folder) + "/fonts.conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" << folder << "</cachedir></fontconfig>\n";
    return path;
}

} // namespace

TEST(WithoutFonts, TextHasNoGlyphsButControlsKeepASizeAndOneLineSaysWhy)
{
    const std::string configuration = emptyFontConfiguration();
    ASSERT_FALSE(configuration.empty());
    const char* previous = std::getenv("FONTCONFIG_FILE");
    const std::string kept = previous ? previous : "";
    ::setenv("FONTCONFIG_FILE", configuration.c_str(), 1);
    // A child started afresh, not forked from this process whose fonts are loaded, inherits the setting.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(::_exit(checkWithoutFonts() ? 0 : 1), ::testing::ExitedWithCode(0), "");
    GTEST_FLAG_SET(death_test_style, style);
    previous ? ::setenv("FONTCONFIG_FILE", kept.c_str(), 1) : ::unsetenv("FONTCONFIG_FILE");
    std::filesystem::remove_all(std::filesystem::path(configuration).parent_path());
}
