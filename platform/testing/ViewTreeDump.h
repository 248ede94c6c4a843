#pragma once
// Views and pending work as text, for test failures (SCOPED_TRACE) and the debug log.
#include "platform/ui/UIView.h"

#include <string>

namespace platform {

// One line per view under `root` (root included), subviews indented by two spaces in drawing
// order: class name, frame, then only what differs from a plain visible view: "hidden",
// "alpha=0.5", the accessibility identifier (id="...") and the text it shows (text="...").
//   UIWindow {{0, 0}, {375, 667}}
//     UILabel {{16, 20}, {120, 21}} id="title" text="Amount"
// A null root gives "(no view)\n".
std::string describeViewTree(const UIViewPtr& root);

} // namespace platform
