#pragma once
// Scenario driver for the headless build: the real application code over the widget model, an
// in-memory registry and a scriptable platform.

#include <memory>

#include "app/form1.h"
#include "scenario/driver.h"
#include "testing/faulty_registry.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"
#include "testing/simulated_devices.h"
#include "ui/application.h"

namespace quellon::scenario {

class ModelDriver : public Driver {
 public:
  ModelDriver();
  ~ModelDriver() override;

  RegistryApi& ScriptRegistry() override { return registry_; }
  FaultyRegistry& ProgramFaults() override { return faults_; }
  FileSystem& Files() override { return files_; }
  void AddFolder(const std::string& path) override { platform_.AddFolder(path); }
  void SetBrowseResult(std::optional<std::string> path) override {
    platform_.SetBrowseResult(std::move(path));
  }
  void SetFileResult(std::optional<std::string> path) override {
    platform_.SetFileResult(std::move(path));
  }
  void SetConfirmAnswer(bool yes) override { platform_.SetConfirmAnswer(yes); }
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

 private:
  TForm1& Form();
  ui::Control& Find(const std::string& path);
  template <class T>
  T& FindAs(const std::string& path, const char* what);
  void FocusLikeUser(ui::Control& c);

  MemoryRegistry registry_;
  FaultyRegistry faults_{registry_};
  ui::HeadlessPlatform platform_;
  ui::Application app_{platform_};
  SimulatedDevices devices_{
      [this](const std::string& title) { platform_.RecordPropertyFrame(title); }};
  MemoryFileSystem files_{[this] { return clock_.Next(); }};
  std::unique_ptr<TForm1> form_;
};

}  // namespace quellon::scenario
