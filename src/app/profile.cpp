#include "app/profile.h"

#include <algorithm>
#include <map>

#include "app/form1.h"
#include "app/profile_text.h"
#include "safety/file_system.h"

namespace quellon {
namespace {

// A refusal lists at most this many lines, as an import's does; the rest are counted.
constexpr std::size_t kListedLines = 20;
// Far more than any profile: a larger file is no profile.
constexpr std::size_t kLargestProfile = 1 << 20;

[[noreturn]] void Refuse(const std::string& file, std::vector<ProfileFault> faults) {
  std::ranges::stable_sort(faults, {}, &ProfileFault::line);
  std::string text = "The settings profile \"" + file + "\" was refused, so nothing was changed:";
  for (std::size_t i = 0; i < faults.size() && i < kListedLines; ++i)
    text += "\n  line " + std::to_string(faults[i].line) + ": " + faults[i].text;
  if (faults.size() > kListedLines)
    text += "\n  ... and " + std::to_string(faults.size() - kListedLines) + " more";
  throw ProfileRefused(text);
}

bool KnownSection(const ProfileSettings& settings, const std::string& section) {
  return std::ranges::any_of(settings,
                             [&](const auto& s) { return SameName(s->section(), section); });
}

ProfileSetting* Find(const ProfileSettings& settings, const ProfileLine& line) {
  for (const auto& s : settings)
    if (SameName(s->section(), line.section) && SameName(s->name(), line.name)) return s.get();
  return nullptr;
}

}  // namespace

std::vector<ProfileValue> ReadProfile(std::string_view contents, const ProfileSettings& settings,
                                      const std::string& file) {
  ProfileLines lines = SplitProfile(contents);
  std::vector<ProfileFault> faults = std::move(lines.faults);
  for (const auto& [number, section] : lines.sections)
    if (!KnownSection(settings, section))
      faults.push_back({number, "no page is named [" + section + "]"});
  std::map<const ProfileSetting*, ProfileLine> named;
  for (const ProfileLine& line : lines.settings) {
    if (!KnownSection(settings, line.section)) continue;  // its section is named already
    const ProfileSetting* setting = Find(settings, line);
    if (!setting) {
      faults.push_back({line.line, "[" + line.section + "] has no setting \"" + line.name + "\""});
    } else if (const auto first = named.find(setting); first != named.end()) {
      faults.push_back({line.line, "\"" + setting->name() + "\" is given twice in [" +
                                       setting->section() + "] (first on line " +
                                       std::to_string(first->second.line) + ")"});
    } else if (const std::string fault = setting->Fault(line.value); !fault.empty()) {
      faults.push_back({line.line, setting->name() + ": " + fault});
    } else {
      named.emplace(setting, line);
    }
  }
  if (!faults.empty()) Refuse(file, std::move(faults));
  std::vector<ProfileValue> values;
  for (const auto& setting : settings)
    if (const auto line = named.find(setting.get()); line != named.end())
      values.push_back({setting.get(), line->second.value});
  return values;
}

std::vector<ProfileValue> ReadProfileFile(FileSystem& files, const std::string& file,
                                          const ProfileSettings& settings) {
  const std::string contents = files.Read(file);
  if (contents.size() > kLargestProfile)
    Refuse(file, {{1, "the file is larger than any settings profile"}});
  return ReadProfile(contents, settings, file);
}

std::string WriteProfile(const ProfileSettings& settings) {
  std::vector<ProfileSection> sections;
  for (const auto& setting : settings) {
    if (sections.empty() || sections.back().name != setting->section())
      sections.push_back({setting->section(), {}});
    sections.back().entries.push_back({setting->name(), setting->Shown()});
  }
  return FormatProfile(sections);
}

void FillPages(TForm1& form, const std::vector<ProfileValue>& values) {
  for (const ProfileValue& value : values) value.setting->Fill(value.value);
  for (Page* page : form.PagesInOrder()) page->SetEditBoxen();
}

}  // namespace quellon
