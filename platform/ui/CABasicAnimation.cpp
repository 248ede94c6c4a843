#include "platform/ui/CABasicAnimation.h"

namespace platform {

std::shared_ptr<CAAnimation> CABasicAnimation::copy() const
{
    auto other = create<CABasicAnimation>(m_keyPath);
    copySettingsTo(*other);
    other->m_from = m_from;
    other->m_to = m_to;
    other->m_by = m_by;
    return other;
}

} // namespace platform
