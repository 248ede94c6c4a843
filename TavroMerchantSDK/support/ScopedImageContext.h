#pragma once
// An image drawing context opened for one scope: opened on construction, closed on destruction
// if it opened at all (so an outer context is never closed by mistake).

#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIImage.h"

namespace tavro {

class ScopedImageContext {
public:
    // `scale` 0 is the main screen's scale.
    ScopedImageContext(platform::CGSize size, bool opaque, double scale = 0);
    ~ScopedImageContext();
    ScopedImageContext(const ScopedImageContext&) = delete;
    ScopedImageContext& operator=(const ScopedImageContext&) = delete;

    // False when no context could be opened (zero or oversized size).
    explicit operator bool() const { return m_context != nullptr; }
    // Valid only when the context opened.
    platform::CGContext& context() const { return *m_context; }
    // A snapshot of what was drawn so far; null when no context opened.
    platform::UIImagePtr image() const;

private:
    platform::CGContextPtr m_context;
};

} // namespace tavro
