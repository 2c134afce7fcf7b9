#pragma once
// The main window without a screen, for the console commands that load, fill and save the pages
// as the window does (/profile, /apply, /dryrun, /check): the same TForm1 and rows over the
// registry given, a platform that keeps the messages as text, and no devices, so that nothing
// of a console command acts on a card filter.

#include <string>
#include <vector>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace quellon {

// Message boxes become lines of text; nothing is asked or chosen (a question is answered No).
class ConsolePlatform : public ui::Platform {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  ui::Point CursorPos() const override { return {-1, -1}; }
  std::optional<std::string> BrowseForFolder(const std::string&) override { return std::nullopt; }
  bool FolderExists(const std::string&) const override { return false; }
  std::optional<std::string> ChooseFile(const ui::FileDialog&) override { return std::nullopt; }
  std::optional<std::size_t> ChooseFromList(const ui::ListDialog&) override { return std::nullopt; }
  bool Confirm(const std::string&) override { return false; }
  char DecimalSeparator() const override { return '.'; }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
};

// The window, made and activated (so loaded) over `registry`. A save through it takes its backup
// in `files`. "Set Capture Filter" is unticked: a console command never acts on a device.
class ConsoleForm {
 public:
  ConsoleForm(RegistryApi& registry, FileSystem& files);

  TForm1& form() { return form_; }
  ui::Application& app() { return app_; }
  ConsolePlatform& platform() { return platform_; }

 private:
  ConsolePlatform platform_;
  ui::Application app_{platform_};
  NoDevices devices_;
  TForm1 form_;
};

}  // namespace quellon
