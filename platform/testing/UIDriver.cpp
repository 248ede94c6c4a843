// The driver's set-up, look-ups, time and pictures.
#include "platform/testing/UIDriver.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/render/PNGOutput.h"
#include "platform/render/Renderer.h"
#include "platform/testing/ViewQuery.h"
#include "platform/testing/ViewTreeDump.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

#include <cstdlib>
#include <filesystem>

namespace platform {

UIDriver::UIDriver(UIViewPtr root) : m_root(std::move(root)) {}

UIDriver::~UIDriver() = default;

std::vector<UIViewPtr> UIDriver::searchRoots() const
{
    if (m_root) {
        return {m_root};
    }
    std::vector<UIViewPtr> roots;
    auto windows = UIApplication::shared()->windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!(*it)->isHidden()) {
            roots.push_back(*it);
        }
    }
    return roots;
}

std::string UIDriver::describeScreen() const
{
    std::string text;
    for (const auto& root : searchRoots())
        text += describeViewTree(root);
    return text + RunLoop::main().describePendingWork();
}

UIViewPtr UIDriver::frontRoot() const
{
    auto roots = searchRoots();
    return roots.empty() ? nullptr : roots.front();
}

UIViewPtr UIDriver::find(std::string_view identifier) const
{
    for (const auto& root : searchRoots()) {
        if (auto found = findViewByIdentifier(root, identifier)) {
            return found;
        }
    }
    return nullptr;
}

UIViewPtr UIDriver::findText(std::string_view text) const
{
    for (const auto& root : searchRoots()) {
        if (auto found = findViewByText(root, text)) {
            return found;
        }
    }
    return nullptr;
}

std::optional<std::string> UIDriver::textOf(const UIView& view)
{
    return visibleText(view);
}

void UIDriver::runUntilIdle()
{
    m_environment.runUntilIdle();
}

void UIDriver::advanceBy(double seconds)
{
    m_environment.advanceBy(seconds);
}

UIImagePtr UIDriver::render(const UIViewPtr& view) const
{
    return Renderer::renderView(view);
}

UIImagePtr UIDriver::renderScreen() const
{
    return Renderer::renderScreen();
}

std::string UIDriver::artifactDirectory()
{
    const char* configured = std::getenv("TAVRO_ARTIFACT_DIR");
    if (configured && *configured) {
        return configured;
    }
    std::error_code ignored;
    return (std::filesystem::temp_directory_path(ignored) / "tavro-artifacts").string();
}

std::string UIDriver::artifactPath(std::string_view name)
{
    std::string file(name);
    if (file.size() < 4 || file.compare(file.size() - 4, 4, ".png") != 0) {
        file += ".png";
    }
    return (std::filesystem::path(artifactDirectory()) / file).string();
}

std::optional<std::string> UIDriver::writePNG(const UIViewPtr& view, std::string_view name) const
{
    std::string path = artifactPath(name);
    if (!Renderer::writePNG(view, path)) {
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> UIDriver::writeScreenPNG(std::string_view name) const
{
    std::string path = artifactPath(name);
    if (!Renderer::writeScreenPNG(path)) {
        return std::nullopt;
    }
    return path;
}

} // namespace platform
