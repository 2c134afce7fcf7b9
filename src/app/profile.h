#pragma once
// Settings profiles: the settings of the window's pages as a text file that travels to other
// machines, read whole and checked against the pages' rows before anything happens, written as
// the pages show the settings. Applying one fills the pages and ticks the named rows' save boxes;
// the window's own save writes them (see docs/PROFILES.md).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/profile_settings.h"

namespace quellon {

class TForm1;
class FileSystem;

// A profile refused whole: the text names the file and lists its bad lines.
class ProfileRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One setting a profile names, with its value as the profile writes it.
struct ProfileValue {
  ProfileSetting* setting = nullptr;
  std::string value;
};

// Checks every line of `contents` against the settings, then gives the named ones in the order
// of `settings`. Throws ProfileRefused, naming `file`, when any line is bad.
std::vector<ProfileValue> ReadProfile(std::string_view contents, const ProfileSettings& settings,
                                      const std::string& file);
// As ReadProfile, the contents read from `file`; a file larger than any profile is refused.
std::vector<ProfileValue> ReadProfileFile(FileSystem& files, const std::string& file,
                                          const ProfileSettings& settings);

// Every setting as the pages show it now.
std::string WriteProfile(const ProfileSettings& settings);

// Fills the named rows and ticks their save boxes, in the window's order (so that the linked
// right channel, which follows the left one, still gets its own value), then lets each page show
// its boxes as after a load.
void FillPages(TForm1& form, const std::vector<ProfileValue>& values);

}  // namespace quellon
