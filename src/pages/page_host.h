#pragma once
// What a page asks of the main window that owns it.

#include <string>

#include "devices/device_kind.h"
#include "ui/application.h"
#include "ui/controls.h"

namespace quellon {

class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual ui::Application& app() = 0;
  // Overwrites the title and the body of the help panel together.
  virtual void ShowInfo(const std::string& title, const std::string& body) = 0;
  virtual ui::Memo& DebugLog() = 0;
  virtual void ResetClick() = 0;
  virtual void SetSettingsInRegistry() = 0;
  // The save of "Load and Set Defaults": a host that tells its saves apart in their backups says
  // so.
  virtual void SetDefaultsInRegistry() { SetSettingsInRegistry(); }
  // Opens the property frame of the kind's `wanted`-th card filter (from 1).
  virtual void ShowPvrPropPage(DeviceKind kind, int wanted) = 0;
  // Pushes the ticked picture values into every card filter of the kind.
  virtual void SetProcampSettings(DeviceKind kind) = 0;
};

}  // namespace quellon
