#pragma once
// The "150/500 Advanced" page: static or dynamic temporal and spatial filtering of the PVR-150/500
// driver with their static levels, and the lists of the card's capture and encoder filters with the
// buttons that open their property pages.

#include "pages/page.h"
#include "pages/setting_row.h"
#include "ui/controls.h"

namespace quellon {

class TFr150b : public Page {
 public:
  TFr150b(ui::Control* parent, PageHost& host);

  void SetEditBoxen() override;
  void UnCheckSaveSettings() override;
  void FontsNormal() override;

  // Event handlers, named after control and event.
  void StatTempClick();
  void StatSpatClick();
  void StatTempEnter();
  void StatSpatEnter();
  void TrackBar9Enter();
  void TrackBar9Change();
  void Edit9Change();
  void Edit9Exit();
  void TrackBar5Enter();
  void TrackBar5Change();
  void Edit5Change();
  void Edit5Exit();
  void CaptureBoxEnter();
  void EncoderBoxEnter();
  void Button1Click();
  void Button2Click();

  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label10{"Label10", &GroupBox1};  // the "Save setting" column heading

  // Temporal filtering: static or dynamic, and the static level.
  ui::CheckBox StatTemp{"StatTemp", &GroupBox1};
  ui::CheckBox StatTempCheck{"StatTempCheck", &GroupBox1};
  ui::Label Label3{"Label3", &GroupBox1};
  ui::Slider TrackBar9{"TrackBar9", &GroupBox1};
  ui::Edit Edit9{"Edit9", &GroupBox1};
  ui::CheckBox CheckBox9{"CheckBox9", &GroupBox1};

  // Spatial filtering: static or dynamic, and the static level.
  ui::CheckBox StatSpat{"StatSpat", &GroupBox1};
  ui::CheckBox StatSpatCheck{"StatSpatCheck", &GroupBox1};
  ui::Label Label9{"Label9", &GroupBox1};
  ui::Slider TrackBar5{"TrackBar5", &GroupBox1};
  ui::Edit Edit5{"Edit5", &GroupBox1};
  ui::CheckBox CheckBox5{"CheckBox5", &GroupBox1};

  // The thin lines: below the filter rows, and in front of the save column.
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};

  // The filter dialogs. The two save boxes are never shown: they only widen the rows' hover
  // regions into the save column.
  ui::Label Label15{"Label15", &GroupBox1};
  ui::ComboBox CaptureBox{"CaptureBox", &GroupBox1};
  ui::Button Button1{"Button1", &GroupBox1};
  ui::CheckBox CaptureBoxCheck{"CaptureBoxCheck", &GroupBox1};
  ui::Label Label16{"Label16", &GroupBox1};
  ui::ComboBox EncoderBox{"EncoderBox", &GroupBox1};
  ui::Button Button2{"Button2", &GroupBox1};
  ui::CheckBox EncoderBoxCheck{"EncoderBoxCheck", &GroupBox1};

 private:
  void LayOut();
  void SetDesignState();
  void BindEvents();
  void BindHover();
  // A level row is usable exactly while its static box is ticked.
  void ApplyStaticRule();
  // Row enter of a static box: its own caption turns bold.
  void StaticBoxEnter(ui::CheckBox& box, const HelpEntry& help);
  void LabelEnter(ui::Label& label, const HelpEntry& help);
  void OpenChosenFilter(const ui::ComboBox& list, DeviceKind kind);

  SettingRow row9_;  // temporal level
  SettingRow row5_;  // spatial level
};

}  // namespace quellon
