#pragma once
// The "250/350" page: tuner volume, sharpness and closed captions of the PVR-250/350 driver, and
// the list of its capture filters. The line-in and picture rows are shown greyed out only: the
// driver of this card takes no such values from the registry.

#include "pages/page.h"
#include "pages/setting_row.h"
#include "settings/pvr250_tuner_volume.h"
#include "ui/controls.h"

namespace quellon {

class TFr250 : public Page {
 public:
  TFr250(ui::Control* parent, PageHost& host);

  void SetEditBoxen() override;
  void UnCheckSaveSettings() override;
  void FontsNormal() override;

  // Help actions and event handlers, named after control and event.
  void TrackBar1Enter();
  void TrackBar1Change();
  void Edit1Change();
  void Edit1Exit();
  void Edit1MouseMove();
  void TrackBar2Enter();
  void TrackBar2Change();
  void Edit2Change();
  void Edit2Exit();
  void Edit2MouseMove();
  void CCEnter();
  void CCExit();
  void CCMouseMove();
  void CaptureBoxEnter();
  void GroupBox1Exit();
  void Button1Click();

  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label1{"Label1", &GroupBox1};  // the "Save setting" column heading

  // Tuner volume.
  ui::Label Label2{"Label2", &GroupBox1};
  ui::Slider TrackBar1{"TrackBar1", &GroupBox1};
  ui::Edit Edit1{"Edit1", &GroupBox1};
  ui::Label Label6{"Label6", &GroupBox1};
  ui::CheckBox CheckBox1{"CheckBox1", &GroupBox1};

  // Line-in volume, greyed out.
  ui::Label Label5{"Label5", &GroupBox1};
  ui::Slider TrackBar3{"TrackBar3", &GroupBox1};
  ui::Edit Edit3{"Edit3", &GroupBox1};
  ui::Label Label7{"Label7", &GroupBox1};
  ui::CheckBox CheckBox3{"CheckBox3", &GroupBox1};
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};

  // Closed captions.
  ui::CheckBox CC{"CC", &GroupBox1};
  ui::CheckBox CCchekc{"CCchekc", &GroupBox1};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};

  // Brightness, contrast, saturation and hue, greyed out.
  ui::Label Label9{"Label9", &GroupBox1};
  ui::Slider TrackBar5{"TrackBar5", &GroupBox1};
  ui::Edit Edit5{"Edit5", &GroupBox1};
  ui::CheckBox CheckBox5{"CheckBox5", &GroupBox1};
  ui::Label Label11{"Label11", &GroupBox1};
  ui::Slider TrackBar6{"TrackBar6", &GroupBox1};
  ui::Edit Edit6{"Edit6", &GroupBox1};
  ui::CheckBox CheckBox6{"CheckBox6", &GroupBox1};
  ui::Label Label12{"Label12", &GroupBox1};
  ui::Slider TrackBar7{"TrackBar7", &GroupBox1};
  ui::Edit Edit7{"Edit7", &GroupBox1};
  ui::CheckBox CheckBox7{"CheckBox7", &GroupBox1};
  ui::Label Label13{"Label13", &GroupBox1};
  ui::Slider TrackBar8{"TrackBar8", &GroupBox1};
  ui::Edit Edit8{"Edit8", &GroupBox1};
  ui::CheckBox CheckBox8{"CheckBox8", &GroupBox1};

  // Sharpness.
  ui::Label Label4{"Label4", &GroupBox1};
  ui::Slider TrackBar2{"TrackBar2", &GroupBox1};
  ui::Edit Edit2{"Edit2", &GroupBox1};
  ui::CheckBox CheckBox2{"CheckBox2", &GroupBox1};
  ui::Bevel Bevel3{"Bevel3", &GroupBox1};

  // Capture dialog.
  ui::Label Label3{"Label3", &GroupBox1};
  ui::ComboBox CaptureBox{"CaptureBox", &GroupBox1};
  ui::Button Button1{"Button1", &GroupBox1};

  // The "HcwAudioScart1Volume" value the last load read (or assumed, when it was missing); a save
  // carries its two driver-owned low bits over. Every load renews it.
  int TrackBar1Raw = pvr250::kTunerVolumeRawWhenMissing;

 private:
  void LayOut();
  void LayOutGreyedRows();
  void BindEvents();
  void BindHover();

  SettingRow row1_;  // tuner volume
  SettingRow row2_;  // sharpness
};

}  // namespace quellon
