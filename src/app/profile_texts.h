#pragma once
// What the console commands and the window's menu commands say of a settings profile, each line
// ended, in the same words in both places.

#include <cstddef>
#include <string>

#include "app/profile_settings.h"

namespace quellon {

// "Saved 25 settings to "FILE"." and, when some row showed no value, how many were left out.
std::string ProfileSavedText(const ProfileSettings& settings, const std::string& file);
// "Read 3 settings from "FILE"."
std::string ProfileReadText(std::size_t count, const std::string& file);

}  // namespace quellon
