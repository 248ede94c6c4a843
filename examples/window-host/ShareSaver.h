#pragma once
// The host's side of the share sheet: "Save Image" writes the card as a PNG into the output folder
// on a worker thread, which hands "saved <path>" back to the main thread through the run loop; the
// other activities are only printed ("share <type>") and report that nothing was shared. A card is
// share-card-<n>.png with the lowest n no file in the folder has, the file created exclusively, so no
// card is written over, by this host or another one saving into the same folder.

#include "platform/ui/UIActivity.h"

#include <string>
#include <thread>
#include <vector>

class ShareSaver {
public:
    // Installs the process-wide share handler.
    explicit ShareSaver(std::string outputDirectory);
    // Removes the handler and waits for the writes under way.
    ~ShareSaver();
    ShareSaver(const ShareSaver&) = delete;
    ShareSaver& operator=(const ShareSaver&) = delete;

private:
    bool share(const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items);

    std::string m_outputDirectory;
    std::vector<std::thread> m_writers;
};
