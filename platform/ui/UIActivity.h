#pragma once
// What the share sheet works with: activity types (plain strings), the items to share and the
// activities an application adds of its own.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIImage.h"

#include <optional>
#include <string>
#include <variant>

namespace platform {

using UIActivityType = std::string;

inline const UIActivityType UIActivityTypeMessage = "platform.activity.message";
inline const UIActivityType UIActivityTypeMail = "platform.activity.mail";
inline const UIActivityType UIActivityTypePrint = "platform.activity.print";
inline const UIActivityType UIActivityTypeCopyToPasteboard = "platform.activity.copyToPasteboard";
inline const UIActivityType UIActivityTypeAssignToContact = "platform.activity.assignToContact";
inline const UIActivityType UIActivityTypeSaveToCameraRoll = "platform.activity.saveToCameraRoll";
inline const UIActivityType UIActivityTypeAddToReadingList = "platform.activity.addToReadingList";
inline const UIActivityType UIActivityTypePostToWeibo = "platform.activity.postToWeibo";
inline const UIActivityType UIActivityTypePostToVimeo = "platform.activity.postToVimeo";

// One thing to share: text, an image or a URL (as text).
class UIActivityItem {
public:
    enum class Kind { text, image, url };

    static UIActivityItem text(std::string text) { return UIActivityItem(Kind::text, std::move(text)); }
    static UIActivityItem image(UIImagePtr image) { return UIActivityItem(std::move(image)); }
    static UIActivityItem url(std::string url) { return UIActivityItem(Kind::url, std::move(url)); }

    Kind kind() const { return m_kind; }
    // The text or URL; null for images.
    const std::string* string() const { return std::get_if<std::string>(&m_value); }
    // The image; null for text and URLs.
    UIImagePtr imageValue() const
    {
        auto image = std::get_if<UIImagePtr>(&m_value);
        return image ? *image : nullptr;
    }

private:
    UIActivityItem(Kind kind, std::string value) : m_kind(kind), m_value(std::move(value)) {}
    explicit UIActivityItem(UIImagePtr image) : m_kind(Kind::image), m_value(std::move(image)) {}

    Kind m_kind;
    std::variant<std::string, UIImagePtr> m_value;
};

// An activity an application offers in the share sheet besides the built-in ones.
class UIActivity : public NSObject {
public:
    virtual UIActivityType activityType() const = 0;
    virtual std::optional<std::string> activityTitle() const { return std::nullopt; }
};

} // namespace platform
