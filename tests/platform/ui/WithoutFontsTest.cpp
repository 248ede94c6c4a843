// With no usable font (the font folder unreadable, no fonts installed) text has no glyphs, yet labels
// keep their lines' height, buttons and alert actions a size to tap, and text layout says why once.
// Fonts are looked up once per process, so the checks run in a child process started with a font
// configuration that lists no fonts.
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
#include <string>

#include <unistd.h>

using namespace platform;
using namespace platform::testsupport;

namespace {

// Each failed check is written to standard error, where the parent shows it.
bool check(bool passed, const char* what)
{
    if (!passed) {
        std::fprintf(stderr, "failed: %s\n", what);
    }
    return passed;
}

bool checkWithoutFonts()
{
    DebugLogCapture log;
    TestEnvironment environment;
    bool passed = check(!textLayoutHasFont(), "text layout finds no font");
    textLayoutHasFont();
    passed &= check(log.lines().size() == 1 && log.contains("no usable font"), "one debug line says so");

    // A line keeps the font's height; there is nothing to give it a width.
    auto label = NSObject::create<UILabel>();
    label->setText("Refund INR 25.00");
    const CGFloat lineHeight = UIFont::systemFont(17)->lineHeight();
    passed &= check(lineHeight > 17 && lineHeight < 25, "a font has a nominal line height");
    passed &= check(label->intrinsicContentSize() == CGSize{0, std::ceil(lineHeight)}, "a label is one line high");
    label->setNumberOfLines(0);
    label->setText("Card holder\nJane Doe\nKora ...1234");
    passed &= check(label->sizeThatFits({200, 1e6}).height == std::ceil(3 * lineHeight), "three paragraphs, three lines");

    // A titled button keeps a square of its title's line.
    auto button = UIButton::button(UIButtonType::system);
    button->setTitle(std::string("Continue"), UIControlState::normal);
    const CGFloat titleLine = std::ceil(button->titleLabel()->font()->lineHeight());
    passed &= check(button->intrinsicContentSize() == CGSize{titleLine, titleLine}, "a button keeps a size");

    // An alert's actions keep their place and size, and the one tapped confirms.
    auto presenter = NSObject::create<UIViewController>();
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(presenter);
    window->makeKeyAndVisible();
    environment.runUntilIdle();
    auto alert = UIAlertController::create(std::string("Confirm refund"), std::string("Refund Jane Doe INR 25.00?"),
                                           UIAlertControllerStyle::alert);
    bool confirmed = false;
    alert->addAction(UIAlertAction::create(std::string("Cancel"), UIAlertActionStyle::default_));
    alert->addAction(UIAlertAction::create(std::string("Continue"), UIAlertActionStyle::default_,
                                           [&confirmed](UIAlertAction&) { confirmed = true; }));
    presenter->present(alert, false);
    environment.runUntilIdle();
    for (const char* name : {"Cancel", "Continue"}) {
        auto action = alert->buttonForAction(name);
        const CGRect frame = action ? action->convert(action->bounds(), nullptr) : CGRect();
        passed &= check(frame.width() == UIAlertController::alertWidth / 2 &&
                            frame.height() == UIAlertController::buttonHeight && window->bounds().contains(frame),
                        "an action keeps its size on screen");
    }
    tapView(alert->buttonForAction("Continue"));
    environment.advanceBy(0.3);
    passed &= check(confirmed, "tapping Continue confirms");
    passed &= check(log.lines().size() == 1, "nothing else is logged");
    return passed;
}

// An empty font configuration in a fresh temporary directory; in the child, the parent's.
std::string emptyFontConfiguration()
{
    if (const char* inherited = std::getenv("FONTCONFIG_FILE");
        inherited && std::string(inherited).find("/no-fonts-") != std::string::npos) {
        return inherited;
    }
    char folder[] = "/tmp/no-fonts-XXXXXX";
    if (!::mkdtemp(folder)) {
        return {};
    }
    const std::string path = std::string(folder) + "/fonts.conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                        << "<fontconfig><cachedir>" << folder << "</cachedir></fontconfig>\n";
    return path;
}

} // namespace

TEST(WithoutFonts, TextHasNoGlyphsButEveryControlKeepsASizeAndOneLineSaysWhy)
{
    const std::string configuration = emptyFontConfiguration();
    ASSERT_FALSE(configuration.empty());
    const char* previous = std::getenv("FONTCONFIG_FILE");
    const std::string kept = previous ? previous : "";
    ::setenv("FONTCONFIG_FILE", configuration.c_str(), 1);
    // A child started afresh (not forked from this process, whose fonts are loaded) inherits the setting.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(::_exit(checkWithoutFonts() ? 0 : 1), ::testing::ExitedWithCode(0), "");
    GTEST_FLAG_SET(death_test_style, style);
    if (previous) {
        ::setenv("FONTCONFIG_FILE", kept.c_str(), 1);
    } else {
        ::unsetenv("FONTCONFIG_FILE");
    }
    std::filesystem::remove_all(std::filesystem::path(configuration).parent_path());
}
