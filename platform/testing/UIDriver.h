#pragma once
// UIDriver: uses the UI the way a person would, for tests and the sample host: finds views by
// accessibility identifier or by the text on them, taps them (through hit testing, so hidden,
// covered and interaction-off views are not reached and disabled controls do nothing), types into
// the focused text field key by key, presses return or the keyboard's Done, waits on the manual
// clock, and renders what is on screen to PNG files.
//
// A driver owns a TestEnvironment (manual clock, 375 x 667 screen at scale 2, clean run loop); make
// one per test. After every action the run loop runs until idle, as the application would process
// the events before the next touch.
//
// Where views are looked for: under the root given to the constructor or setRoot(); without one,
// in every visible window of the application, front to back.
#include "platform/foundation/ManualClock.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/UIImage.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/ui/IndexPath.h"
#include "platform/ui/UIView.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class UITextField;
class UISwitch;
class UITableView;
class UIAlertController;
class UIActivityViewController;
class UIViewController;
class UIWindow;

class UIDriver {
public:
    explicit UIDriver(UIViewPtr root = nullptr);
    ~UIDriver();
    UIDriver(const UIDriver&) = delete;
    UIDriver& operator=(const UIDriver&) = delete;

    TestEnvironment& environment() { return m_environment; }
    const std::shared_ptr<ManualClock>& clock() const { return m_environment.clock(); }

    // --- where to look ---
    void setRoot(UIViewPtr root) { m_root = std::move(root); }
    const UIViewPtr& root() const { return m_root; }
    // The roots searched, front to back: the root, or every visible window.
    std::vector<UIViewPtr> searchRoots() const;

    // --- finding ---
    // The view with that accessibility identifier (hidden ones included); null when there is none.
    UIViewPtr find(std::string_view identifier) const;
    template <class T>
    std::shared_ptr<T> find(std::string_view identifier) const
    {
        return std::dynamic_pointer_cast<T>(find(identifier));
    }
    // The first visible view showing `text` (a label's text, a button's title, a text field's text or
    // placeholder), else the first visible one with that accessibility label.
    UIViewPtr findText(std::string_view text) const;
    // The text `view` shows (see findText); none for views without text.
    static std::optional<std::string> textOf(const UIView& view);
    // What the screen holds as text: the view tree of every search root, front first (see
    // describeViewTree), then the run loop's pending work. For SCOPED_TRACE in layout tests.
    std::string describeScreen() const;

    // --- touches ---
    // Taps the middle of the visible part of `view`. False, with one debug line and no touch, when
    // the view is null, under none of the search roots or not visible (hidden or transparent, itself
    // or an ancestor; clipped away); otherwise the finger goes down and up there and the result tells
    // whether the touch reached the view (the hit view is it or inside it). A disabled control is
    // reached but does nothing.
    bool tap(const UIViewPtr& view);
    // Taps the view found by identifier; false (with a debug line) when there is none.
    bool tap(std::string_view identifier);
    // Taps the view found by text; false (with a debug line) when there is none.
    bool tapText(std::string_view text);
    // Taps `point` of the root's space (the front window's without a root); returns the hit view.
    UIViewPtr tapAt(CGPoint point);
    // A finger goes down where tap(view) would tap, moves by `by` (points) in ten equal moves and
    // lifts; then the run loop runs until idle. False, as tap() is, when the view cannot be touched;
    // otherwise whether the touch went down on the view.
    bool drag(const UIViewPtr& view, CGPoint by);
    // Taps a switch; true when its value flipped.
    bool toggleSwitch(const UIViewPtr& view);
    bool toggleSwitch(std::string_view identifier);

    // --- keyboard (the first responder text field) ---
    // The text field that is first responder, if any.
    std::shared_ptr<UITextField> focusedTextField() const;
    // Focuses `field` by tapping it; true when it is editing afterwards.
    bool focus(const UIViewPtr& field);
    // Types `text` one character per key press; returns how many keys changed the text. Zero, with a
    // debug line, when no text field is focused.
    std::size_t type(std::string_view text);
    // Taps the field found by identifier and types into it.
    std::size_t typeInto(std::string_view identifier, std::string_view text);
    // Presses backspace `count` times; returns how many presses changed the text.
    std::size_t backspace(std::size_t count = 1);
    // Pastes `text` as one edit; true when the text changed.
    bool paste(std::string_view text);
    // The return key; true when the field took it (false when its keyboard has none).
    bool pressReturn();
    // The Done button of the focused field's keyboard toolbar (its input accessory view), tapped;
    // when the toolbar has none and the return key is a Done key, the return key. False with a
    // debug line when there is no Done to press.
    bool pressDone();

    // --- tables, alerts, sheets, screens ---
    // Taps the row's cell, scrolling it into view first; false when the row does not exist.
    bool tapRow(const std::shared_ptr<UITableView>& table, IndexPath indexPath);
    // The front window: the root's window when there is a root (none if it is in no window), else
    // the key window, else the frontmost visible window.
    std::shared_ptr<UIWindow> frontWindow() const;
    // The alert presented on the front window, if one is showing (and not going away).
    std::shared_ptr<UIAlertController> presentedAlert() const;
    // Taps the button of the showing alert's action whose title (or accessibility label) is `title`,
    // then moves the clock from timer to timer until the alert has gone (its handler has run then).
    // True only when the action was performed: false when no alert shows, it has no such action, or
    // the alert took the tap without performing it (a disabled action, an alert taken down as the
    // finger went down).
    bool tapAlertAction(std::string_view title);
    // The share sheet presented on the front window, if one is showing.
    std::shared_ptr<UIActivityViewController> presentedShareSheet() const;
    // Taps the showing share sheet's Cancel and lets it go away (the clock moves as for alerts); its
    // completion runs with no activity. False when no sheet shows.
    bool cancelShareSheet();
    // "Saves" the showing share sheet's image item to `path` as PNG (parent directories made), as
    // saving to the photo library would, and lets the sheet go away. False when no sheet shows, it
    // has no image item or the file cannot be written.
    bool saveShareSheetImage(const std::string& path);
    // The screen a person sees: in the front window, the root controller, then what it presents, the
    // top of a navigation stack, and so on up; alerts and share sheets float over the screen and are
    // not screens. None without a window.
    std::shared_ptr<UIViewController> currentScreen() const;

    // --- time ---
    void runUntilIdle();
    // Moves the manual clock forward, firing timers and animations on the way.
    void advanceBy(double seconds);

    // --- pictures ---
    // The view at the screen's scale (after a layout pass).
    UIImagePtr render(const UIViewPtr& view) const;
    // The whole screen: every visible window, back to front.
    UIImagePtr renderScreen() const;
    // Writes the view (the screen) as `name` in the artifact directory (".png" added when missing);
    // returns the file's path, none when nothing could be written.
    std::optional<std::string> writePNG(const UIViewPtr& view, std::string_view name) const;
    std::optional<std::string> writeScreenPNG(std::string_view name) const;
    // TAVRO_ARTIFACT_DIR, else "tavro-artifacts" in the temp directory.
    static std::string artifactDirectory();
    static std::string artifactPath(std::string_view name);

private:
    UIViewPtr frontRoot() const;
    // The middle of the visible part of `view` in its topmost ancestor's space, that ancestor laid out
    // first; none (with a debug line naming `action`) when the view cannot be touched.
    std::optional<CGPoint> touchPoint(const UIViewPtr& view, const char* action);
    std::shared_ptr<UITextField> requireFocusedField(const char* operation) const;

    TestEnvironment m_environment;
    UIViewPtr m_root;
};

} // namespace platform
