#pragma once
// The stack of current drawing contexts. Image contexts are bitmaps opened with a size in points and a
// scale; other contexts (the renderer's, while a view draws itself) are pushed and popped around the
// drawing code. Everything runs on the main thread.

#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIImage.h"

namespace platform {

// Opens a bitmap context of `size` points at `scale` pixels per point (0 or less: the main screen's
// scale) and makes it current. The bitmap is ceil(size * scale) pixels each way, transparent, or opaque
// black when `opaque`. A size with a zero, negative or non-finite side, one that comes to less than a
// pixel, or a bitmap over the platform's limit (BitmapLimits.h) opens no context: one debug line and
// the stack is unchanged.
void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale);
// The same at scale 1, not opaque.
void UIGraphicsBeginImageContext(CGSize size);

// The context on top of the stack; nullptr when there is none.
CGContextPtr UIGraphicsGetCurrentContext();

// A snapshot of the current image context's bitmap, at its scale; nullptr when the current context is
// not an image context (or there is none).
UIImagePtr UIGraphicsGetImageFromCurrentImageContext();

// Closes the current image context. When the top of the stack is not an image context (or the stack is
// empty): one debug line, nothing closed.
void UIGraphicsEndImageContext();

// Makes `context` current until the matching pop (used by the renderer around draw calls).
void UIGraphicsPushContext(const CGContextPtr& context);
// Pops a pushed context; a debug line and nothing popped when the top is an image context or the stack
// is empty.
void UIGraphicsPopContext();

} // namespace platform
