#pragma once
// Notification: what NotificationCenter delivers. A name, the object that posted it (may be null)
// and a dictionary of extra values (keyboard frames travel there as {x, y, width, height}).

#include "platform/foundation/AnyValue.h"

#include <memory>
#include <string>

namespace platform {

class Notification {
public:
    explicit Notification(std::string name, std::shared_ptr<void> object = nullptr, AnyValue::Dictionary userInfo = {})
        : m_name(std::move(name)), m_object(std::move(object)), m_userInfo(std::move(userInfo))
    {
    }

    const std::string& name() const { return m_name; }
    const std::shared_ptr<void>& object() const { return m_object; }
    const AnyValue::Dictionary& userInfo() const { return m_userInfo; }

private:
    std::string m_name;
    std::shared_ptr<void> m_object;
    AnyValue::Dictionary m_userInfo;
};

} // namespace platform
