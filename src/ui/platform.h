#pragma once
// The few services of the window system that the program's logic asks for. The Win32 backend
// implements them with real calls; the headless one is scriptable for tests.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/geometry.h"

namespace quellon::ui {

// A file dialog of the system, for one kind of file.
struct FileDialog {
  bool save = false;  // the dialog that saves a file; otherwise the one that opens one
  std::string title;
  std::string filter;     // what the type list shows: "Registration files (*.reg)"
  std::string pattern;    // the files it lists: "*.reg"
  std::string extension;  // given to a typed name that has none: "reg"
};

// A small modal dialog with a list to take one row from: a label over the list (with its access
// key), the list with its first row chosen, and the buttons `take` (the default) and Cancel.
struct ListDialog {
  std::string title;
  std::string label;  // "&Backups, newest first:"
  std::vector<std::string> rows;
  std::string take;  // "&Restore"
};

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
  // The system's file dialog; the chosen file's full path, or nothing when the user cancels. The
  // save dialog asks nothing about a file that exists: its caller does.
  virtual std::optional<std::string> ChooseFile(const FileDialog& dialog) = 0;
  // The list dialog; the row taken (Enter, a double click or the `take` button), or nothing when
  // the user cancels (Esc).
  virtual std::optional<std::size_t> ChooseFromList(const ListDialog& dialog) = 0;
  // A modal question with the buttons Yes and No; true for Yes.
  virtual bool Confirm(const std::string& text) = 0;
  virtual char DecimalSeparator() const = 0;
};

}  // namespace quellon::ui
