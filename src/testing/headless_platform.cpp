#include "testing/headless_platform.h"

#include <algorithm>
#include <cctype>

namespace quellon::ui {
namespace {

std::string FolderKey(std::string path) {
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return path;
}

}  // namespace

void HeadlessPlatform::ShowMessage(const std::string& text) {
  shown_.push_back({Shown::Kind::Message, text});
}

void HeadlessPlatform::ShowError(const std::string& text) {
  shown_.push_back({Shown::Kind::Error, text});
}

std::optional<std::string> HeadlessPlatform::BrowseForFolder(const std::string& title) {
  shown_.push_back({Shown::Kind::Browse, title});
  auto result = browse_result_;
  browse_result_.reset();
  return result;
}

std::optional<std::string> HeadlessPlatform::ChooseFile(const FileDialog& dialog) {
  shown_.push_back({dialog.save ? Shown::Kind::SaveFile : Shown::Kind::OpenFile, dialog.title});
  auto result = file_result_;
  file_result_.reset();
  return result;
}

std::optional<std::size_t> HeadlessPlatform::ChooseFromList(const ListDialog& dialog) {
  shown_.push_back({Shown::Kind::List, dialog.title});
  for (const std::string& row : dialog.rows) shown_.push_back({Shown::Kind::ListRow, row});
  auto result = list_result_;
  list_result_.reset();
  if (result && *result >= dialog.rows.size()) result.reset();
  return result;
}

bool HeadlessPlatform::Confirm(const std::string& text) {
  shown_.push_back({Shown::Kind::Confirm, text});
  const bool yes = confirm_answer_;
  confirm_answer_ = true;
  return yes;
}

bool HeadlessPlatform::FolderExists(const std::string& path) const {
  return !path.empty() && folders_.count(FolderKey(path)) > 0;
}

void HeadlessPlatform::AddFolder(const std::string& path) {
  folders_.insert(FolderKey(path));
}

void HeadlessPlatform::RecordPropertyFrame(const std::string& caption) {
  shown_.push_back({Shown::Kind::PropertyFrame, caption});
}

std::vector<HeadlessPlatform::Shown> HeadlessPlatform::TakeShown() {
  std::vector<Shown> out;
  out.swap(shown_);
  return out;
}

}  // namespace quellon::ui
