#pragma once
// The user's preferred languages and the choice of a bundle localisation (".lproj" directory)
// from them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The localisation used when none of the preferred languages is available.
inline constexpr std::string_view kDevelopmentLocalization = "en";

// Preferred languages, most preferred first, as language tags ("en-GB", "fr"). Unless set, taken
// once from the environment (LANG, e.g. "en_GB.UTF-8" gives "en-GB"); "C", "POSIX" or nothing
// gives "en".
std::vector<std::string> preferredLanguages();
// Replaces the preferred languages (for tests and hosts); an empty list restores the
// environment's. Bumps preferredLanguagesGeneration() so bundles drop their chosen tables.
void setPreferredLanguages(std::vector<std::string> languages);
// Increases whenever the preferred languages change.
unsigned preferredLanguagesGeneration();

// Chooses among `available` (localisation names such as "en", "pt_BR", "zh-Hans"; case and "-"/"_"
// do not matter) the first that serves a preferred language: an exact match, else the language
// with trailing subtags removed ("en-GB" is served by "en"). Without one: the development
// localisation when available, else nullopt.
std::optional<std::string> chooseLocalization(const std::vector<std::string>& available,
                                              const std::vector<std::string>& preferred);

} // namespace platform
