#include "pages/pvr150/fr150.h"

#include <string>

#include "pages/pvr150/fr150_help.h"

namespace quellon {
namespace {

// The rows whose slider, when moved, shows the row's help first, so that the help panel follows
// the volume sliders.
bool EntersOnSliderMove(int row) {
  return row == 1 || row == 3 || row == 4;
}

}  // namespace

TFr150::TFr150(ui::Control* parent, PageHost& host) : Page("Frame150", parent, host) {
  MakeRows();
  LayOut();
  BindEvents();
  BindHover();
}

void TFr150::MakeRows() {
  struct Parts {
    ui::Label& caption;
    ui::Slider& slider;
    ui::Edit& edit;
    ui::CheckBox& save;
  };
  const Parts parts[] = {
      {Label2, TrackBar1, Edit1, CheckBox1},  {Label4, TrackBar2, Edit2, CheckBox2},
      {Label5, TrackBar3, Edit3, CheckBox3},  {Label7, TrackBar4, Edit4, CheckBox4},
      {Label9, TrackBar5, Edit5, CheckBox5},  {Label11, TrackBar6, Edit6, CheckBox6},
      {Label12, TrackBar7, Edit7, CheckBox7}, {Label13, TrackBar8, Edit8, CheckBox8},
      {Label3, TrackBar9, Edit9, CheckBox9},  {Label14, TrackBar10, Edit10, CheckBox10},
  };
  rows_.reserve(std::size(parts));
  int row = 1;
  for (const Parts& p : parts) {
    // The line-in rows count half decibels.
    const RowKind kind = (row == 3 || row == 4) ? RowKind::HalfStep : RowKind::Integer;
    rows_.emplace_back(*this, p.caption, p.slider, p.edit, p.save, kind, Fr150RowHelp(row));
    ++row;
  }
}

void TFr150::BindEvents() {
  // Focus arriving in the group box from outside shows the first row's help.
  GroupBox1.OnEnter = [this] { TrackBarEnter(1); };
  for (int n = 1; n <= static_cast<int>(rows_.size()); ++n) {
    SettingRow& row = Row(n);
    row.slider().OnEnter = row.edit().OnEnter =
        row.save().OnEnter = [this, n] { TrackBarEnter(n); };
    row.slider().OnChange = [this, n] { TrackBarChange(n); };
    row.edit().OnChange = [this, n] { EditChange(n); };
    row.slider().OnExit = row.edit().OnExit = [this, n] { EditExit(n); };
  }
  AutoGain.OnEnter = AGCSave.OnEnter = [this] { AutoGainEnter(); };
  AutoGain.OnExit = AGCSave.OnExit = [this] { AutoGainExit(); };
  SetFilter.OnEnter = [this] { SetFilterEnter(); };
  SetWintv2kProcamp.OnEnter = [this] { SetWintv2kProcampEnter(); };
  VolLinked.OnClick = [this] { VolLinkedClick(); };
  SetProcampDefaults.OnClick = [this] { SetProcampDefaultsClick(); };
}

// Tested in this order, every match runs and the last one decides what the panel shows. Row 9,
// the link box, the button and the headings have no entry.
void TFr150::BindHover() {
  SetHoverSpace(GroupBox1);
  const int rows[] = {1, 2, 3, 4, 5, 6, 7, 8, 10};
  for (const int n : rows) AddHover(Row(n).slider(), [this, n] { TrackBarEnter(n); });
  for (const int n : rows) AddHover(Row(n).edit(), [this, n] { TrackBarEnter(n); });
  for (const int n : rows) AddHover(Row(n).save(), [this, n] { TrackBarEnter(n); });
  AddHover(AutoGain, [this] { AutoGainEnter(); });
  AddHover(AGCSave, [this] { AutoGainEnter(); });
  AddHover(SetFilter, [this] { SetFilterEnter(); });
  AddHover(SetWintv2kProcamp, [this] { SetWintv2kProcampEnter(); });
  const int captions[] = {1, 3, 4, 10, 5, 6, 7, 8, 2};
  for (const int n : captions) AddHover(Row(n).caption(), [this, n] { TrackBarEnter(n); });
}

void TFr150::SetEditBoxen() {
  for (SettingRow& row : rows_) row.FillEditBox();
}

void TFr150::UnCheckSaveSettings() {
  for (ui::CheckBox* box : {&CheckBox1, &CheckBox3, &CheckBox4, &AGCSave, &CheckBox10, &CheckBox5,
                            &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox2, &CheckBox9})
    box->SetChecked(false);
}

void TFr150::FontsNormal() {
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &AutoGain, &Label2, &Label5, &Label7, &VolLinked, &Label14, &Label9, &Label11, &Label12,
           &Label13, &Label4, &Label3, &SetFilter, &SetWintv2kProcamp})
    c->SetBold(false);
}

void TFr150::TrackBarEnter(int row) {
  Row(row).Enter();
}

void TFr150::TrackBarChange(int row) {
  if (row == 3) return TrackBar3Change();
  if (EntersOnSliderMove(row)) TrackBarEnter(row);
  Row(row).SliderChanged();
}

void TFr150::EditChange(int row) {
  if (row == 3) return Edit3Change();
  // The right channel's box only follows the left one while the channels are linked.
  if (row == 4 && VolLinked.checked()) return;
  Row(row).EditChanged();
}

void TFr150::EditExit(int row) {
  Row(row).Exit();
}

// The left channel drives the right one while linked; every move of the left slider is logged.
void TFr150::TrackBar3Change() {
  TrackBarEnter(3);
  Row(3).SliderChanged();
  if (VolLinked.checked()) Edit4.SetText(Edit3.text());
  if (VolLinked.checked()) TrackBar4.SetPosition(TrackBar3.position());
  host().DebugLog().Append(std::to_string(TrackBar3.position()));
}

void TFr150::Edit3Change() {
  if (!Row(3).EditChanged()) return;
  if (VolLinked.checked()) Edit4.SetText(Edit3.text());
  if (VolLinked.checked()) TrackBar4.SetPosition(TrackBar3.position());
}

// The automatic gain has no help entry: entering it only highlights its caption.
void TFr150::AutoGainEnter() {
  FontsNormal();
  AutoGain.SetBold(true);
}

void TFr150::AutoGainExit() {
  FontsNormal();
}

void TFr150::SetFilterEnter() {
  FontsNormal();
  SetFilter.SetBold(true);
  ShowHelp(SetFilterHelp());
}

void TFr150::SetWintv2kProcampEnter() {
  FontsNormal();
  SetWintv2kProcamp.SetBold(true);
  ShowHelp(SetWintv2kProcampHelp());
}

void TFr150::VolLinkedClick() {
  const bool unlinked = !VolLinked.checked();
  TrackBar4.SetEnabled(unlinked);
  Edit4.SetEnabled(unlinked);
  Label7.SetEnabled(unlinked);
}

// Reloads, sets the picture rows to their defaults with only their save boxes ticked, saves and
// reloads again. A failing write ends the action at the save, before the second reload.
void TFr150::SetProcampDefaultsClick() {
  host().ResetClick();
  struct Default {
    ui::Slider& slider;
    ui::CheckBox& save;
    int position;
  };
  const Default defaults[] = {{TrackBar5, CheckBox5, 0},
                              {TrackBar6, CheckBox6, 128},
                              {TrackBar7, CheckBox7, 128},
                              {TrackBar8, CheckBox8, 0},
                              {TrackBar2, CheckBox2, 5}};
  for (const Default& d : defaults) {
    d.slider.SetPosition(d.position);
    d.save.SetChecked(true);
  }
  host().SetSettingsInRegistry();
  host().ResetClick();
  host().app().platform().ShowMessage("Default Procamp Settings Loaded");
}

}  // namespace quellon
