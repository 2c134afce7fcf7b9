#include "pages/wintv2000/wintv2k_rows.h"

#include "pages/number_format.h"
#include "pages/page.h"
#include "pages/wintv2000/buffer_path.h"
#include "pages/wintv2000/wintv2k_table.h"
#include "settings/wintv2k_values.h"

namespace quellon {
namespace {

namespace values = settings::wintv2k;

// The code and size boxes take digits and backspace only.
void DigitsOnly(char& key) {
  if ((key < '0' || key > '9') && key != '\b') key = 0;
}

// A box left holding an integer shows it in plain decimal ("049" becomes "49"); anything else
// (empty text, a number too large for 32 bits, pasted letters) empties it.
void NormaliseIntegerBox(ui::Edit& box) {
  const auto value = ParseInteger(box.text());
  box.SetText(value ? FormatInteger(*value) : std::string());
}

// The file name the edited path keeps: the loaded one. With nothing loaded (a fresh machine, or a
// stored path that ends in a folder) the name already in the box is kept instead of dropping it.
std::string KeptFileName(const std::string& loaded, const std::string& current) {
  const std::string name = buffer_path::FileNamePart(loaded);
  return name.empty() ? buffer_path::FileNamePart(current) : name;
}

// A text without a file name (a bare folder) would make the viewer treat a folder as its buffer
// file; it is written as little as an empty one.
bool NamesAFile(const std::string& path) {
  return !buffer_path::FileNamePart(path).empty();
}

}  // namespace

CountryCodeRow::CountryCodeRow(Page& page, ui::Control& parent)
    : Row(page, wintv2k::kCountryCodeStep),
      ForceCountry("ForceCountry", &parent),
      Label5("Label5", &parent),
      ForceCountryEdit("ForceCountryEdit", &parent),
      ForceCountryCheck("ForceCountryCheck", &parent) {
  ForceCountry.SetCaption("Force Country");
  ForceCountry.caption_left = true;
  ForceCountry.SetBounds({16, 40, 112, 17});
  Label5.SetCaption(":");
  Label5.SetBounds({134, 42, 4, 13});
  ForceCountryEdit.SetBounds({144, 38, 56, 21});
  ForceCountryCheck.SetBounds({wintv2k::kSaveColumn, 40, 17, 17});
  ForceCountryEdit.SetAccessibleName(ForceCountry.caption());
  ForceCountryCheck.SetAccessibleName(SaveBoxName(ForceCountry.caption()));

  for (ui::Control* c :
       {static_cast<ui::Control*>(&ForceCountry), static_cast<ui::Control*>(&ForceCountryEdit),
        static_cast<ui::Control*>(&ForceCountryCheck)}) {
    EnterOnFocus(*c);
    EnterOnPointer(*c);
  }
  ForceCountry.OnExit = ForceCountryCheck.OnExit = [this] { ForceCountry.SetBold(false); };
  ForceCountryEdit.OnExit = [this] { NormaliseIntegerBox(ForceCountryEdit); };
  ForceCountryEdit.OnKeyPress = DigitsOnly;
  ForceCountryCheck.OnClick = [this] { ForceCountryCheckClick(); };
}

void CountryCodeRow::Enter() {
  page().Highlight(ForceCountry, wintv2k::kCountryCodeHelp);
}

// Ticking the save box needs a code to write; unticking it again raises this click once more,
// which then does nothing.
void CountryCodeRow::ForceCountryCheckClick() {
  if (!ForceCountryCheck.checked() || !ForceCountryEdit.text().empty()) return;
  page().host().app().platform().ShowMessage("You need to fill in a country code first");
  ForceCountryCheck.SetChecked(false);
}

void CountryCodeRow::Load(LoadContext& ctx) {
  const auto code = ctx.store.Read(values::kCountryCode);
  ForceCountry.SetChecked(code.has_value());
  ForceCountryEdit.SetText(code ? FormatInteger(*code) : "");
}

// An unticked "Force Country" deletes the code. A code that is no number or cannot be written
// does not end the save: the step gives up, unticks its save box and the save goes on.
void CountryCodeRow::Save(SaveContext& ctx) {
  if (!ForceCountryCheck.checked()) return;
  if (!ForceCountry.checked()) return ctx.store.Delete(values::kCountryCode);
  const auto code = ParseInteger(ForceCountryEdit.text());
  if (code && ctx.store.TryWrite(values::kCountryCode, *code)) return;
  ForceCountryCheck.SetChecked(false);
}

BufferPathRow::BufferPathRow(Page& page, ui::Control& parent)
    : Row(page, wintv2k::kBufferPathStep),
      Label3("Label3", &parent),
      LiveDir("LiveDir", &parent),
      LiveDirBtn("LiveDirBtn", &parent),
      LiveDirCheck("LiveDirCheck", &parent) {
  Label3.SetCaption("LiveTV buffer location");
  Label3.SetBounds({16, 204, 164, 13});
  LiveDir.SetBounds({wintv2k::kValueColumn, 200, 200, 21});
  LiveDirBtn.SetCaption("...");
  LiveDirBtn.SetBounds({388, 200, 24, 21});
  LiveDirCheck.SetBounds({wintv2k::kSaveColumn, 202, 17, 17});
  LiveDir.SetAccessibleName(Label3.caption());
  LiveDirBtn.SetAccessibleName("Browse for " + Label3.caption());
  LiveDirCheck.SetAccessibleName(SaveBoxName(Label3.caption()));

  for (ui::Control* c :
       {static_cast<ui::Control*>(&LiveDir), static_cast<ui::Control*>(&LiveDirCheck)}) {
    EnterOnFocus(*c);
    c->OnExit = [this] { LiveDirExit(); };
  }
  LiveDirBtn.OnClick = [this] { LiveDirBtnClick(); };
  Hover(LiveDir);
  Hover(LiveDirCheck);
  Hover(Label3);
}

void BufferPathRow::Enter() {
  page().Highlight(Label3, wintv2k::kBufferPathHelp);
}

void BufferPathRow::LiveDirBtnClick() {
  const auto folder = page().host().app().platform().BrowseForFolder("LiveTV bufferfile location");
  if (!folder || folder->empty()) return;
  // The browser gives a folder without its trailing backslash; joined with the kept file name the
  // box again holds a whole file path, which the exit rule and the save expect.
  LiveDir.SetText(buffer_path::Join(*folder, KeptFileName(LoadedLiveDir, LiveDir.text())));
}

void BufferPathRow::LiveDirExit() {
  page().FontsNormal();
  const std::string text = LiveDir.text();
  const std::string folder = buffer_path::FolderPart(text);
  ui::Platform& platform = page().host().app().platform();
  if (platform.FolderExists(folder)) {
    LiveDir.SetText(folder + KeptFileName(LoadedLiveDir, text));
    return;
  }
  platform.ShowMessage("\"" + text + "\" is not a valid directory");
  LiveDir.SetText(LoadedLiveDir);
  LiveDirCheck.SetChecked(false);
}

// A missing key gives no path, and so does a stored "xxxx", the marker the string readers have
// always given for a missing key.
void BufferPathRow::Load(LoadContext& ctx) {
  const std::string path = ctx.store.ReadText(values::kLiveFileName).value_or("");
  LiveDir.SetText(path == "xxxx" ? "" : path);
  LoadedLiveDir = LiveDir.text();
}

void BufferPathRow::Save(SaveContext& ctx) {
  if (LiveDirCheck.checked() && NamesAFile(LiveDir.text()))
    ctx.store.WriteText(values::kLiveFileName, LiveDir.text());
}

SnapshotRow::SnapshotRow(Page& page, ui::Control& parent)
    : Row(page, wintv2k::kSnapshotStep),
      Label4("Label4", &parent),
      Hres("Hres", &parent),
      Label6("Label6", &parent),
      VRes("VRes", &parent),
      SnapResCheck("SnapResCheck", &parent) {
  Label4.SetCaption("Snapshot resolution");
  Label4.SetBounds({16, 244, 164, 13});
  Hres.SetBounds({wintv2k::kValueColumn, 240, 50, 21});
  Label6.SetCaption(":");
  Label6.SetBounds({238, 244, 4, 13});
  VRes.SetBounds({246, 240, 50, 21});
  SnapResCheck.SetBounds({wintv2k::kSaveColumn, 242, 17, 17});
  // Two boxes under one caption: a screen reader tells them apart by what each holds.
  Hres.SetAccessibleName(Label4.caption() + " width");
  VRes.SetAccessibleName(Label4.caption() + " height");
  SnapResCheck.SetAccessibleName(SaveBoxName(Label4.caption()));

  for (ui::Control* c : {static_cast<ui::Control*>(&Hres), static_cast<ui::Control*>(&VRes),
                         static_cast<ui::Control*>(&SnapResCheck)})
    EnterOnFocus(*c);
  Hres.OnExit = [this] { BoxExit(Hres); };
  VRes.OnExit = [this] { BoxExit(VRes); };
  Hres.OnKeyPress = VRes.OnKeyPress = DigitsOnly;
  SnapResCheck.OnExit = [this] { this->page().FontsNormal(); };
  SnapResCheck.OnClick = [this] { SnapResCheckClick(); };
  Hover(VRes);
  Hover(Hres);
  Hover(Label4);
}

void SnapshotRow::Enter() {
  page().Highlight(Label4, wintv2k::kSnapshotHelp);
}

void SnapshotRow::BoxExit(ui::Edit& box) {
  page().FontsNormal();
  NormaliseIntegerBox(box);
}

void SnapshotRow::SnapResCheckClick() {
  if (!SnapResCheck.checked()) return;
  if (!VRes.text().empty() && !Hres.text().empty()) return;
  page().host().app().platform().ShowMessage("You need to fill in a valid resolution first");
  SnapResCheck.SetChecked(false);
}

void SnapshotRow::Load(LoadContext& ctx) {
  if (const auto height = ctx.store.Read(values::kSnapshotHeight))
    VRes.SetText(FormatInteger(*height));
  if (const auto width = ctx.store.Read(values::kSnapshotWidth))
    Hres.SetText(FormatInteger(*width));
}

// Width and height stand alone: one that is no number or cannot be written is skipped quietly.
void SnapshotRow::Save(SaveContext& ctx) {
  if (!SnapResCheck.checked() || VRes.text().empty() || Hres.text().empty()) return;
  for (auto [box, value] :
       {std::pair{&Hres, &values::kSnapshotWidth}, std::pair{&VRes, &values::kSnapshotHeight}}) {
    if (const auto size = ParseInteger(box->text()))
      static_cast<void>(ctx.store.TryWrite(*value, *size));
  }
}

}  // namespace quellon
