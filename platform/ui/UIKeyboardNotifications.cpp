#include "platform/ui/UIKeyboardNotifications.h"

namespace platform {

AnyValue userInfoValue(const CGRect& rect)
{
    return AnyValue(AnyValue::Dictionary{
        {"x", rect.origin.x},
        {"y", rect.origin.y},
        {"width", rect.size.width},
        {"height", rect.size.height},
    });
}

std::optional<CGRect> rectFromUserInfo(const AnyValue::Dictionary& userInfo, std::string_view key)
{
    auto found = userInfo.find(key);
    if (found == userInfo.end()) {
        return std::nullopt;
    }
    const auto* fields = found->second.asDictionary();
    if (!fields) {
        return std::nullopt;
    }
    auto number = [&](const char* name) -> std::optional<double> {
        auto field = fields->find(name);
        return field == fields->end() ? std::nullopt : field->second.asDouble();
    };
    auto x = number("x"), y = number("y"), width = number("width"), height = number("height");
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    return CGRect(*x, *y, *width, *height);
}

} // namespace platform
