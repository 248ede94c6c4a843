#include "platform/foundation/DebugLog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

struct DebugLogState {
    std::mutex mutex;
    bool enabled = false;
    DebugLogCapture* innermostCapture = nullptr;

    DebugLogState()
    {
        const char* setting = std::getenv("TAVRO_DEBUG_LOG");
        enabled = setting && std::strcmp(setting, "1") == 0;
    }
};

DebugLogState& state()
{
    static DebugLogState instance;
    return instance;
}

// A message is one line: embedded line breaks become spaces.
std::string asOneLine(std::string_view message)
{
    std::string line(message);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return line;
}

} // namespace

// The one sink of both logs: the innermost capture, else standard error when enabled or `always`.
struct DebugLogSink {
    static void write(std::string_view message, bool always);
};

void DebugLogSink::write(std::string_view message, bool always)
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    if (log.innermostCapture) {
        log.innermostCapture->m_lines.push_back(asOneLine(message));
        return;
    }
    if (!log.enabled && !always) {
        return;
    }
    std::string line = asOneLine(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void debugLog(std::string_view message)
{
    DebugLogSink::write(message, false);
}

void noticeLog(std::string_view message)
{
    DebugLogSink::write(message, true);
}

void setDebugLogEnabled(bool enabled)
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    log.enabled = enabled;
}

bool isDebugLogEnabled()
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    return log.enabled;
}

bool isDebugLogActive()
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    return log.enabled || log.innermostCapture;
}

DebugLogCapture::DebugLogCapture()
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    m_previous = log.innermostCapture;
    log.innermostCapture = this;
}

DebugLogCapture::~DebugLogCapture()
{
    DebugLogState& log = state();
    std::lock_guard lock(log.mutex);
    // Captures are scoped, so they end innermost first; unlink defensively all the same.
    if (log.innermostCapture == this) {
        log.innermostCapture = m_previous;
        return;
    }
    for (DebugLogCapture* capture = log.innermostCapture; capture; capture = capture->m_previous) {
        if (capture->m_previous == this) {
            capture->m_previous = m_previous;
            return;
        }
    }
}

bool DebugLogCapture::contains(std::string_view fragment) const
{
    for (const std::string& line : m_lines) {
        if (line.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace platform
