#pragma once
// The three rows of the "Wintv2k" page that no generic row describes: the forced country code,
// the LiveTV buffer file and the snapshot size. Each keeps its controls in the order the window
// shows them, and loads and saves by hand.

#include <string>

#include "pages/row.h"
#include "ui/controls.h"

namespace quellon {

// "Force Country": the box, a colon, the code and the save box. The code box takes digits only.
class CountryCodeRow : public Row {
 public:
  CountryCodeRow(Page& page, ui::Control& parent);

  void Enter() override;
  ui::Control& Caption() override { return ForceCountry; }
  ui::CheckBox* SaveBox() override { return &ForceCountryCheck; }
  void Load(LoadContext& ctx) override;
  void Save(SaveContext& ctx) override;

  ui::CheckBox ForceCountry;
  ui::Label Label5;  // ":" between the option and the code
  ui::Edit ForceCountryEdit;
  ui::CheckBox ForceCountryCheck;

 private:
  void ForceCountryCheckClick();
};

// "LiveTV buffer location": the full path of the buffer file. The user changes only its folder;
// the file name stays the one the viewer was last configured with.
class BufferPathRow : public Row {
 public:
  BufferPathRow(Page& page, ui::Control& parent);

  void Enter() override;
  ui::Control& Caption() override { return Label3; }
  ui::CheckBox* SaveBox() override { return &LiveDirCheck; }
  void Load(LoadContext& ctx) override;
  void Save(SaveContext& ctx) override;

  void LiveDirBtnClick();
  void LiveDirExit();

  // The LiveDir text as the last load left it; the exit rule takes its file name from here.
  std::string LoadedLiveDir;

  ui::Label Label3;
  ui::Edit LiveDir;
  ui::Button LiveDirBtn;
  ui::CheckBox LiveDirCheck;
};

// "Snapshot resolution": width and height, saved together when both are filled.
class SnapshotRow : public Row {
 public:
  SnapshotRow(Page& page, ui::Control& parent);

  void Enter() override;
  ui::Control& Caption() override { return Label4; }
  ui::CheckBox* SaveBox() override { return &SnapResCheck; }
  void Load(LoadContext& ctx) override;
  void Save(SaveContext& ctx) override;

  ui::Label Label4;
  ui::Edit Hres;
  ui::Label Label6;  // ":" between width and height
  ui::Edit VRes;
  ui::CheckBox SnapResCheck;

 private:
  void BoxExit(ui::Edit& box);
  void SnapResCheckClick();
};

}  // namespace quellon
