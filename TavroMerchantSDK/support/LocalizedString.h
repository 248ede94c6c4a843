#pragma once
// The framework's single localised-text lookup.

#include <string>
#include <string_view>

namespace tavro {

// The text of `key` in the default strings table of the framework bundle, for the current
// localisation. A key the table lacks (or a missing table) gives the key itself. `comment` is
// for translators and does not affect the result. The bundle is found anew on every call.
std::string localizedString(std::string_view key, std::string_view comment = {});

} // namespace tavro
