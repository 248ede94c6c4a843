#include "HostWalk.h"

#include "platform/render/PNGOutput.h"

#include <cstdio>

std::string HostWalk::nextPath(const std::string& name, const char* extension)
{
    char number[16];
    std::snprintf(number, sizeof number, "%02d", ++m_pictures);
    return m_outputDirectory + "/" + number + "-" + name + extension;
}

void HostWalk::picture(const std::string& name)
{
    const std::string path = nextPath(name, ".png");
    auto image = m_driver.renderScreen();
    const bool written = image && platform::writeImagePNG(*image, path);
    report("picture", written ? path : "could not write " + path, written);
}

bool HostWalk::saveSharedImage(const std::vector<platform::UIActivityItem>& items)
{
    for (const auto& item : items) {
        if (auto image = item.imageValue()) {
            const std::string path = nextPath("share-card", ".png");
            const bool written = platform::writeImagePNG(*image, path);
            report("saved", written ? path : "could not write " + path, written);
            m_sharedImagesSaved += written;
            return written;
        }
    }
    report("saved", "the sheet had no image", false);
    return false;
}

void HostWalk::report(const char* label, const std::string& detail, bool ok)
{
    std::printf("%-11s: %s%s\n", label, detail.c_str(), ok ? "" : "  <-- unexpected");
    if (!ok)
        ++m_failures;
}
