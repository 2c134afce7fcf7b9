// The load and save rows of the "Wintv2k" page, in the order the viewer's values are visited.

#include <exception>

#include "app/form1.h"
#include "app/setting_blocks.h"
#include "pages/number_format.h"
#include "pages/wintv2000/buffer_path.h"
#include "registry/registry_ops.h"

namespace quellon {
namespace {

// The registry ignores the case of key names, so each pair below names one key; a key that a save
// creates keeps the spelling of the row that created it, which is why each row keeps its own.
constexpr const char* kTvWndKey = "SOFTWARE\\Hauppauge\\hcwTVWnd";
constexpr const char* kCountryKey = "SOFTWARE\\Hauppauge\\HCWtvwnd";
constexpr const char* kSlipKey = "SOFTWARE\\Hauppauge\\WinTV32\\Preferences";
constexpr const char* kPreferencesKey = "Software\\Hauppauge\\WinTV32\\Preferences";

void LoadSizeBox(LoadContext& ctx, ui::Edit& box, const char* name) {
  if (const auto value = ctx.reg.GetRegIntKeyHKLM(kPreferencesKey, name))
    box.SetText(FormatInteger(*value));
}

void LoadLiveDir(LoadContext& ctx, TWintv2k& page) {
  // A missing key gives no path, and so does a stored "xxxx", the marker the string readers have
  // always given for a missing key.
  const std::string path = ctx.reg.GetRegStrKeyHKLM(kTvWndKey, "LiveFileName").value_or("");
  page.LiveDir.SetText(path == "xxxx" ? "" : path);
  page.LoadedLiveDir = page.LiveDir.text();
}

// A code that is no number or cannot be written does not end the save: the step gives up,
// unticks its save box and the save goes on.
void SaveCountryCode(SaveContext& ctx, TWintv2k& page) {
  if (!page.ForceCountryCheck.checked()) return;
  try {
    if (!page.ForceCountry.checked()) {
      ctx.reg.DeleteRegKeyValueHKLM(kCountryKey, "AllChannelsCountryCode");
      return;
    }
    if (const auto code = ParseInteger(page.ForceCountryEdit.text())) {
      ctx.reg.SetRegIntKeyHKLM(kCountryKey, "AllChannelsCountryCode", *code);
      return;
    }
  } catch (const std::exception&) {
  }
  page.ForceCountryCheck.SetChecked(false);
}

// Width and height stand alone: one that is no number or cannot be written is skipped quietly.
void SaveSize(SaveContext& ctx, const ui::Edit& box, const char* name) {
  const auto value = ParseInteger(box.text());
  if (!value) return;
  try {
    ctx.reg.SetRegIntKeyHKLM(kPreferencesKey, name, *value);
  } catch (const std::exception&) {
  }
}

// A text without a file name (a bare folder) would make the viewer treat a folder as its buffer
// file; it is written as little as an empty one.
bool NamesAFile(const std::string& path) {
  return !buffer_path::FileNamePart(path).empty();
}

}  // namespace

void LoadWintv2kRows(LoadContext& ctx) {
  TWintv2k& page = ctx.form.FrameWintv2k;
  const RegistryOps& reg = ctx.reg;

  const auto play_local = reg.GetRegIntKeyHKLM(kTvWndKey, "TV_Out_PlayLocal");
  page.Softdec.SetChecked(play_local.value_or(1) == 1);

  page.livepreview.SetChecked(reg.GetRegIntKeyHKLM(kTvWndKey, "LivePreview") == 1);

  const auto country = reg.GetRegIntKeyHKLM(kCountryKey, "AllChannelsCountryCode");
  page.ForceCountry.SetChecked(country.has_value());
  page.ForceCountryEdit.SetText(country ? FormatInteger(*country) : "");

  // Values other than 0 and 1 are not the viewer's; the box keeps what it shows.
  const int slip = reg.GetRegIntKeyHKLM(kSlipKey, "Allow_SlipChannelChange").value_or(0);
  if (slip == 1) page.pausechannel.SetChecked(true);
  if (slip == 0) page.pausechannel.SetChecked(false);

  LoadLiveDir(ctx, page);

  if (const auto step = reg.GetRegIntKeyHKLM(kPreferencesKey, "Animate_Step"))
    page.TrackBar1.SetPosition(ctx.Computed(*step));

  LoadSizeBox(ctx, page.VRes, "SnapshotHeight");
  LoadSizeBox(ctx, page.Hres, "SnapshotWidth");
}

void SaveWintv2kRows(SaveContext& ctx) {
  TWintv2k& page = ctx.form.FrameWintv2k;
  const RegistryOps& reg = ctx.reg;

  if (page.softDecCheck.checked())
    reg.SetRegIntKeyHKLM(kTvWndKey, "TV_Out_PlayLocal", page.Softdec.checked() ? 1 : 0);
  if (page.livepreviewCheck.checked())
    reg.SetRegIntKeyHKLM(kTvWndKey, "LivePreview", page.livepreview.checked() ? 1 : 0);
  SaveCountryCode(ctx, page);
  if (page.pausechannelCheck.checked())
    reg.SetRegIntKeyHKLM(kSlipKey, "Allow_SlipChannelChange", page.pausechannel.checked() ? 1 : 0);
  if (page.LiveDirCheck.checked() && NamesAFile(page.LiveDir.text()))
    reg.SetRegStrKeyHKLM(kTvWndKey, "LiveFileName", page.LiveDir.text());
  if (page.CheckBox1.checked())
    reg.SetRegIntKeyHKLM(kPreferencesKey, "Animate_Step", page.TrackBar1.position());
  if (page.SnapResCheck.checked() && !page.VRes.text().empty() && !page.Hres.text().empty()) {
    SaveSize(ctx, page.Hres, "SnapshotWidth");
    SaveSize(ctx, page.VRes, "SnapshotHeight");
  }
}

}  // namespace quellon
