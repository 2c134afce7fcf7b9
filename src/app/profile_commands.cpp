#include "app/profile_commands.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "app/console_form.h"
#include "app/dry_run.h"
#include "app/profile.h"
#include "app/profile_texts.h"
#include "safety/transfer.h"

namespace quellon {
namespace {

// A .reg file: a byte order mark (a profile has none), or a registry editor's first line.
bool IsRegFile(std::string_view contents) {
  if (contents.starts_with("\xFF\xFE") || contents.starts_with("\xEF\xBB\xBF")) return true;
  const std::size_t start = contents.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return false;
  std::string_view first = contents.substr(start, contents.find_first_of("\r\n", start) - start);
  while (!first.empty() && (first.back() == ' ' || first.back() == '\t')) first.remove_suffix(1);
  return first == "REGEDIT4" || first == "Windows Registry Editor Version 5.00";
}

using Chosen = std::function<bool(const ProfileSetting&)>;

// One save of the profile's settings that `chosen` lets through (options always) into a view of
// the registry: the pages as the window would fill them, the writes kept in the view.
struct DryRun {
  std::vector<CapturingRegistry::Touched> touched;
  std::vector<ValueChange> changes;
};

DryRun RunProfile(const ConsoleServices& services, std::string_view contents,
                  const std::string& file, const Chosen& chosen) {
  CapturingRegistry view(services.registry);
  ReadOnlyFiles files(services.files);
  ConsoleForm console(view, files);
  const ProfileSettings settings = SettingsOf(console.form());
  DryRun run;
  std::vector<ProfileValue> values = ReadProfile(contents, settings, file);
  std::erase_if(values,
                [&](const ProfileValue& v) { return !v.setting->option() && !chosen(*v.setting); });
  FillPages(console.form(), values);
  console.form().WriteSettingsWithoutBackup();
  run.touched = view.touched();
  run.changes = ChangesOf(view, services.registry);
  return run;
}

std::string ChangesText(const std::vector<ValueChange>& changes, const std::string& indent) {
  std::string text;
  for (const ValueChange& change : changes) text += indent + ChangeLine(change) + "\n";
  return text;
}

std::string Id(RegHandle root, const std::string& key, const std::string& name) {
  std::string id = std::to_string(root) + "\n" + key + "\n" + name;
  std::ranges::transform(id, id.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return id;
}

std::set<std::string> Ids(const std::vector<CapturingRegistry::Touched>& touched) {
  std::set<std::string> ids;
  for (const auto& t : touched) ids.insert(Id(t.root, t.key, t.name));
  return ids;
}

// What a save of each named setting alone writes, besides what every save writes.
std::vector<std::set<std::string>> OwnWrites(const ConsoleServices& services,
                                             std::string_view contents, const std::string& file,
                                             const std::vector<ProfileValue>& values,
                                             const std::set<std::string>& always) {
  std::vector<std::set<std::string>> writes;
  for (const ProfileValue& value : values) {
    const auto same = [&](const ProfileSetting& s) {
      return s.section() == value.setting->section() && s.name() == value.setting->name();
    };
    std::set<std::string> own;
    if (!value.setting->option())
      for (const std::string& id : Ids(RunProfile(services, contents, file, same).touched))
        if (!always.contains(id)) own.insert(id);
    writes.push_back(std::move(own));
  }
  return writes;
}

// Each change, by the index of the setting that writes its value last in the save's order.
std::map<std::size_t, std::vector<ValueChange>> Attribute(
    const std::vector<ValueChange>& changes, const std::vector<ProfileValue>& values,
    const std::vector<std::set<std::string>>& writes) {
  std::map<std::size_t, std::vector<ValueChange>> differences;
  for (const ValueChange& change : changes) {
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < values.size(); ++i)
      if (writes[i].contains(Id(change.root, change.key, change.name)) &&
          (!last || values[i].setting->save_rank() > values[*last].setting->save_rank()))
        last = i;
    if (last) differences[*last].push_back(change);
  }
  return differences;
}

}  // namespace

int SaveProfileCommand(const ConsoleServices& services, const std::string& file, std::string& out) {
  ConsoleForm console(services.registry, services.files);
  const ProfileSettings settings = SettingsOf(console.form());
  services.files.Write(file, WriteProfile(settings));
  out += ProfileSavedText(settings, file);
  return kExitSuccess;
}

// The window's own save of the filled pages: its backup, its order, its fan-out and its messages.
int ApplyProfileCommand(const ConsoleServices& services, const std::string& file, std::string& out,
                        std::string& err) {
  ConsoleForm console(services.registry, services.files);
  TForm1& form = console.form();
  form.BackUpSavesAs(BackupReason::kProfile);
  const ProfileSettings settings = SettingsOf(form);
  const std::vector<ProfileValue> values = ReadProfileFile(services.files, file, settings);
  out += ProfileReadText(values.size(), file);
  FillPages(form, values);
  console.app().Run([&] { form.SaveClick(); });
  if (!form.last_backup().empty()) out += "Backup written: " + form.last_backup() + "\n";
  for (const std::string& message : console.platform().messages) out += message + "\n";
  for (const std::string& error : console.platform().errors) err += error + "\n";
  return console.platform().errors.empty() ? kExitSuccess : kExitFailure;
}

int DryRunCommand(const ConsoleServices& services, const std::string& file, std::string& out) {
  const std::string contents = services.files.Read(file);
  std::vector<ValueChange> changes;
  if (IsRegFile(contents)) {
    CapturingRegistry view(services.registry);
    ReadOnlyFiles files(services.files);
    BackupStore backups(files);
    static_cast<void>(ImportSettings(view, services.catalogue(view), backups, file));
    changes = ChangesOf(view, services.registry);
  } else {
    changes =
        RunProfile(services, contents, file, [](const ProfileSetting&) { return true; }).changes;
  }
  out += ChangesText(changes, "");
  out += "Dry run of \"" + file + "\": " + std::to_string(changes.size()) +
         (changes.size() == 1 ? " value" : " values") + " would change; nothing was written.\n";
  return kExitSuccess;
}

// A difference belongs to the setting that writes the value last in the save's order: the linked
// left channel writes the right one too, and the right channel's own value comes after it. What
// every save writes (the encoder flag) belongs to none.
int CheckProfileCommand(const ConsoleServices& services, const std::string& file,
                        std::string& out) {
  const std::string contents = services.files.Read(file);
  const DryRun all =
      RunProfile(services, contents, file, [](const ProfileSetting&) { return true; });
  std::map<std::size_t, std::vector<ValueChange>> differences;
  // The named settings in the order of the pages, read against a window of their own.
  CapturingRegistry view(services.registry);
  ReadOnlyFiles files(services.files);
  ConsoleForm console(view, files);
  const ProfileSettings settings = SettingsOf(console.form());
  const std::vector<ProfileValue> values = ReadProfile(contents, settings, file);
  if (!all.changes.empty()) {
    const std::set<std::string> always = Ids(
        RunProfile(services, contents, file, [](const ProfileSetting&) { return false; }).touched);
    differences =
        Attribute(all.changes, values, OwnWrites(services, contents, file, values, always));
  }
  if (differences.empty()) {
    out += "This machine holds every setting of \"" + file + "\".\n";
    return kExitSuccess;
  }
  for (const auto& [index, changes] : differences) {
    const ProfileSetting& setting = *values[index].setting;
    const std::optional<std::string> here = setting.Shown();
    out += "[" + setting.section() + "] " + setting.name() + ": " + (here ? *here : "no value") +
           " on this machine, " + values[index].value + " in the profile\n" +
           ChangesText(changes, "  ");
  }
  out += std::to_string(differences.size()) +
         (differences.size() == 1 ? " setting differs" : " settings differ") + " from \"" + file +
         "\".\n";
  return kExitFailure;
}

}  // namespace quellon
