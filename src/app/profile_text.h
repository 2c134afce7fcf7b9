#pragma once
// The text of a settings profile: INI-style lines in Windows-1252, a first line that says what the
// file is, one [section] per page, `name = value` lines and `;` comments. This part knows the
// syntax only; which sections, names and values exist is the settings' business
// (profile_settings.h).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellon {

inline constexpr std::string_view kProfileHeader = "; Quellon settings profile, format 1";

// One `name = value` line, blanks around name and value taken away.
struct ProfileLine {
  std::size_t line = 0;  // from 1
  std::string section;   // the [section] it stands in, as written
  std::string name;
  std::string value;
};

// The lines of a profile, and a fault for each line that breaks the syntax: a missing or
// newer first line, a line that is neither comment, section nor `name = value`, a setting before
// any section. Line ends may be CR LF, LF or CR.
struct ProfileFault {
  std::size_t line = 0;
  std::string text;
};
struct ProfileLines {
  std::vector<ProfileLine> settings;
  std::vector<ProfileFault> faults;
  // The [section] lines: where each stands, for faults about a section.
  std::vector<std::pair<std::size_t, std::string>> sections;
};
ProfileLines SplitProfile(std::string_view contents);

// One page's lines as a profile writes them: the value, or nothing for a setting the page shows
// no value of (written as a comment, which a reader passes over).
struct ProfileEntry {
  std::string name;
  std::optional<std::string> value;
};
struct ProfileSection {
  std::string name;
  std::vector<ProfileEntry> entries;
};
// The whole file: the first line, a comment, then each section; CR LF line ends.
std::string FormatProfile(const std::vector<ProfileSection>& sections);

// A's and B's letters compared without regard to ASCII case, as Windows compares INI names.
bool SameName(std::string_view a, std::string_view b);

}  // namespace quellon
