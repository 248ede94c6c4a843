#pragma once
// KSecondaryButtonTitle: a small text-only button for hosts: 22 points high (soft, priority 800),
// 16-point system-font title in the theme's element colour, no background.
// Make with NSObject::create<KSecondaryButtonTitle>(frame) or (KButtonArchive). Main thread.

#include "TavroMerchantSDK/controls/KButton.h"

#include "platform/graphics/CGFloat.h"

namespace tavro {

class KSecondaryButtonTitle : public KButton {
public:
    using KButton::KButton;

    static constexpr double height = 22;

    void setDefaultValues() override;
    void setupLayout() override;

    // The width the normal attributed title needs at the current frame height, rounded up, plus 6;
    // 0 without a normal attributed title.
    virtual platform::CGFloat minimumWidth() const;
};

} // namespace tavro
