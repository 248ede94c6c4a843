#pragma once
// Button helpers: a background colour per control state (as a one-point image of the colour) and
// tinting of the button's image. Inside a UIView subclass call them qualified
// (tavro::setBackgroundColor): the member UIView::setBackgroundColor hides the free function.

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIControlTypes.h"

namespace tavro {

// Sets a 1 x 1 point image of `color` as the background image of `state`; a null colour removes
// that state's own background image (the state then shows the normal one).
void setBackgroundColor(platform::UIButton& button, const platform::UIColorPtr& color, platform::UIControlState state);

// When the button shows an image now: sets its template version as the normal state's image and
// the button's tint colour to `color`. A button without a current image is left as it is.
void setImageColor(platform::UIButton& button, const platform::UIColorPtr& color);

} // namespace tavro
