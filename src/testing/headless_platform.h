#pragma once
// A scriptable stand-in for the window system: message boxes are recorded and answered OK at once,
// questions Yes unless the script says otherwise, file dialogs as the script says; the pointer is
// wherever the script put it, folders exist when the script says so.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace quellon::ui {

class HeadlessPlatform : public Platform {
 public:
  struct Shown {
    // A list dialog is its title (List), then one ListRow per row.
    enum class Kind {
      Message,
      Error,
      Browse,
      PropertyFrame,
      SaveFile,
      OpenFile,
      Confirm,
      List,
      ListRow
    };
    Kind kind;
    std::string text;
  };

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  Point CursorPos() const override { return cursor_; }
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  bool FolderExists(const std::string& path) const override;
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override;
  std::optional<std::size_t> ChooseFromList(const ListDialog& dialog) override;
  bool Confirm(const std::string& text) override;
  char DecimalSeparator() const override { return decimal_separator_; }

  void SetCursorPos(Point p) { cursor_ = p; }
  void AddFolder(const std::string& path);
  // What the next folder browser returns; nothing means the user cancels.
  void SetBrowseResult(std::optional<std::string> result) { browse_result_ = std::move(result); }
  // What the next file dialog returns; nothing means the user cancels.
  void SetFileResult(std::optional<std::string> result) { file_result_ = std::move(result); }
  // The row the next list dialog returns; nothing means the user cancels.
  void SetListResult(std::optional<std::size_t> row) { list_result_ = row; }
  // How the next question is answered; every other is answered Yes.
  void SetConfirmAnswer(bool yes) { confirm_answer_ = yes; }
  void SetDecimalSeparator(char c) { decimal_separator_ = c; }
  void RecordPropertyFrame(const std::string& caption);

  // Everything shown since the last call, in order.
  std::vector<Shown> TakeShown();

 private:
  Point cursor_;
  std::set<std::string> folders_;  // lower-cased: the file system ignores case
  std::optional<std::string> browse_result_;
  std::optional<std::string> file_result_;
  std::optional<std::size_t> list_result_;
  bool confirm_answer_ = true;
  char decimal_separator_ = '.';
  std::vector<Shown> shown_;
};

}  // namespace quellon::ui
