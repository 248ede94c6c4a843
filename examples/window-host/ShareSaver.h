#pragma once
// The host's side of the share sheet: "Save Image" writes the card as a PNG into the output folder
// on the saver's one writer thread, which hands "saved <path>" or "not saved <folder>: <reason>" back
// to the main thread through the run loop; the other activities are only printed ("share <type>")
// and report that nothing was shared. A card is encoded, written into a temporary file of its own in
// the folder and then linked as share-card-<n>.png with the lowest n the folder has no entry for: a
// link never replaces a name, so no card is written over, by this host or another one saving into
// the same folder, none is seen empty or part-written, and nothing is written through a link.

#include "platform/ui/UIActivity.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ShareSaver {
public:
    // Installs the process-wide share handler.
    explicit ShareSaver(std::string outputDirectory);
    // Removes the handler and waits for the cards asked for to be written.
    ~ShareSaver();
    ShareSaver(const ShareSaver&) = delete;
    ShareSaver& operator=(const ShareSaver&) = delete;

private:
    bool share(const platform::UIActivityType& type, const std::vector<platform::UIActivityItem>& items);
    void writeCards(std::stop_token stop);

    std::string m_outputDirectory;
    std::mutex m_mutex;
    std::condition_variable_any m_queued;
    std::deque<platform::UIImagePtr> m_cards; // to write, under m_mutex
    std::jthread m_writer;                    // last: stopped and joined before the rest goes
};
