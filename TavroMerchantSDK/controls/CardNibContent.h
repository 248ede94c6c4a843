#pragma once
// Loading the content nib of a card-art view, with the misuses reported: the views show an empty
// card instead of failing when their nib is missing, holds something other than a view first, or
// leaves an outlet unconnected.

#include "platform/ui/UIView.h"

#include <string_view>
#include <typeindex>

namespace tavro {

// Loads the nib named after `nibClass` into `view` as loadViewFromNibWithClass does (the content
// pinned to the view's edges, clipping on) and returns the content view it added. Null when
// nothing was added: a missing nib (the nib registry writes the debug line) or a nib whose first
// object is not a view (one debug line here).
platform::UIViewPtr loadCardNibContent(const platform::UIViewPtr& view, std::type_index nibClass);

// Takes `content` out of `view` again, with the constraints `view` holds on it, and writes one
// debug line naming `viewName` and the `missing` outlet.
void discardCardNibContent(const platform::UIViewPtr& view, const platform::UIViewPtr& content,
                           std::string_view viewName, std::string_view missing);

} // namespace tavro
