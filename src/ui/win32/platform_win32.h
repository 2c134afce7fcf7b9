#pragma once
// The platform services on Windows: real message boxes, the real pointer, the shell's folder
// browser, the common file dialogs, the list dialog and the user's locale.

#include <windows.h>

#include "ui/platform.h"

namespace quellon::ui::win32 {

class Win32Mirror;

class Win32Platform : public Platform {
 public:
  static constexpr const char* kMessageCaption = "Quellon";
  static constexpr const char* kErrorCaption = "Error";

  // Boxes are owned by the mirror's form and the pointer is read in its client coordinates once
  // the form exists.
  void AttachMirror(const Win32Mirror* mirror) { mirror_ = mirror; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  Point CursorPos() const override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  bool FolderExists(const std::string& path) const override;
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override;
  // At the DPI the main window is drawn at.
  std::optional<std::size_t> ChooseFromList(const ListDialog& dialog) override;
  bool Confirm(const std::string& text) override;
  char DecimalSeparator() const override;

 private:
  HWND Owner() const;
  const Win32Mirror* mirror_ = nullptr;
};

}  // namespace quellon::ui::win32
