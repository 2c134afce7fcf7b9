#pragma once
// The "Wintv2k" page: settings of the TV viewing application (software decoder, live preview,
// forced country code, channel change in timeshift, the LiveTV buffer file, the record/pause
// drop-down speed and the snapshot size).

#include <string>

#include "pages/page.h"
#include "pages/setting_row.h"
#include "ui/controls.h"

namespace quellon {

class TWintv2k : public Page {
 public:
  TWintv2k(ui::Control* parent, PageHost& host);

  void SetEditBoxen() override;
  void UnCheckSaveSettings() override;
  void FontsNormal() override;

  // Help actions: all captions normal, the row's caption bold, its help in the panel.
  void TrackBar1Enter() { row1_.Enter(); }
  void softDecEnter();
  void livepreviewEnter();
  void ForceCountryEnter();
  void HresEnter();
  void pausechannelEnter();
  void LiveDirEnter();

  // Record/pause drop speed row.
  void TrackBar1Change() { row1_.SliderChanged(); }
  void Edit1Change() { row1_.EditChanged(); }
  void Edit1Exit() { row1_.Exit(); }

  // Force country row.
  void ForceCountryEditKeyPress(char& key);
  void ForceCountryEditExit();
  void ForceCountryCheckClick();

  // Snapshot resolution row.
  void HresKeyPress(char& key);
  void VResKeyPress(char& key);
  void HresExit();
  void VResExit();
  void SnapResCheckClick();

  // LiveTV buffer location row.
  void LiveDirBtnClick();
  void LiveDirExit();

  // The LiveDir text as the last load left it; the exit rule takes its file name from here.
  std::string LoadedLiveDir;

  // Members in the order the page declares them.
  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label1{"Label1", &GroupBox1};  // "Save setting" over the column of save boxes

  ui::CheckBox ForceCountry{"ForceCountry", &GroupBox1};
  ui::Label Label5{"Label5", &GroupBox1};  // ":" between the option and the code
  ui::Edit ForceCountryEdit{"ForceCountryEdit", &GroupBox1};
  ui::CheckBox ForceCountryCheck{"ForceCountryCheck", &GroupBox1};
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};

  ui::CheckBox Softdec{"Softdec", &GroupBox1};
  ui::CheckBox softDecCheck{"softDecCheck", &GroupBox1};
  ui::CheckBox livepreview{"livepreview", &GroupBox1};
  ui::CheckBox livepreviewCheck{"livepreviewCheck", &GroupBox1};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};

  ui::CheckBox pausechannel{"pausechannel", &GroupBox1};
  ui::CheckBox pausechannelCheck{"pausechannelCheck", &GroupBox1};

  ui::Label Label2{"Label2", &GroupBox1};
  ui::Slider TrackBar1{"TrackBar1", &GroupBox1};
  ui::Edit Edit1{"Edit1", &GroupBox1};
  ui::CheckBox CheckBox1{"CheckBox1", &GroupBox1};

  ui::Label Label3{"Label3", &GroupBox1};
  ui::Edit LiveDir{"LiveDir", &GroupBox1};
  ui::Button LiveDirBtn{"LiveDirBtn", &GroupBox1};
  ui::CheckBox LiveDirCheck{"LiveDirCheck", &GroupBox1};
  ui::Bevel Bevel3{"Bevel3", &GroupBox1};

  ui::Label Label4{"Label4", &GroupBox1};
  ui::Edit Hres{"Hres", &GroupBox1};
  ui::Label Label6{"Label6", &GroupBox1};  // ":" between width and height
  ui::Edit VRes{"VRes", &GroupBox1};
  ui::CheckBox SnapResCheck{"SnapResCheck", &GroupBox1};

  // Picture rows that the page carries but never shows, loads or saves.
  ui::Label Label7{"Label7", &GroupBox1};
  ui::Slider TrackBar5{"TrackBar5", &GroupBox1};
  ui::Edit Edit5{"Edit5", &GroupBox1};
  ui::CheckBox CheckBox5{"CheckBox5", &GroupBox1};
  ui::Label Label8{"Label8", &GroupBox1};
  ui::Slider TrackBar6{"TrackBar6", &GroupBox1};
  ui::Edit Edit6{"Edit6", &GroupBox1};
  ui::CheckBox CheckBox6{"CheckBox6", &GroupBox1};
  ui::Label Label9{"Label9", &GroupBox1};
  ui::Slider TrackBar7{"TrackBar7", &GroupBox1};
  ui::Edit Edit7{"Edit7", &GroupBox1};
  ui::CheckBox CheckBox7{"CheckBox7", &GroupBox1};

 private:
  void LayOut();
  void LayOutHiddenRows();
  void BindEvents();
  void BindHover();
  // Shows a fixed help entry with `caption` as the bold one.
  void ShowRowHelp(ui::Control& caption, const HelpEntry& entry);

  SettingRow row1_;
};

}  // namespace quellon
