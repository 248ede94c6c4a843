#pragma once
// KButton: the kit's themed text button. Every title it shows is an attributed title carrying the
// kit's character spacing (`spacing`, kern in points) and the normal title colour, dimmed to 0.7
// when highlighted and 0.3 when disabled.
//
// Setup is a template: creation runs setupProgrammatically() (code) or setupFromIB() (nib), which
// run setupLayout() then setDefaultValues() of the most derived class; subclasses call the base
// first. Make with NSObject::create<T>(frame) or NSObject::create<T>(KButtonArchive). Main thread.

#include "TavroMerchantSDK/controls/KButtonArchive.h"

#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavro {

class KButton : public platform::UIButton {
public:
    explicit KButton(const platform::CGRect& frame = platform::CGRect());
    explicit KButton(const KButtonArchive& archive);

    // Kern over the whole title, default 1. Applied at the next rebuild of the titles.
    std::int64_t spacing() const { return m_spacing; }
    void setSpacing(std::int64_t spacing) { m_spacing = spacing; }

    virtual void setupProgrammatically();
    // setupProgrammatically(), then the archived normal title once more through setTitle() so that
    // it becomes an attributed title.
    virtual void setupFromIB();
    // Base: the theme's element colour as the normal title colour.
    virtual void setDefaultValues();
    // Base: autoresizing-mask translation off.
    virtual void setupLayout();
    // Rebuilds the attributed title of `state`; for normal also of highlighted and disabled.
    virtual void applyAttributedTitle(platform::UIControlState state);
    // Builds the attributed title of one state from its plain title, the normal title colour
    // (dimmed for highlighted and disabled), the label's font and `spacing`. No title: none.
    virtual void setupAttributedTitle(platform::UIControlState state);
    // The image as normal background, at alpha 0.7 highlighted and 0.3 disabled; null clears all
    // three.
    virtual void setIcon(const platform::UIImagePtr& icon);

    // A button that is not of the custom type writes one warning line.
    void awakeFromNib() override;
    void setTitle(std::optional<std::string> title, platform::UIControlState state) override;
    // Rebuilds the state's attributed title only when it already has one.
    void setTitleColor(platform::UIColorPtr color, platform::UIControlState state) override;

protected:
    void didCreate() override;

private:
    std::int64_t m_spacing = 1;
    std::optional<KButtonArchive> m_archive;
};

} // namespace tavro
