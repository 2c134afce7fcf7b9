#include "pages/pvr150_advanced/fr150b.h"

#include "pages/pvr150_advanced/fr150b_help.h"

namespace quellon {

TFr150b::TFr150b(ui::Control* parent, PageHost& host)
    : Page("Frame150b", parent, host),
      row9_(*this, Label3, TrackBar9, Edit9, CheckBox9, RowKind::Integer,
            fr150b_help::TemporalLevel()),
      row5_(*this, Label9, TrackBar5, Edit5, CheckBox5, RowKind::Integer,
            fr150b_help::SpatialLevel()) {
  LayOut();
  SetDesignState();
  BindEvents();
  BindHover();
}

void TFr150b::BindEvents() {
  StatTemp.OnClick = [this] { StatTempClick(); };
  StatSpat.OnClick = [this] { StatSpatClick(); };
  StatTemp.OnEnter = [this] { StatTempEnter(); };
  StatTempCheck.OnEnter = [this] { StatTempEnter(); };
  StatSpat.OnEnter = [this] { StatSpatEnter(); };
  // StatSpatCheck and the two buttons have no help of their own: focusing them leaves the panel.
  for (ui::Control* c : {static_cast<ui::Control*>(&TrackBar9), static_cast<ui::Control*>(&Edit9),
                         static_cast<ui::Control*>(&CheckBox9)})
    c->OnEnter = [this] { TrackBar9Enter(); };
  for (ui::Control* c : {static_cast<ui::Control*>(&TrackBar5), static_cast<ui::Control*>(&Edit5),
                         static_cast<ui::Control*>(&CheckBox5)})
    c->OnEnter = [this] { TrackBar5Enter(); };
  TrackBar9.OnChange = [this] { TrackBar9Change(); };
  Edit9.OnChange = [this] { Edit9Change(); };
  TrackBar9.OnExit = [this] { Edit9Exit(); };
  Edit9.OnExit = [this] { Edit9Exit(); };
  TrackBar5.OnChange = [this] { TrackBar5Change(); };
  Edit5.OnChange = [this] { Edit5Change(); };
  TrackBar5.OnExit = [this] { Edit5Exit(); };
  Edit5.OnExit = [this] { Edit5Exit(); };
  CaptureBox.OnEnter = [this] { CaptureBoxEnter(); };
  EncoderBox.OnEnter = [this] { EncoderBoxEnter(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

// Tested in this order, every match runs and the last one decides. The hidden save boxes carry the
// device rows' help into the save column.
void TFr150b::BindHover() {
  SetHoverSpace(GroupBox1);
  const auto spatial = [this] { TrackBar5Enter(); };
  const auto temporal = [this] { TrackBar9Enter(); };
  const auto static_temporal = [this] { StatTempEnter(); };
  const auto static_spatial = [this] { StatSpatEnter(); };
  const auto capture = [this] { CaptureBoxEnter(); };
  const auto encoder = [this] { EncoderBoxEnter(); };
  AddHover(TrackBar5, spatial);
  AddHover(TrackBar9, temporal);
  AddHover(Edit5, spatial);
  AddHover(Edit9, temporal);
  AddHover(CheckBox5, spatial);
  AddHover(CheckBox9, temporal);
  AddHover(StatTemp, static_temporal);
  AddHover(StatTempCheck, static_temporal);
  AddHover(StatSpat, static_spatial);
  AddHover(StatSpatCheck, static_spatial);
  AddHover(CaptureBoxCheck, capture);
  AddHover(EncoderBoxCheck, encoder);
  AddHover(Label3, temporal);
  AddHover(Label9, spatial);
  AddHover(Label15, capture);
  AddHover(Label16, encoder);
  AddHover(CaptureBox, capture);
  AddHover(EncoderBox, encoder);
}

void TFr150b::SetEditBoxen() {
  row9_.FillEditBox();
  row5_.FillEditBox();
  ApplyStaticRule();
}

void TFr150b::UnCheckSaveSettings() {
  for (ui::CheckBox* box :
       {&StatTempCheck, &StatSpatCheck, &CheckBox9, &CheckBox5, &CaptureBoxCheck, &EncoderBoxCheck})
    box->SetChecked(false);
}

void TFr150b::FontsNormal() {
  // SetBold repaints a check box's caption at once.
  StatTemp.SetBold(false);
  StatSpat.SetBold(false);
  for (ui::Label* label : {&Label3, &Label9, &Label15, &Label16}) label->SetBold(false);
}

// Greying a row leaves its slider and its save box alone: a ticked level is still saved.
void TFr150b::ApplyStaticRule() {
  for (ui::Control* c : {static_cast<ui::Control*>(&TrackBar9), static_cast<ui::Control*>(&Edit9),
                         static_cast<ui::Control*>(&CheckBox9), static_cast<ui::Control*>(&Label3)})
    c->SetEnabled(StatTemp.checked());
  for (ui::Control* c : {static_cast<ui::Control*>(&TrackBar5), static_cast<ui::Control*>(&Edit5),
                         static_cast<ui::Control*>(&CheckBox5), static_cast<ui::Control*>(&Label9)})
    c->SetEnabled(StatSpat.checked());
}

void TFr150b::StatTempClick() {
  ApplyStaticRule();
}
void TFr150b::StatSpatClick() {
  ApplyStaticRule();
}

void TFr150b::StaticBoxEnter(ui::CheckBox& box, const HelpEntry& help) {
  FontsNormal();
  box.SetBold(true);
  ShowHelp(help);
}

void TFr150b::LabelEnter(ui::Label& label, const HelpEntry& help) {
  FontsNormal();
  label.SetBold(true);
  ShowHelp(help);
}

void TFr150b::StatTempEnter() {
  StaticBoxEnter(StatTemp, fr150b_help::StaticTemporal());
}
void TFr150b::StatSpatEnter() {
  StaticBoxEnter(StatSpat, fr150b_help::StaticSpatial());
}
void TFr150b::CaptureBoxEnter() {
  LabelEnter(Label15, fr150b_help::CaptureFilter());
}
void TFr150b::EncoderBoxEnter() {
  LabelEnter(Label16, fr150b_help::EncoderFilter());
}

void TFr150b::TrackBar9Enter() {
  row9_.Enter();
}
void TFr150b::TrackBar9Change() {
  row9_.SliderChanged();
}
void TFr150b::Edit9Change() {
  row9_.EditChanged();
}
void TFr150b::Edit9Exit() {
  row9_.Exit();
}
void TFr150b::TrackBar5Enter() {
  row5_.Enter();
}
void TFr150b::TrackBar5Change() {
  row5_.SliderChanged();
}
void TFr150b::Edit5Change() {
  row5_.EditChanged();
}
void TFr150b::Edit5Exit() {
  row5_.Exit();
}

// Position 0 is the list's heading, and -1 means the user typed into the box: neither names a
// filter.
void TFr150b::OpenChosenFilter(const ui::ComboBox& list, DeviceKind kind) {
  const int chosen = list.item_index();
  if (chosen >= 1) host().ShowPvrPropPage(kind, chosen, false);
}

void TFr150b::Button1Click() {
  OpenChosenFilter(CaptureBox, DeviceKind::Pvr150Capture);
}
void TFr150b::Button2Click() {
  OpenChosenFilter(EncoderBox, DeviceKind::Pvr150Encoder);
}

}  // namespace quellon
