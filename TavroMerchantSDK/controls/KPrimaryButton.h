#pragma once
// KPrimaryButton: the screens' action button: 60 points high (soft, priority 800), a 16-point
// system-font title in the theme's element colour on the action colour, the active colour while
// pressed. Make with NSObject::create<KPrimaryButton>(frame) or (KButtonArchive). Main thread.

#include "TavroMerchantSDK/controls/KButton.h"

namespace tavro {

class KPrimaryButton : public KButton {
public:
    using KButton::KButton;

    static constexpr double height = 60;

    void setDefaultValues() override;
    void setupLayout() override;
};

} // namespace tavro
