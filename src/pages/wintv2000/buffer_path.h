#pragma once
// The LiveTV buffer file's path as the page edits it: a folder part and a file-name part.

#include <string>

namespace quellon::buffer_path {

// Everything up to and including the last backslash or colon; empty when there is neither.
std::string FolderPart(const std::string& path);
// Everything after the last backslash or colon: the whole text when there is neither.
std::string FileNamePart(const std::string& path);
// A folder as the folder browser returns it (no trailing backslash, except for a drive root)
// joined with a file name by exactly one backslash.
std::string Join(const std::string& folder, const std::string& file_name);

}  // namespace quellon::buffer_path
