#include "ShareSaver.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIActivityViewController.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <optional>

using platform::UIActivityViewController;

namespace {

// Creates the first share-card-<n>.png that `directory` does not hold, empty, so that no other saver
// takes its name; its path, or nothing when none could be created.
std::optional<std::string> claimCardName(const std::string& directory)
{
    for (int number = 1; number < INT_MAX; ++number) {
        std::string path = directory + "/share-card-" + std::to_string(number) + ".png";
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (file >= 0) {
            close(file);
            return path;
        }
        if (errno != EEXIST)
            break;
    }
    return std::nullopt;
}

} // namespace

ShareSaver::ShareSaver(std::string outputDirectory) : m_outputDirectory(std::move(outputDirectory))
{
    UIActivityViewController::setHostActivityHandler(
        [this](const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items) {
            return share(type, items);
        });
}

ShareSaver::~ShareSaver()
{
    UIActivityViewController::setHostActivityHandler({});
    for (auto& writer : m_writers)
        writer.join();
}

bool ShareSaver::share(const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items)
{
    platform::UIImagePtr image;
    for (auto item = items.begin(); !image && item != items.end(); ++item)
        image = item->imageValue();
    if (type != platform::UIActivityTypeSaveToCameraRoll || !image) {
        std::printf("share %s\n", type.c_str());
        return false;
    }
    // The image draws its bitmap once, on first use: here, so the writer only reads it.
    image->renderedBitmap();
    m_writers.emplace_back([image, directory = m_outputDirectory] {
        std::error_code ignored;
        std::filesystem::create_directories(directory, ignored);
        const auto path = claimCardName(directory);
        const bool saved = path && image->writePNG(*path);
        if (path && !saved)
            unlink(path->c_str()); // no empty or partial card stays
        const std::string line = (saved ? "saved " : "not saved ") + path.value_or(directory);
        platform::RunLoop::main().enqueue([line] { std::printf("%s\n", line.c_str()); });
    });
    return true;
}
