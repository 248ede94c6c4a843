#pragma once
// CABasicAnimation: an animation of one key path ("opacity", "transform.rotation", "position", ...)
// between two values.
#include "platform/ui/CAAnimation.h"

namespace platform {

class CABasicAnimation : public CAAnimation {
public:
    CABasicAnimation() = default;
    explicit CABasicAnimation(std::string keyPath) : m_keyPath(std::move(keyPath)) {}

    // The usual way to make one: create<CABasicAnimation>(keyPath).
    static std::shared_ptr<CABasicAnimation> animation(std::string keyPath)
    {
        return create<CABasicAnimation>(std::move(keyPath));
    }

    const std::string& keyPath() const { return m_keyPath; }
    void setKeyPath(std::string keyPath) { m_keyPath = std::move(keyPath); }

    const std::optional<AnyValue>& fromValue() const { return m_from; }
    void setFromValue(std::optional<AnyValue> value) { m_from = std::move(value); }
    void setFromValue(double value) { m_from = AnyValue(value); }
    const std::optional<AnyValue>& toValue() const { return m_to; }
    void setToValue(std::optional<AnyValue> value) { m_to = std::move(value); }
    void setToValue(double value) { m_to = AnyValue(value); }
    const std::optional<AnyValue>& byValue() const { return m_by; }
    void setByValue(std::optional<AnyValue> value) { m_by = std::move(value); }

    std::shared_ptr<CAAnimation> copy() const override;

private:
    std::string m_keyPath;
    std::optional<AnyValue> m_from;
    std::optional<AnyValue> m_to;
    std::optional<AnyValue> m_by;
};

} // namespace platform
