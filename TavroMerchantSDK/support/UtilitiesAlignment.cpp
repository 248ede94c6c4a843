// Right-to-left alignment of controls for an Arabic device language.

#include "TavroMerchantSDK/support/Utilities.h"

#include "platform/foundation/Locale.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"

namespace tavro {

namespace {

bool deviceLanguageIsArabic()
{
    return platform::Locale::current().languageCode() == "ar";
}

platform::NSTextAlignment textAlignmentForDeviceLanguage()
{
    return deviceLanguageIsArabic() ? platform::NSTextAlignment::right : platform::NSTextAlignment::left;
}

} // namespace

void Utilities::changeContentHorizontalAlignment(const std::shared_ptr<platform::UIButton>& sender)
{
    if (!sender)
        return;
    sender->setContentHorizontalAlignment(deviceLanguageIsArabic()
                                              ? platform::UIControlContentHorizontalAlignment::right
                                              : platform::UIControlContentHorizontalAlignment::left);
}

void Utilities::changeContentHorizontalAlignment(const std::shared_ptr<platform::UITextField>& sender)
{
    if (sender)
        sender->setTextAlignment(textAlignmentForDeviceLanguage());
}

void Utilities::changeContentHorizontalAlignment(const std::shared_ptr<platform::UILabel>& sender)
{
    if (sender)
        sender->setTextAlignment(textAlignmentForDeviceLanguage());
}

} // namespace tavro
