#include "pages/pvr250/fr250.h"

#include "devices/device_kind.h"
#include "pages/pvr250/fr250_help.h"

namespace quellon {

TFr250::TFr250(ui::Control* parent, PageHost& host)
    : Page("Frame250", parent, host),
      row1_(*this, Label2, TrackBar1, Edit1, CheckBox1, RowKind::Integer, TunerVolumeHelp()),
      row2_(*this, Label4, TrackBar2, Edit2, CheckBox2, RowKind::Integer, SharpnessHelp()) {
  LayOut();
  BindEvents();
  BindHover();
}

void TFr250::BindEvents() {
  GroupBox1.OnEnter = [this] { TrackBar1Enter(); };
  GroupBox1.OnExit = [this] { GroupBox1Exit(); };

  Label2.OnMouseEnter = [this] { TrackBar1Enter(); };
  TrackBar1.OnEnter = [this] { TrackBar1Enter(); };
  TrackBar1.OnExit = [this] { Edit1Exit(); };
  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  Edit1.OnEnter = [this] { TrackBar1Enter(); };
  Edit1.OnExit = [this] { Edit1Exit(); };
  Edit1.OnChange = [this] { Edit1Change(); };
  Edit1.OnMouseMove = [this] { Edit1MouseMove(); };
  CheckBox1.OnMouseMove = [this] { Edit1MouseMove(); };

  // A click toggles the box and shows its help; the load's tick or untick does the same.
  CC.OnEnter = [this] { CCEnter(); };
  CC.OnExit = [this] { CCExit(); };
  CC.OnClick = [this] { CCEnter(); };
  CC.OnMouseMove = [this] { CCMouseMove(); };
  CCchekc.OnEnter = [this] { CCEnter(); };
  CCchekc.OnExit = [this] { CCExit(); };
  CCchekc.OnMouseMove = [this] { CCMouseMove(); };

  Label4.OnMouseEnter = [this] { TrackBar2Enter(); };
  TrackBar2.OnEnter = [this] { TrackBar2Enter(); };
  TrackBar2.OnExit = [this] { Edit2Exit(); };
  TrackBar2.OnChange = [this] { TrackBar2Change(); };
  Edit2.OnEnter = [this] { TrackBar2Enter(); };
  Edit2.OnExit = [this] { Edit2Exit(); };
  Edit2.OnChange = [this] { Edit2Change(); };
  Edit2.OnMouseMove = [this] { Edit2MouseMove(); };
  CheckBox2.OnMouseMove = [this] { Edit2MouseMove(); };

  CaptureBox.OnEnter = [this] { CaptureBoxEnter(); };
  Button1.OnClick = [this] { Button1Click(); };
}

// The hook covers the two sliders and the capture row; the value and save boxes have mouse
// handlers of their own.
void TFr250::BindHover() {
  SetHoverSpace(GroupBox1);
  AddHover(TrackBar1, [this] { TrackBar1Enter(); });
  AddHover(TrackBar2, [this] { TrackBar2Enter(); });
  AddHover(Label3, [this] { CaptureBoxEnter(); });
  AddHover(CaptureBox, [this] { CaptureBoxEnter(); });
}

void TFr250::SetEditBoxen() {
  row1_.FillEditBox();
  row2_.FillEditBox();
}

void TFr250::UnCheckSaveSettings() {
  CheckBox1.SetChecked(false);
  CCchekc.SetChecked(false);
  CheckBox2.SetChecked(false);
}

void TFr250::FontsNormal() {
  Label2.SetBold(false);
  CC.SetBold(false);
  Label4.SetBold(false);
  Label3.SetBold(false);
}

void TFr250::TrackBar1Enter() {
  row1_.Enter();
}

// Every position change shows the volume help, whoever moved the slider (the user, the value box
// or a load).
void TFr250::TrackBar1Change() {
  TrackBar1Enter();
  row1_.SliderChanged();
}

void TFr250::Edit1Change() {
  row1_.EditChanged();
}
void TFr250::Edit1Exit() {
  row1_.Exit();
}
void TFr250::Edit1MouseMove() {
  TrackBar1Enter();
}

void TFr250::TrackBar2Enter() {
  row2_.Enter();
}

void TFr250::TrackBar2Change() {
  TrackBar2Enter();
  row2_.SliderChanged();
}

void TFr250::Edit2Change() {
  row2_.EditChanged();
}
void TFr250::Edit2Exit() {
  row2_.Exit();
}
void TFr250::Edit2MouseMove() {
  TrackBar2Enter();
}

void TFr250::CCEnter() {
  FontsNormal();
  CC.SetBold(true);
  ShowHelp(ClosedCaptionHelp());
}

void TFr250::CCExit() {
  CC.SetBold(false);
}
void TFr250::CCMouseMove() {
  CCEnter();
}

void TFr250::CaptureBoxEnter() {
  FontsNormal();
  Label3.SetBold(true);
  ShowHelp(CaptureDialogHelp());
}

// The capture list has no exit of its own; leaving the group box ends its highlight.
void TFr250::GroupBox1Exit() {
  Label3.SetBold(false);
}

// Item 0 is the "-> Select Capture Source" heading, and typed text selects nothing (-1): only a
// device entry opens anything.
void TFr250::Button1Click() {
  const int selected = CaptureBox.item_index();
  if (selected <= 0) return;
  host().ShowPvrPropPage(DeviceKind::Pvr250Capture, selected, false);
}

}  // namespace quellon
