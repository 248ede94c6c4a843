#include "TavroMerchantSDK/controls/SecondaryButton.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/TextAscii.h"

namespace tavro {

std::string_view SecondaryButton::rawValue(ButtonType type)
{
    switch (type) {
    case ButtonType::Title: return "title";
    case ButtonType::Icon: return "icon";
    case ButtonType::TitleAndIcon: return "title&icon";
    case ButtonType::BigIcon: return "bigIcon";
    }
    return "icon";
}

void SecondaryButton::setTypeName(std::optional<std::string> name)
{
    m_typeName = std::move(name);
    if (!m_typeName)
        return;
    for (auto type : {ButtonType::Title, ButtonType::Icon, ButtonType::TitleAndIcon, ButtonType::BigIcon}) {
        if (platform::text::equalsIgnoringAsciiCase(*m_typeName, rawValue(type))) {
            m_type = type;
            return;
        }
    }
}

void SecondaryButton::setup()
{
    switch (m_type) {
    case ButtonType::Icon: platform::debugLog("setup Icon"); break;
    case ButtonType::TitleAndIcon: platform::debugLog("TitleAndIcon setup"); break;
    case ButtonType::BigIcon: platform::debugLog("Big Icon"); break;
    case ButtonType::Title: {
        const auto& label = titleLabel();
        platform::debugLog(label && label->text() ? *label->text() : std::string("nil"));
        break;
    }
    }
}

void SecondaryButton::awakeFromNib()
{
    platform::UIButton::awakeFromNib();
    setup();
}

void SecondaryButton::layoutSubviews()
{
    platform::UIButton::layoutSubviews();
    platform::debugLog("layoutSubviews Secondary Button type = " + std::string(rawValue(m_type)));
}

} // namespace tavro
