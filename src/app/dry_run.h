#pragma once
// What a dry run shows: each registry value whose data a save or an import would change, read
// from the registry below and from the view that kept the changes. Also the files a dry run
// reads through, which never write.

#include <optional>
#include <string>
#include <vector>

#include "registry/capturing_registry.h"
#include "safety/file_system.h"

namespace quellon {

struct ValueChange {
  RegHandle root = kNoKey;
  std::string key;
  std::string name;
  std::string before;  // as ShownValue gives them
  std::string after;
};

// The values the view changed whose data now differs from the registry below, in the order of
// their first change (the save's or the import's order).
std::vector<ValueChange> ChangesOf(const CapturingRegistry& view, RegistryApi& below);

// A value's data as the dry run prints it: dword:0000001f, "text", expand:"text", hex(T):01,02,
// (missing), or (unreadable) for one the registry would not give.
std::string ShownValue(const std::optional<RegValue>& value);
// HKEY_LOCAL_MACHINE\KEY "NAME": BEFORE -> AFTER
std::string ChangeLine(const ValueChange& change);

// Reads through to the files below; writes, new folders and removals go nowhere, so that the
// backup an import takes first is not written.
class ReadOnlyFiles : public FileSystem {
 public:
  explicit ReadOnlyFiles(FileSystem& below) : below_(below) {}
  std::string LocalAppData() override { return below_.LocalAppData(); }
  void MakeFolders(const std::string&) override {}
  std::vector<std::string> List(const std::string& folder) override { return below_.List(folder); }
  bool IsLink(const std::string& path) override { return below_.IsLink(path); }
  bool Exists(const std::string& path) override { return below_.Exists(path); }
  std::string Read(const std::string& path) override { return below_.Read(path); }
  std::string ReadStart(const std::string& path, std::size_t bytes) override {
    return below_.ReadStart(path, bytes);
  }
  void Write(const std::string&, std::string_view) override {}
  void Remove(const std::string&) override {}
  LocalTime Now() override { return below_.Now(); }

 private:
  FileSystem& below_;
};

}  // namespace quellon
