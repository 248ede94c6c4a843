#pragma once
// Views whose content comes from a nib: a nib is a builder registered in platform::NibRegistry
// under a name in a bundle; its top-level objects are NSObjects held as std::shared_ptr<void>
// (a std::shared_ptr<NSObject> converted), and its owner is passed the same way. Main thread.

#include "platform/foundation/Bundle.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>
#include <string_view>
#include <typeindex>

namespace tavro {

// The nib name of a class: its run-time name after the last "::" or "." ("tavro::KCardAnatomy"
// gives "KCardAnatomy").
std::string nibNameForClass(std::string_view className);

// loadViewFromNibWithClass with the view's own most-derived class.
void loadViewFromNib(const platform::UIViewPtr& view);

// Loads the nib named after `viewClass` from the bundle that holds that class, with `view` as the
// owner (its outlets connect). When the first top-level object is a view, it is framed to the
// view's bounds, added as a subview with a clear background and pinned to the view's four edges
// (top, bottom, left, right; priority 1000). A missing nib writes one debug line and adds
// nothing; a nib whose first object is not a view adds nothing. The view clips to its bounds in
// every case. A null view is logged and ignored.
void loadViewFromNibWithClass(const platform::UIViewPtr& view, std::type_index viewClass);

// The first top-level object of the nib `name` of `bundle`, instantiated with no owner, as a
// view. Never null: a missing nib (one debug line), a nib with no objects or whose first object
// is not a view gives a new empty view.
platform::UIViewPtr loadNib(std::string_view name, const std::shared_ptr<platform::Bundle>& bundle);

} // namespace tavro
