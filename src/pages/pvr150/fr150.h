#pragma once
// The "150/500" page: line-in and tuner volumes, automatic gain and the picture values of the
// PVR-150/500 driver, with the options that push the picture values further on a save.

#include <vector>

#include "pages/page.h"
#include "pages/setting_row.h"
#include "ui/controls.h"

namespace quellon {

class TFr150 : public Page {
 public:
  TFr150(ui::Control* parent, PageHost& host);

  void SetEditBoxen() override;
  void UnCheckSaveSettings() override;
  void FontsNormal() override;

  // Row handlers for rows 1 to 10 (TrackBarNEnter, TrackBarNChange, EditNChange, EditNExit).
  void TrackBarEnter(int row);
  void TrackBarChange(int row);
  void EditChange(int row);
  void EditExit(int row);
  void AutoGainEnter();
  void AutoGainExit();
  void SetFilterEnter();
  void SetWintv2kProcampEnter();
  void VolLinkedClick();
  void SetProcampDefaultsClick();

  SettingRow& Row(int row) { return rows_.at(row - 1); }

  // Declared top to bottom as the page shows them.
  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label10{"Label10", &GroupBox1};  // "Save setting", heading of the save boxes

  // Row 1, tuner volume.
  ui::Label Label2{"Label2", &GroupBox1};
  ui::Slider TrackBar1{"TrackBar1", &GroupBox1};
  ui::Edit Edit1{"Edit1", &GroupBox1};
  ui::Label Label1{"Label1", &GroupBox1};
  ui::CheckBox CheckBox1{"CheckBox1", &GroupBox1};

  // Row 3, line-in left, which drives row 4 while the channels are linked.
  ui::Label Label5{"Label5", &GroupBox1};
  ui::Slider TrackBar3{"TrackBar3", &GroupBox1};
  ui::Edit Edit3{"Edit3", &GroupBox1};
  ui::Label Label6{"Label6", &GroupBox1};
  ui::CheckBox CheckBox3{"CheckBox3", &GroupBox1};
  ui::CheckBox VolLinked{"VolLinked", &GroupBox1};

  // Row 4, line-in right.
  ui::Label Label7{"Label7", &GroupBox1};
  ui::Slider TrackBar4{"TrackBar4", &GroupBox1};
  ui::Edit Edit4{"Edit4", &GroupBox1};
  ui::Label Label8{"Label8", &GroupBox1};
  ui::CheckBox CheckBox4{"CheckBox4", &GroupBox1};

  // Automatic gain and row 10, its target level.
  ui::CheckBox AutoGain{"AutoGain", &GroupBox1};
  ui::CheckBox AGCSave{"AGCSave", &GroupBox1};
  ui::Label Label14{"Label14", &GroupBox1};
  ui::Slider TrackBar10{"TrackBar10", &GroupBox1};
  ui::Edit Edit10{"Edit10", &GroupBox1};
  ui::CheckBox CheckBox10{"CheckBox10", &GroupBox1};

  // The picture rows 5 to 8 and 2.
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  ui::Label Label15{"Label15", &GroupBox1};
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
  ui::Label Label4{"Label4", &GroupBox1};
  ui::Slider TrackBar2{"TrackBar2", &GroupBox1};
  ui::Edit Edit2{"Edit2", &GroupBox1};
  ui::CheckBox CheckBox2{"CheckBox2", &GroupBox1};

  // What a save does with the picture values besides writing them for the driver.
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};
  ui::CheckBox SetFilter{"SetFilter", &GroupBox1};
  ui::CheckBox SetWintv2kProcamp{"SetWintv2kProcamp", &GroupBox1};
  ui::Button SetProcampDefaults{"SetProcampDefaults", &GroupBox1};

  // Row 9, motion blur: hidden, never loaded or saved.
  ui::Label Label3{"Label3", &GroupBox1};
  ui::Slider TrackBar9{"TrackBar9", &GroupBox1};
  ui::Edit Edit9{"Edit9", &GroupBox1};
  ui::CheckBox CheckBox9{"CheckBox9", &GroupBox1};

 private:
  void LayOut();
  void MakeRows();
  void BindEvents();
  void BindHover();
  void Edit3Change();
  void TrackBar3Change();

  std::vector<SettingRow> rows_;  // rows_[n - 1] is row n
};

}  // namespace quellon
