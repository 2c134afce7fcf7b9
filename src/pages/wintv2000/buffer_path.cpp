#include "pages/wintv2000/buffer_path.h"

namespace quellon::buffer_path {
namespace {

constexpr const char* kSeparators = "\\:";

}  // namespace

std::string FolderPart(const std::string& path) {
  const size_t last = path.find_last_of(kSeparators);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNamePart(const std::string& path) {
  const size_t last = path.find_last_of(kSeparators);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string Join(const std::string& folder, const std::string& file_name) {
  if (folder.empty()) return file_name;
  // A drive root such as D:\ already ends in its backslash.
  if (folder.back() == '\\') return folder + file_name;
  return folder + '\\' + file_name;
}

}  // namespace quellon::buffer_path
