#pragma once
// Registry export files (.reg): reading one into any RegistryApi and writing a subtree out as one.
// Both header lines are read: "REGEDIT4" (Windows-1252 text) and "Windows Registry Editor
// Version 5.00" (UTF-16 with a byte order mark, or UTF-8 with one, or plain Windows-1252), whose
// hex(1), hex(2) and hex(7) string data is UTF-16. Paths start with HKEY_LOCAL_MACHINE\ or
// HKEY_CURRENT_USER\.

#include <cstddef>
#include <string>
#include <string_view>

#include "registry/registry_api.h"

namespace quellon {

// Bad input in a .reg file; the text names the line.
class RegFileError : public RegistryError {
 public:
  RegFileError(std::size_t line, const std::string& problem);
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// Applies the file's keys, values and deletions to `api`, in file order. The whole file is
// checked first, so bad input changes nothing. Throws RegFileError for bad input and
// RegistryError when the registry refuses a change (then the lines before it stay applied).
void ApplyRegFile(RegistryApi& api, std::string_view contents);

// The key `path` below `root` and everything under it, as REGEDIT4 text with CRLF line ends,
// keys and values in enumeration order. Throws RegistryError when a key cannot be read or holds a
// name that the format cannot carry (one with a line break).
std::string DumpRegFile(RegistryApi& api, RegHandle root, const std::string& path);

}  // namespace quellon
