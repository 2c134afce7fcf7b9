#include "app/profile_text.h"

#include <algorithm>
#include <cctype>

namespace quellon {
namespace {

constexpr std::string_view kHeaderStart = "; Quellon settings profile, format ";

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

ProfileFault At(std::size_t line, std::string fault) {
  return {line, std::move(fault)};
}

// The first line: the header, or the header of a later format, or something else.
void CheckHeader(std::string_view first, ProfileLines* out) {
  const std::string_view line = Trim(first);
  if (line == kProfileHeader) return;
  if (line.starts_with(kHeaderStart)) {
    const std::string_view version = line.substr(kHeaderStart.size());
    if (!version.empty() && version.size() < 10 &&
        std::ranges::all_of(version, [](char c) { return c >= '0' && c <= '9'; })) {
      out->faults.push_back(At(1, "format " + std::string(version) +
                                      " is not one this Quellon reads (it reads format 1)"));
      return;
    }
  }
  out->faults.push_back(At(1, "the first line is not \"" + std::string(kProfileHeader) + "\""));
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

ProfileLines SplitProfile(std::string_view contents) {
  ProfileLines out;
  const std::vector<std::string_view> lines = Lines(contents);
  CheckHeader(lines.empty() ? std::string_view() : lines.front(), &out);
  std::optional<std::string> section;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t number = i + 1;
    const std::string_view line = Trim(lines[i]);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      section = std::string(Trim(line.substr(1, line.size() - 2)));
      out.sections.emplace_back(number, *section);
      continue;
    }
    const std::size_t equals = line.find('=');
    const std::string_view name =
        equals == std::string_view::npos ? std::string_view() : Trim(line.substr(0, equals));
    if (name.empty()) {
      out.faults.push_back(At(number, "neither a comment, a [section] nor a name = value line"));
      continue;
    }
    if (!section) {
      out.faults.push_back(At(number, "\"" + std::string(name) + "\" stands before any [section]"));
      continue;
    }
    out.settings.push_back(
        {number, *section, std::string(name), std::string(Trim(line.substr(equals + 1)))});
  }
  return out;
}

std::string FormatProfile(const std::vector<ProfileSection>& sections) {
  std::string text = std::string(kProfileHeader) + "\r\n";
  text +=
      "; One [section] per page, one line per setting, named and valued as the window shows "
      "them.\r\n; Applying this file leaves every setting it does not name as it is.\r\n";
  for (const ProfileSection& section : sections) {
    text += "\r\n[" + section.name + "]\r\n";
    for (const ProfileEntry& entry : section.entries) {
      if (entry.value) {
        text += entry.name + " = " + *entry.value + "\r\n";
      } else {
        text += "; " + entry.name + ": no value on this machine\r\n";
      }
    }
  }
  return text;
}

}  // namespace quellon
