#pragma once
// SecondaryButton: an internal button whose kind is chosen by name (typically from a nib). It only
// writes diagnostic lines; its look is the plain button's. Main thread.

#include "platform/ui/UIButton.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavro {

class SecondaryButton : public platform::UIButton {
public:
    enum class ButtonType { Title, Icon, TitleAndIcon, BigIcon };
    // "title", "icon", "title&icon", "bigIcon".
    static std::string_view rawValue(ButtonType type);

    explicit SecondaryButton(const platform::CGRect& frame = platform::CGRect()) : platform::UIButton(frame) {}

    ButtonType type() const { return m_type; }
    const std::optional<std::string>& typeName() const { return m_typeName; }
    // Stores the name; a name equal to one of the four raw names, ignoring case, selects that kind.
    // Any other name (or none) keeps the kind.
    void setTypeName(std::optional<std::string> name);
    const std::optional<std::string>& titleString() const { return m_titleString; }
    void setTitleString(std::optional<std::string> title) { m_titleString = std::move(title); }

    // One debug line naming the kind (for Title: the title label's text, or "nil").
    virtual void setup();

    void awakeFromNib() override;
    void layoutSubviews() override;

private:
    ButtonType m_type = ButtonType::Icon;
    std::optional<std::string> m_typeName;
    std::optional<std::string> m_titleString;
};

} // namespace tavro
