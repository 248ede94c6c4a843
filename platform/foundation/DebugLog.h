#pragma once
// The debug log sink: one line per message, silent unless enabled.
// Tests capture the lines with DebugLogCapture; nothing is written to the console while capturing.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Writes one line (a trailing line break is added) to the sink, when enabled or captured.
void debugLog(std::string_view message);
// Like debugLog(), but written to standard error whatever the setting: for the rare problem a host
// must hear of even with the debug log off.
void noticeLog(std::string_view message);

// Enables or disables writing to standard error. Disabled by default; the environment variable
// TAVRO_DEBUG_LOG=1 enables it at start-up.
void setDebugLogEnabled(bool enabled);
bool isDebugLogEnabled();
// Whether a line logged now would be written or captured; callers whose message is costly to
// build ask this first.
bool isDebugLogActive();

// Collects every line logged while it lives (captures nest; the innermost one collects).
class DebugLogCapture {
public:
    DebugLogCapture();
    ~DebugLogCapture();
    DebugLogCapture(const DebugLogCapture&) = delete;
    DebugLogCapture& operator=(const DebugLogCapture&) = delete;

    const std::vector<std::string>& lines() const { return m_lines; }
    bool contains(std::string_view fragment) const;
    void clear() { m_lines.clear(); }

private:
    friend struct DebugLogSink;
    std::vector<std::string> m_lines;
    DebugLogCapture* m_previous = nullptr;
};

} // namespace platform
