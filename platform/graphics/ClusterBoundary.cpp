#include "platform/graphics/ClusterBoundary.h"

#include <unicode/ubrk.h>

#include <memory>

namespace platform {

namespace {

struct BreakIteratorClose {
    void operator()(UBreakIterator* iterator) const { ubrk_close(iterator); }
};

} // namespace

std::size_t clusterBoundary(const std::u16string& text, std::size_t index, bool forward)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UBreakIterator, BreakIteratorClose> iterator(
        ubrk_open(UBRK_CHARACTER, "", reinterpret_cast<const UChar*>(text.data()),
                  static_cast<int32_t>(text.size()), &status));
    if (U_FAILURE(status) || !iterator) {
        return index;
    }
    const auto at = static_cast<int32_t>(index);
    if (ubrk_isBoundary(iterator.get(), at)) {
        return index;
    }
    const int32_t boundary = forward ? ubrk_following(iterator.get(), at) : ubrk_preceding(iterator.get(), at);
    return boundary == UBRK_DONE ? index : static_cast<std::size_t>(boundary);
}

} // namespace platform
