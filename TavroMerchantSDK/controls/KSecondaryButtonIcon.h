#pragma once
// KSecondaryButtonIcon: the kit's round image-only button, 40 x 40 points (soft, priority 800),
// drawn as a circle at any size (corner radius half the width at every layout pass). It refuses
// titles. While pressed it shows the active action colour behind its image; the image itself is
// not darkened. The navigation bars use it for the back and share buttons.
// Make with NSObject::create<KSecondaryButtonIcon>(frame) or (KButtonArchive). Main thread.

#include "TavroMerchantSDK/controls/KButtonArchive.h"

#include "platform/ui/UIButton.h"

#include <optional>
#include <string>

namespace tavro {

class KSecondaryButtonIcon : public platform::UIButton {
public:
    explicit KSecondaryButtonIcon(const platform::CGRect& frame = platform::CGRect());
    explicit KSecondaryButtonIcon(const KButtonArchive& archive);

    static constexpr double side = 40;

    // Both: setup(), then setupLayout().
    virtual void setupProgrammatically();
    virtual void setupFromIB();
    // No darkening on highlight; the active action colour as highlighted background.
    virtual void setup();
    // Autoresizing-mask translation off; width and height of 40 at priority 800.
    virtual void setupLayout();
    // Masks the layer with the current bounds rounded at every corner but the top right (radii 10
    // across, 20 down). The mask keeps these bounds until it is installed again; `color` and
    // `state` do not change it.
    virtual void setRoundedCorners(const platform::UIColorPtr& color, platform::UIControlState state);

    // The configuration's action colours as normal and highlighted backgrounds, then the rounded
    // mask.
    void applyStyle();
    // Draws the current image as a white silhouette; nothing without an image.
    void applyButtonStyle();

    // A button that is not of the custom type writes one warning line.
    void awakeFromNib() override;
    // Refused for every state with one error line; the button never shows a title.
    void setTitle(std::optional<std::string> title, platform::UIControlState state) override;
    void layoutSubviews() override;

protected:
    void didCreate() override;

private:
    bool m_fromNib = false;
};

} // namespace tavro
