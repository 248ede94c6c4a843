#include "ShareSaver.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIActivityViewController.h"

#include <cstdio>
#include <filesystem>

using platform::UIActivityViewController;

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
    std::error_code ignored;
    std::filesystem::create_directories(m_outputDirectory, ignored);
    const std::string path = m_outputDirectory + "/share-card-" + std::to_string(++m_saved) + ".png";
    // The image draws its bitmap once, on first use: here, so the writer only reads it.
    image->renderedBitmap();
    m_writers.emplace_back([image, path] {
        const std::string line = (image->writePNG(path) ? "saved " : "not saved ") + path;
        platform::RunLoop::main().enqueue([line] { std::printf("%s\n", line.c_str()); });
    });
    return true;
}
