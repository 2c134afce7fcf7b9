#pragma once
// The few services of the window system that the program's logic asks for. The Win32 backend
// implements them with real calls; the headless one is scriptable for tests.

#include <optional>
#include <string>

#include "ui/geometry.h"

namespace quellon::ui {

class Platform {
 public:
  virtual ~Platform() = default;
  // A modal information box with one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The application's default error report: a modal error box with one OK button.
  virtual void ShowError(const std::string& text) = 0;
  // The pointer's current position in the form's client coordinates.
  virtual Point CursorPos() const = 0;
  // The folder browser; nothing when the user cancels.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title) = 0;
  virtual bool FolderExists(const std::string& path) const = 0;
  virtual char DecimalSeparator() const = 0;
};

}  // namespace quellon::ui
