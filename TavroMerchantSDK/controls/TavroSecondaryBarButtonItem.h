#pragma once
// TavroSecondaryBarButtonItem: a KSecondaryButtonIcon that also offers the factory of bar button
// items holding such a button. Main thread.

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"

#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIControl.h"

#include <memory>

namespace tavro {

class TavroSecondaryBarButtonItem : public KSecondaryButtonIcon {
public:
    using KSecondaryButtonIcon::KSecondaryButtonIcon;

    // A bar button item whose custom view is a new 40 x 40 KSecondaryButtonIcon (positioned by its
    // frame: autoresizing-mask translation on) showing `icon`, with `backgroundColor` behind it while
    // pressed, that calls `action` on `target` (held weakly) on touch-up-inside.
    static std::shared_ptr<platform::UIBarButtonItem>
    secondaryButtonIconItem(const platform::UIImagePtr& icon, std::weak_ptr<void> target,
                            platform::UIControl::Action action, const platform::UIColorPtr& backgroundColor);

    // The same with a member function `void T::f()` of the target.
    template <class T, class M>
        requires std::is_base_of_v<M, T>
    static std::shared_ptr<platform::UIBarButtonItem>
    secondaryButtonIconItem(const platform::UIImagePtr& icon, const std::shared_ptr<T>& target, void (M::*selector)(),
                            const platform::UIColorPtr& backgroundColor)
    {
        return secondaryButtonIconItem(
            icon, std::weak_ptr<void>(target),
            [selector](const std::shared_ptr<void>& object, platform::UIControl&) {
                (static_cast<T*>(object.get())->*selector)();
            },
            backgroundColor);
    }
};

} // namespace tavro
