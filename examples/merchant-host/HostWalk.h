#pragma once
// What the sample host needs while it walks a flow as a merchant would: the UI driver, numbered
// pictures of what is on screen, and a tally of the steps that did not behave.

#include "platform/testing/UIDriver.h"
#include "platform/ui/UIActivity.h"

#include <string>
#include <vector>

class HostWalk {
public:
    HostWalk(platform::UIDriver& driver, std::string outputDirectory)
        : m_driver(driver), m_outputDirectory(std::move(outputDirectory))
    {
    }

    platform::UIDriver& driver() { return m_driver; }

    // Writes the front window (the framework's, with any alert or sheet over it) as
    // "<NN>-<name>.png" in the output folder and prints its path.
    void picture(const std::string& name);
    // Prints "<label> : <detail>"; a step that failed is marked and counted.
    void report(const char* label, const std::string& detail, bool ok = true);
    // The path of the next numbered file called `name` (without extension).
    std::string nextPath(const std::string& name, const char* extension);
    // What the host does when a person chooses "Save Image" on a share sheet: writes the first
    // image item as the next "share-card" PNG and reports it. True when it was written.
    bool saveSharedImage(const std::vector<platform::UIActivityItem>& items);
    int sharedImagesSaved() const { return m_sharedImagesSaved; }

    bool allWell() const { return m_failures == 0; }

private:
    platform::UIDriver& m_driver;
    std::string m_outputDirectory;
    int m_pictures = 0;
    int m_failures = 0;
    int m_sharedImagesSaved = 0;
};

// The two walks; each leaves the framework closed and the host's window key.
void walkRequestPayment(HostWalk& walk, const std::string& merchantID, const std::string& merchantName,
                        const std::string& city, const std::string& categoryCode, const std::string& countryCode,
                        const std::string& currencyCode);
void walkRefund(HostWalk& walk, const std::string& currencyCode);
