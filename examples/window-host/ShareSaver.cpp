#include "ShareSaver.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIActivityViewController.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

using platform::UIActivityViewController;

namespace {

// Writes all of `bytes` to `file` and to its disk, so a name linked to it afterwards never shows
// less, not even after a crash; false with errno set.
bool writeAll(int file, const std::string& bytes)
{
    for (size_t written = 0; written < bytes.size();) {
        const ssize_t n = write(file, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR)
            return false;
        written += n > 0 ? static_cast<size_t>(n) : 0;
    }
    return fsync(file) == 0;
}

// Names the file `temporary` of `folder`, open as `file`, share-card-<n>.png with the lowest n the
// folder has no entry for (a file, a link, a folder); the name, or "" with errno set.
std::string linkAsCard(int folder, const std::string& temporary, int file)
{
    for (int number = 1; number < INT_MAX; ++number) {
        const std::string name = "share-card-" + std::to_string(number) + ".png";
        if (linkat(folder, temporary.c_str(), folder, name.c_str(), 0) == 0)
            return name;
        // Over NFS a link made may be reported as failed: the file then has a second name.
        const int reason = errno;
        struct stat linked {};
        if (fstat(file, &linked) == 0 && linked.st_nlink > 1)
            return name;
        if ((errno = reason) != EEXIST)
            break;
    }
    return {};
}

// Writes `png` into `directory` as its next card; the card's name, or "" with the reason in `error`.
std::string saveCard(const std::string& directory, const std::string& png, int& error)
{
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    const int folder = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        error = errno;
        return {};
    }
    // A name of its own: the process's id and a count, past any that a writer killed here left.
    std::string temporary, name;
    int file = -1;
    for (unsigned count = 0; file < 0 && (count == 0 || errno == EEXIST); ++count) {
        temporary = ".share-card-" + std::to_string(getpid()) + "-" + std::to_string(count) + ".tmp";
        file = openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    if (file >= 0 && writeAll(file, png))
        name = linkAsCard(folder, temporary, file);
    error = errno;
    if (file >= 0) {
        close(file);
        unlinkat(folder, temporary.c_str(), 0);
    }
    close(folder);
    return name;
}

} // namespace

ShareSaver::ShareSaver(std::string outputDirectory)
    : m_outputDirectory(std::move(outputDirectory)), m_writer([this](std::stop_token stop) { writeCards(stop); })
{
    UIActivityViewController::setHostActivityHandler(
        [this](const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items) {
            return share(type, items);
        });
}

ShareSaver::~ShareSaver()
{
    UIActivityViewController::setHostActivityHandler({});
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
    {
        std::lock_guard lock(m_mutex);
        m_cards.push_back(std::move(image));
    }
    m_queued.notify_one();
    return true;
}

void ShareSaver::writeCards(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    // Once stopped, on until every card asked for is written.
    while (m_queued.wait(lock, stop, [this] { return !m_cards.empty(); })) {
        const platform::UIImagePtr image = std::move(m_cards.front());
        m_cards.pop_front();
        lock.unlock();
        // Encoded before any file is made, so none waits empty meanwhile.
        const auto png = image->pngData();
        int error = EINVAL; // no picture to encode
        const std::string name = png ? saveCard(m_outputDirectory, *png, error) : "";
        const std::string line = name.empty() ? "not saved " + m_outputDirectory + ": " + std::strerror(error)
                                              : "saved " + m_outputDirectory + "/" + name;
        platform::RunLoop::main().enqueue([line] { std::printf("%s\n", line.c_str()); });
        lock.lock();
    }
}
