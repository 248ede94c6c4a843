#pragma once
// Something that takes a background colour per control state. Buttons take part through
// ButtonBackgroundColorForState, which forwards to setBackgroundColor(UIButton&, ...).

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIControlTypes.h"

#include <memory>

namespace tavro {

class BackgroundColorForState {
public:
    virtual ~BackgroundColorForState() = default;
    // A null colour removes the state's background.
    virtual void setBackgroundColor(const platform::UIColorPtr& color, platform::UIControlState state) = 0;
};

// A button seen as a BackgroundColorForState. Holds the button weakly: once it is gone, calls do
// nothing.
class ButtonBackgroundColorForState final : public BackgroundColorForState {
public:
    explicit ButtonBackgroundColorForState(std::weak_ptr<platform::UIButton> button) : m_button(std::move(button)) {}
    void setBackgroundColor(const platform::UIColorPtr& color, platform::UIControlState state) override;

private:
    std::weak_ptr<platform::UIButton> m_button;
};

} // namespace tavro
