#pragma once
// Input in: a finger tap given to the application's event dispatch, as the host's touch screen
// would deliver it.

#include "platform/ui/UIView.h"

#include <string_view>

// The view with accessibility identifier `identifier` under `root` (depth first); null when none.
platform::UIViewPtr findView(const platform::UIViewPtr& root, std::string_view identifier);

// A finger goes down and up at the middle of `view` (which must be in a window). Returns whether
// the touch reached it.
bool tapView(const platform::UIViewPtr& view);
