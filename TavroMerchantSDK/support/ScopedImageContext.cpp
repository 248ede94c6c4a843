#include "TavroMerchantSDK/support/ScopedImageContext.h"

#include "platform/graphics/ImageContext.h"

namespace tavro {

ScopedImageContext::ScopedImageContext(platform::CGSize size, bool opaque, double scale)
{
    auto previous = platform::UIGraphicsGetCurrentContext();
    platform::UIGraphicsBeginImageContextWithOptions(size, opaque, scale);
    auto current = platform::UIGraphicsGetCurrentContext();
    if (current && current != previous)
        m_context = current;
}

ScopedImageContext::~ScopedImageContext()
{
    if (m_context)
        platform::UIGraphicsEndImageContext();
}

platform::UIImagePtr ScopedImageContext::image() const
{
    return m_context ? platform::UIGraphicsGetImageFromCurrentImageContext() : nullptr;
}

} // namespace tavro
