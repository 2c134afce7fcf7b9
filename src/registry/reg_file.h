#pragma once
// Registry export files (.reg): reading one into a list of operations, applying such a list to any
// RegistryApi, and writing a list (or a whole subtree) out as a file.
// Both header lines are read: "REGEDIT4" (Windows-1252 text) and "Windows Registry Editor
// Version 5.00" (UTF-16 with a byte order mark, or UTF-8 with one, or plain Windows-1252), whose
// hex(1), hex(2) and hex(7) string data is UTF-16. Paths start with HKEY_LOCAL_MACHINE\ or
// HKEY_CURRENT_USER\.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// One change a .reg file asks for. Value operations act on the key of the section they stand in,
// which `root` and `key` repeat. String data is Windows-1252, as the ANSI registry calls see it.
struct RegFileOperation {
  enum class Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue };
  Kind kind = Kind::kCreateKey;
  std::size_t line = 0;  // where it stands in the file it was read from
  RegHandle root = kNoKey;
  std::string key;   // below the root; "" is the root itself
  std::string name;  // value operations: "" is the default value
  RegType type = kRegNone;
  std::vector<std::uint8_t> data;

  bool is_value() const { return kind == Kind::kSetValue || kind == Kind::kDeleteValue; }
};

// Reads the whole file without changing anything. Throws RegFileError for bad input.
std::vector<RegFileOperation> ParseRegFile(std::string_view contents);

// Carries out the operations in order. A value operation must follow the section of its key.
// Throws RegistryError when the registry refuses a change (the ones before it stay applied).
void ApplyRegFile(RegistryApi& api, const std::vector<RegFileOperation>& operations);

// Parses the whole file first, so bad input changes nothing, then applies it.
void ApplyRegFile(RegistryApi& api, std::string_view contents);

enum class RegFileEncoding {
  kRegedit4,  // "REGEDIT4", Windows-1252 text
  kUnicode,   // "Windows Registry Editor Version 5.00", UTF-16LE with a byte order mark
};

// The operations as the registry editor writes them: CRLF line ends, a blank line before every key
// section and at the end, hex data wrapped at 80 columns. A value operation whose key differs from
// the section before it opens a section of its own. Each of `comments` becomes a comment line
// ("; " and the text, its line breaks shown as \r and \n) below the header, which every reader of
// the format skips. Throws RegistryError for a name the format cannot carry (one with a line break)
// and for a root other than the two above.
std::string FormatRegFile(const std::vector<RegFileOperation>& operations,
                          RegFileEncoding encoding = RegFileEncoding::kUnicode,
                          const std::vector<std::string>& comments = {});

// Writes a .reg file one section and one value at a time, as FormatRegFile writes operations, for
// a file made straight from what is read. Throws as FormatRegFile does.
class RegFileWriter {
 public:
  explicit RegFileWriter(RegFileEncoding encoding, std::size_t size_hint = 0);

  // Opens the key's section ("[-...]" for a deletion); the values that follow are its values.
  void Section(RegHandle root, std::string_view key, bool deleted = false);
  void SetValue(std::string_view name, RegType type, const std::vector<std::uint8_t>& data);
  void DeleteValue(std::string_view name);

  // The file: the header, each comment on a line of its own, then the sections.
  std::string Finish(const std::vector<std::string>& comments = {});

 private:
  std::size_t ValueStart(std::string_view name);

  bool unicode_;
  std::string body_;
};

// True when a .reg file can name this key or value: a name with a line break would end its line.
bool RegFileCanCarry(std::string_view name);

// The text with its line breaks shown as \r and \n, so that it stays on one line.
std::string OneLine(std::string_view text);

// The key `path` below `root` and everything under it, as REGEDIT4 text, keys and values in
// enumeration order. Throws RegistryError when a key cannot be read or holds a name that the
// format cannot carry.
std::string DumpRegFile(RegistryApi& api, RegHandle root, const std::string& path);

// "HKEY_LOCAL_MACHINE\path" or "HKEY_CURRENT_USER\path", as a file names a key.
std::string RegFileKeyName(RegHandle root, std::string_view key);

}  // namespace quellon
