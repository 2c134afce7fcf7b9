#include "ui/win32/platform_win32.h"

#include "ui/win32/file_dialogs_win32.h"
#include "ui/win32/list_dialog_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/shell_services_win32.h"
#include "ui/win32/text_win32.h"

namespace quellon::ui::win32 {

HWND Win32Platform::Owner() const {
  const HWND form = mirror_ ? mirror_->form_window() : nullptr;
  return form && IsWindowVisible(form) ? form : nullptr;
}

void Win32Platform::ShowMessage(const std::string& text) {
  MessageBoxA(Owner(), NativeLineBreaks(text).c_str(), kMessageCaption, MB_OK);
}

void Win32Platform::ShowError(const std::string& text) {
  MessageBoxA(Owner(), NativeLineBreaks(text).c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}

Point Win32Platform::CursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  if (!mirror_) return {p.x, p.y};
  ScreenToClient(mirror_->form_window(), &p);
  return {mirror_->Unscale(p.x), mirror_->Unscale(p.y)};
}

std::optional<std::string> Win32Platform::BrowseForFolder(const std::string& title) {
  return BrowseForFolderWin32(Owner(), title);
}

std::optional<std::string> Win32Platform::ChooseFile(const FileDialog& dialog) {
  return ChooseFileWin32(Owner(), dialog);
}

std::optional<std::size_t> Win32Platform::ChooseFromList(const ListDialog& dialog) {
  return ChooseFromListWin32(Owner(), dialog, mirror_ ? mirror_->dpi() : SystemDpi());
}

// No is the default button: Enter pressed in passing writes nothing.
bool Win32Platform::Confirm(const std::string& text) {
  return MessageBoxA(Owner(), NativeLineBreaks(text).c_str(), kMessageCaption,
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

bool Win32Platform::FolderExists(const std::string& path) const {
  return FolderExistsWin32(path);
}

char Win32Platform::DecimalSeparator() const {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1)
    return buffer[0];
  return '.';
}

}  // namespace quellon::ui::win32
