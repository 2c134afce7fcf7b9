#include "pages/wintv2000/wintv2k.h"

#include <initializer_list>

#include "pages/number_format.h"
#include "pages/wintv2000/wintv2k_help.h"

namespace quellon {
namespace {

using Controls = std::initializer_list<ui::Control*>;

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

}  // namespace

TWintv2k::TWintv2k(ui::Control* parent, PageHost& host)
    : Page("FrameWintv2k", parent, host),
      row1_(*this, Label2, TrackBar1, Edit1, CheckBox1, RowKind::Integer,
            wintv2k_help::RecordPauseSpeed()) {
  LayOut();
  BindEvents();
  BindHover();
}

void TWintv2k::BindEvents() {
  for (ui::Control* c : Controls{&ForceCountry, &ForceCountryEdit, &ForceCountryCheck}) {
    c->OnEnter = [this] { ForceCountryEnter(); };
    c->OnMouseMove = [this] { ForceCountryEnter(); };
  }
  ForceCountry.OnExit = [this] { ForceCountry.SetBold(false); };
  ForceCountryCheck.OnExit = [this] { ForceCountry.SetBold(false); };
  ForceCountryEdit.OnExit = [this] { ForceCountryEditExit(); };
  ForceCountryEdit.OnKeyPress = [this](char& key) { ForceCountryEditKeyPress(key); };
  ForceCountryCheck.OnClick = [this] { ForceCountryCheckClick(); };

  // A click on the software decoder or its save box shows its help as well.
  for (ui::CheckBox* c : {&Softdec, &softDecCheck}) {
    c->OnEnter = [this] { softDecEnter(); };
    c->OnExit = [this] { Softdec.SetBold(false); };
    c->OnClick = [this] { softDecEnter(); };
    c->OnMouseMove = [this] { softDecEnter(); };
  }
  for (ui::CheckBox* c : {&livepreview, &livepreviewCheck}) {
    c->OnEnter = [this] { livepreviewEnter(); };
    c->OnExit = [this] { livepreview.SetBold(false); };
    c->OnMouseMove = [this] { livepreviewEnter(); };
  }
  for (ui::CheckBox* c : {&pausechannel, &pausechannelCheck}) {
    c->OnEnter = [this] { pausechannelEnter(); };
    c->OnExit = [this] { pausechannel.SetBold(false); };
    c->OnMouseMove = [this] { pausechannelEnter(); };
  }

  // The save box of the drop speed row has no exit action: its caption stays bold until another
  // help action or the row's exit resets it.
  for (ui::Control* c : Controls{&TrackBar1, &Edit1, &CheckBox1})
    c->OnEnter = [this] { TrackBar1Enter(); };
  TrackBar1.OnExit = [this] { Edit1Exit(); };
  Edit1.OnExit = [this] { Edit1Exit(); };
  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  Edit1.OnChange = [this] { Edit1Change(); };

  for (ui::Control* c : Controls{&LiveDir, &LiveDirCheck}) {
    c->OnEnter = [this] { LiveDirEnter(); };
    c->OnExit = [this] { LiveDirExit(); };
  }
  LiveDirBtn.OnClick = [this] { LiveDirBtnClick(); };

  for (ui::Control* c : Controls{&Hres, &VRes, &SnapResCheck}) c->OnEnter = [this] { HresEnter(); };
  Hres.OnExit = [this] { HresExit(); };
  VRes.OnExit = [this] { VResExit(); };
  Hres.OnKeyPress = [this](char& key) { HresKeyPress(key); };
  VRes.OnKeyPress = [this](char& key) { VResKeyPress(key); };
  SnapResCheck.OnExit = [this] { FontsNormal(); };
  SnapResCheck.OnClick = [this] { SnapResCheckClick(); };
}

// The hover table, tested in this order; where rectangles overlap the last hit decides.
void TWintv2k::BindHover() {
  SetHoverSpace(GroupBox1);
  AddHover(TrackBar1, [this] { TrackBar1Enter(); });
  AddHover(Edit1, [this] { TrackBar1Enter(); });
  AddHover(LiveDir, [this] { LiveDirEnter(); });
  AddHover(VRes, [this] { HresEnter(); });
  AddHover(Hres, [this] { HresEnter(); });
  AddHover(CheckBox1, [this] { TrackBar1Enter(); });
  AddHover(LiveDirCheck, [this] { LiveDirEnter(); });
  AddHover(Label3, [this] { LiveDirEnter(); });
  AddHover(Label2, [this] { TrackBar1Enter(); });
  AddHover(Label4, [this] { HresEnter(); });
}

void TWintv2k::SetEditBoxen() {
  row1_.FillEditBox();
}

void TWintv2k::UnCheckSaveSettings() {
  for (ui::CheckBox* c : {&ForceCountryCheck, &softDecCheck, &livepreviewCheck, &pausechannelCheck,
                          &LiveDirCheck, &CheckBox1, &SnapResCheck})
    c->SetChecked(false);
}

void TWintv2k::FontsNormal() {
  for (ui::Control* c :
       Controls{&Softdec, &ForceCountry, &livepreview, &pausechannel, &Label3, &Label2, &Label4})
    c->SetBold(false);
}

void TWintv2k::ShowRowHelp(ui::Control& caption, const HelpEntry& entry) {
  FontsNormal();
  caption.SetBold(true);
  ShowHelp(entry);
}

void TWintv2k::softDecEnter() {
  ShowRowHelp(Softdec, wintv2k_help::SoftwareDecoder());
}
void TWintv2k::livepreviewEnter() {
  ShowRowHelp(livepreview, wintv2k_help::LivePreview());
}
void TWintv2k::ForceCountryEnter() {
  ShowRowHelp(ForceCountry, wintv2k_help::ForceCountry());
}
void TWintv2k::HresEnter() {
  ShowRowHelp(Label4, wintv2k_help::SnapshotResolution());
}
void TWintv2k::pausechannelEnter() {
  ShowRowHelp(pausechannel, wintv2k_help::TimeshiftChannelChange());
}
void TWintv2k::LiveDirEnter() {
  ShowRowHelp(Label3, wintv2k_help::LiveBuffer());
}

void TWintv2k::ForceCountryEditKeyPress(char& key) {
  DigitsOnly(key);
}

void TWintv2k::ForceCountryEditExit() {
  NormaliseIntegerBox(ForceCountryEdit);
}

// Ticking the save box needs a code to write; unticking it again raises this click once more,
// which then does nothing.
void TWintv2k::ForceCountryCheckClick() {
  if (!ForceCountryCheck.checked() || !ForceCountryEdit.text().empty()) return;
  host().app().platform().ShowMessage("You need to fill in a country code first");
  ForceCountryCheck.SetChecked(false);
}

void TWintv2k::HresKeyPress(char& key) {
  DigitsOnly(key);
}
void TWintv2k::VResKeyPress(char& key) {
  DigitsOnly(key);
}

void TWintv2k::HresExit() {
  FontsNormal();
  NormaliseIntegerBox(Hres);
}

void TWintv2k::VResExit() {
  FontsNormal();
  NormaliseIntegerBox(VRes);
}

void TWintv2k::SnapResCheckClick() {
  if (!SnapResCheck.checked()) return;
  if (!VRes.text().empty() && !Hres.text().empty()) return;
  host().app().platform().ShowMessage("You need to fill in a valid resolution first");
  SnapResCheck.SetChecked(false);
}

}  // namespace quellon
