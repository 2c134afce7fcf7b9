#include "app/profile_texts.h"

#include <algorithm>

namespace quellon {
namespace {

std::string Settings(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " setting" : " settings");
}

}  // namespace

std::string ProfileSavedText(const ProfileSettings& settings, const std::string& file) {
  const auto without = static_cast<std::size_t>(
      std::ranges::count_if(settings, [](const auto& s) { return !s->Shown(); }));
  std::string text = "Saved " + Settings(settings.size() - without) + " to \"" + file + "\".\n";
  if (without == 0) return text;
  return text + "Left out, as the pages show no value for them: " + Settings(without) +
         ", each named in a comment line of the file.\n";
}

std::string ProfileReadText(std::size_t count, const std::string& file) {
  return "Read " + Settings(count) + " from \"" + file + "\".\n";
}

}  // namespace quellon
