#include "platform/graphics/LongRunBreaks.h"

#include <pango/pango.h>

namespace platform {

namespace {

constexpr std::string_view kZeroWidthSpace = "\u200B";

struct LongRuns {
    std::vector<std::size_t> breaks; // byte offsets of the clusters that get a break before them
    std::vector<ByteRange> runs;
};

LongRuns findLongRuns(const std::string& text)
{
    LongRuns found;
    // Pango fills one attribute per character of the whole text, counted as here, and one more
    // (g_utf8_strlen would stop at a NUL).
    glong characters = 0;
    for (const char* at = text.data(); at < text.data() + text.size(); at = g_utf8_next_char(at)) {
        ++characters;
    }
    std::vector<PangoLogAttr> attributes(static_cast<std::size_t>(characters) + 1);
    pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1, pango_language_get_default(),
                        attributes.data(), static_cast<int>(attributes.size()));
    std::size_t clusters = 0; // clusters begun since the run started
    std::size_t runStart = 0;
    const char* at = text.data();
    for (glong i = 0; i <= characters; ++i) {
        const std::size_t offset = static_cast<std::size_t>(at - text.data());
        const PangoLogAttr& attribute = attributes[static_cast<std::size_t>(i)];
        if (i == characters || attribute.is_line_break || attribute.is_mandatory_break) {
            if (clusters > kLongestUnbreakableRun) {
                found.runs.emplace_back(runStart, offset);
            }
            clusters = 0;
            runStart = offset;
        } else if (attribute.is_cursor_position && clusters >= kLongestUnbreakableRun) {
            found.breaks.push_back(offset);
        }
        if (i < characters) {
            clusters += attribute.is_cursor_position ? 1 : 0;
            at = g_utf8_next_char(at);
        }
    }
    return found;
}

} // namespace

std::vector<ByteRange> insertBreaksInLongRuns(std::string& text, std::vector<std::size_t>& offsets)
{
    // A run of more clusters than this needs more bytes.
    if (text.size() <= kLongestUnbreakableRun) {
        return {};
    }
    LongRuns found = findLongRuns(text);
    if (found.breaks.empty()) {
        return {};
    }
    std::string spaced;
    spaced.reserve(text.size() + found.breaks.size() * kZeroWidthSpace.size());
    std::size_t from = 0;
    for (std::size_t position : found.breaks) {
        spaced.append(text, from, position - from);
        spaced += kZeroWidthSpace;
        from = position;
    }
    spaced.append(text, from);
    text = std::move(spaced);

    // Where an offset of the old text is in the new one: past the spaces inserted at or before it.
    std::size_t before = 0;
    auto moved = [&found, &before](std::size_t offset) {
        while (before < found.breaks.size() && found.breaks[before] <= offset) {
            ++before;
        }
        return offset + before * kZeroWidthSpace.size();
    };
    for (std::size_t& offset : offsets) {
        offset = moved(offset);
    }
    before = 0;
    for (ByteRange& run : found.runs) {
        run = {moved(run.first), moved(run.second)};
    }
    return found.runs;
}

} // namespace platform
