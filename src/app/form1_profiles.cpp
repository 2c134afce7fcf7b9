// The window's system menu commands for settings profiles. Saving one writes what the pages show
// now; applying one only fills the pages and ticks the named rows' save boxes: the user looks,
// then presses "Save settings", whose save writes them as it writes every ticked row.

#include "app/form1.h"
#include "app/profile.h"
#include "app/profile_texts.h"

namespace quellon {
namespace {

ui::FileDialog ProfileDialog(bool save, std::string title) {
  return {save, std::move(title), "Settings profiles (*.ini)", "*.ini", "ini"};
}

std::string Shown(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

void TForm1::SaveProfileClick() {
  ui::Platform& platform = app_.platform();
  const std::optional<std::string> file =
      platform.ChooseFile(ProfileDialog(true, "Save settings profile"));
  if (!file) return;
  if (files_.Exists(*file) &&
      !platform.Confirm(*file + " already exists.\nDo you want to replace it?"))
    return;
  const ProfileSettings settings = SettingsOf(*this);
  files_.Write(*file, WriteProfile(settings));
  platform.ShowMessage(Shown(ProfileSavedText(settings, *file)));
}

// The pages show what the registry holds with the profile's settings on top, and only those are
// ticked. A refused profile changes nothing.
void TForm1::ApplyProfileClick() {
  ui::Platform& platform = app_.platform();
  const std::optional<std::string> file =
      platform.ChooseFile(ProfileDialog(false, "Apply settings profile"));
  if (!file) return;
  const ProfileSettings settings = SettingsOf(*this);
  const std::vector<ProfileValue> values = ReadProfileFile(files_, *file, settings);
  ResetClick();
  FillPages(*this, values);
  ShowRestingInfo();
  platform.ShowMessage(Shown(ProfileReadText(values.size(), *file)) +
                       "\nTheir save boxes are ticked; nothing is written until you press "
                       "\"Save settings\".");
}

}  // namespace quellon
