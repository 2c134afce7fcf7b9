#pragma once
// Scenario driver for the Windows build: the real window, driven through real messages, over the
// system registry. Message boxes are real too: they are found while they are up, their text is
// recorded and OK is pressed. Devices are the system's own DirectShow devices, served by the
// stand-in card filter registered for the script's run; their property frames are recorded and
// closed like the boxes. Questions are real boxes too, answered Yes or No as the script says; the
// folder browser and the file dialogs answer as the script says.

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "devices/win32/directshow_devices_win32.h"
#include "registry/win32/registry_win32.h"
#include "safety/win32/file_system_win32.h"
#include "scenario/driver.h"
#include "scenario/script.h"
#include "standin_setup_win32.h"
#include "testing/faulty_registry.h"
#include "ui/application.h"
#include "ui/win32/message_loop_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/platform_win32.h"

namespace quellon::scenario {

// The Windows platform with a folder browser, file dialogs and list dialogs that answer as the
// script says.
class ScriptedDialogsPlatform : public ui::win32::Win32Platform {
 public:
  explicit ScriptedDialogsPlatform(std::vector<std::string>& shown) : shown_(shown) {}
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  std::optional<std::string> ChooseFile(const ui::FileDialog& dialog) override;
  void SetBrowseResult(std::optional<std::string> r) { result_ = std::move(r); }
  void SetFileResult(std::optional<std::string> r) { file_result_ = std::move(r); }
  std::optional<std::size_t> ChooseFromList(const ui::ListDialog& dialog) override;
  void SetListResult(std::optional<std::size_t> row) { list_result_ = row; }

 private:
  std::vector<std::string>& shown_;
  std::optional<std::string> result_;
  std::optional<std::string> file_result_;
  std::optional<std::size_t> list_result_;
};

// The program's files on the real system, in a folder of the run below the temporary folder that
// goes at its end: relative names are taken from there, the user's local application data is a
// folder in it (no script touches the developer's), and the clock is the script's.
class ScriptFiles : public Win32FileSystem {
 public:
  explicit ScriptFiles(ScriptClock& clock);
  ~ScriptFiles() override;
  ScriptFiles(const ScriptFiles&) = delete;
  ScriptFiles& operator=(const ScriptFiles&) = delete;

  std::string LocalAppData() override { return base() + "\\LocalAppData"; }
  LocalTime Now() override { return clock_.Next(); }

 private:
  ScriptClock& clock_;
};

class WindowDriver : public Driver {
 public:
  explicit WindowDriver(HINSTANCE instance);
  ~WindowDriver() override;

  RegistryApi& ScriptRegistry() override;
  FaultyRegistry& ProgramFaults() override { return faults_; }
  FileSystem& Files() override { return files_; }
  void AddFolder(const std::string& path) override;
  void SetBrowseResult(std::optional<std::string> path) override {
    platform_.SetBrowseResult(std::move(path));
  }
  void SetFileResult(std::optional<std::string> path) override {
    platform_.SetFileResult(std::move(path));
  }
  void SetConfirmAnswer(bool yes) override { confirm_answer_ = yes; }
  void SetListResult(std::optional<std::size_t> row) override { platform_.SetListResult(row); }

  void Start() override;
  void Activate() override;
  void SelectTab(int index) override;
  void Focus(const std::string& control) override;
  void Type(const std::string& control, const std::string& keys) override;
  void Paste(const std::string& control, const std::string& text) override;
  void Click(const std::string& control) override;
  void Slide(const std::string& control, int position) override;
  void Choose(const std::string& control, int index) override;
  void PointAt(const std::string& control, std::optional<ui::Point> offset) override;
  void ChooseMenu(const std::string& caption) override;

  std::string Property(const std::string& control, const std::string& property) override;
  std::string InfoTitle() override;
  std::string InfoBody() override;
  std::vector<std::string> MemoLines() override;
  std::vector<std::string> VisibleFrames() override;
  std::string HookOwner() override;
  std::vector<std::string> TakeShown() override;

  void AddDevice(const DeviceDef& device) override;
  std::vector<ProcampSet> TakeProcamp() override;
  std::vector<std::string> GraphFilters() override;

  // Called while a modal box runs its own loop: records and closes every box that is up.
  void AnswerBoxes();

 private:
  TForm1& Form();
  ui::Control& Find(const std::string& path);
  HWND WindowOf(const ui::Control& c);
  HWND FocusTarget(const ui::Control& c);  // the window that takes keys (a list's edit)
  bool Reachable(HWND window) const;
  void FocusLikeUser(ui::Control& c);
  void Pump(DWORD at_least_ms = 0);
  void MovePointer(POINT screen);
  std::string NativeProperty(ui::Control& c, const std::string& property);

  HINSTANCE instance_;
  std::vector<std::string> shown_;
  Win32Registry registry_;
  FaultyRegistry faults_{registry_};
  ScriptedDialogsPlatform platform_{shown_};
  bool confirm_answer_ = true;  // for the next question
  ui::Application app_{platform_};
  StandinPrefix standin_;  // registered while the script runs, for the devices it adds
  DirectShowDevices devices_{[this] { return mirror_ ? mirror_->form_window() : nullptr; }};
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<ui::win32::Win32Mirror> mirror_;
  std::unique_ptr<ui::win32::MessageLoop> loop_;
  UINT_PTR timer_ = 0;
  std::set<HWND> answered_;
  std::vector<std::string> created_folders_;
  ScriptFiles files_{clock_};
};

// Removes the keys the program touches, so that every script starts from an empty registry.
void ClearProgramKeys();
// The device classes in the system registry. Making the first window writes the display's own
// classes there; they are removed again, so that the registry holds only what the script made.
std::set<std::string> SystemClasses();
void RemoveClassesAddedSince(const std::set<std::string>& before);
// The display's classes, which the system writes again whenever it looks at its displays.
void RemoveDisplayClasses();

}  // namespace quellon::scenario
