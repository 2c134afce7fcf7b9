#pragma once
// What a scenario does to the program, in one mode: headless on the widget model, or on the real
// window. The runner parses and prints; the driver acts and reads.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "safety/file_system.h"
#include "ui/geometry.h"

namespace quellon {
class RegistryApi;
class FaultyRegistry;
}  // namespace quellon

namespace quellon::scenario {

// A device the script installs: `device add capture|encoder NAME [clsid TEXT] [noclsid]
// [noprocamp] [nopages]`.
struct DeviceDef {
  bool encoder = false;  // the encoder category; otherwise video input
  std::string name;
  std::optional<std::string> clsid;  // the "CLSID" text; nothing with noclsid
  bool procamp = true;
  bool pages = true;
};

// The local time the program's files see: where the script set it, moving on by `step` seconds at
// every reading, so that backups get the names the script expects in both modes.
struct ScriptClock {
  LocalTime now{2026, 1, 1, 0, 0, 0};
  int step = 0;
  LocalTime Next() {
    const LocalTime shown = now;
    now = AddSeconds(now, step);
    return shown;
  }
};

// One IAMVideoProcAmp::Set as `print procamp` shows it.
struct ProcampSet {
  std::string device;
  int property;
  int value;
  int flags;
};

class Driver {
 public:
  virtual ~Driver() = default;

  // The script's own view of the registry, never refused.
  virtual RegistryApi& ScriptRegistry() = 0;
  // Faults that act only on the program's registry access.
  virtual FaultyRegistry& ProgramFaults() = 0;

  // The program's files: in memory headless, the system's below a folder of the run on the real
  // window. Their clock is the script's.
  virtual FileSystem& Files() = 0;
  ScriptClock& Clock() { return clock_; }

  virtual void AddFolder(const std::string& path) = 0;
  virtual void SetBrowseResult(std::optional<std::string> path) = 0;
  // What the next file dialog returns (nothing: the user cancels it), and how the next question
  // is answered (every other one Yes).
  virtual void SetFileResult(std::optional<std::string> path) = 0;
  virtual void SetConfirmAnswer(bool yes) = 0;
  // The row the next list dialog returns; nothing: the user cancels it.
  virtual void SetListResult(std::optional<std::size_t> row) = 0;

  virtual void Start() = 0;
  virtual void Activate() = 0;
  virtual void SelectTab(int index) = 0;
  virtual void Focus(const std::string& control) = 0;
  virtual void Type(const std::string& control, const std::string& keys) = 0;
  virtual void Paste(const std::string& control, const std::string& text) = 0;
  virtual void Click(const std::string& control) = 0;
  virtual void Slide(const std::string& control, int position) = 0;
  virtual void Choose(const std::string& control, int index) = 0;
  virtual void PointAt(const std::string& control, std::optional<ui::Point> offset) = 0;
  // The user picks the command of the window's system menu that has this caption.
  virtual void ChooseMenu(const std::string& caption) = 0;

  // A property as the runner prints it: decimal, true/false, quoted text or ["..", ".."].
  virtual std::string Property(const std::string& control, const std::string& property) = 0;
  virtual std::string InfoTitle() = 0;
  virtual std::string InfoBody() = 0;
  virtual std::vector<std::string> MemoLines() = 0;
  virtual std::vector<std::string> VisibleFrames() = 0;
  virtual std::string HookOwner() = 0;  // empty when no hook is installed
  // "message \"...\"", "error \"...\"", "confirm \"...\"", "browse \"...\"", "save-file \"...\"",
  // "open-file \"...\"", "property-frame \"...\"" lines, and for a list dialog "list \"TITLE\""
  // followed by "row \"...\"" for each of its rows.
  virtual std::vector<std::string> TakeShown() = 0;

  // Devices, in modes that have a device system; the others refuse the commands.
  virtual void AddDevice(const DeviceDef& device);
  // Every ProcAmp value the devices received since the last call, in order.
  virtual std::vector<ProcampSet> TakeProcamp();
  // The names of the filters in the main window's filter graph now.
  virtual std::vector<std::string> GraphFilters();

 protected:
  ScriptClock clock_;
};

// A script's fault: the control or command it names does not exist (exit code 2).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quellon::scenario
