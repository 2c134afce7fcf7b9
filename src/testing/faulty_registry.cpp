#include "testing/faulty_registry.h"

#include <algorithm>

#include "registry/cp1252.h"

namespace quellon {
namespace {

void AppendParts(const std::string& subKey, std::vector<std::string>* parts) {
  std::size_t start = 0;
  while (start <= subKey.size()) {
    std::size_t end = subKey.find('\\', start);
    if (end == std::string::npos) end = subKey.size();
    if (end > start) parts->push_back(subKey.substr(start, end - start));
    start = end + 1;
  }
}

bool SamePath(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const std::string& x, const std::string& y) { return RegNamesEqual(x, y); });
}

}  // namespace

void FaultyRegistry::FailWritesOf(const std::string& valueName, RegStatus code) {
  nameFaults_.emplace_back(valueName, code);
}

void FaultyRegistry::FailNthWrite(unsigned n, RegStatus code) {
  writesUntilFault_ = n;
  countedCode_ = code;
}

void FaultyRegistry::FailOpenOf(RegHandle root, const std::string& path, RegStatus code) {
  KeyPath key{root, {}};
  AppendParts(path, &key.parts);
  openFaults_.push_back({std::move(key), code});
}

void FaultyRegistry::FailListingOf(RegHandle root, const std::string& path, RegStatus code) {
  KeyPath key{root, {}};
  AppendParts(path, &key.parts);
  listingFaults_.push_back({std::move(key), code});
}

void FaultyRegistry::ClearFaults() {
  nameFaults_.clear();
  openFaults_.clear();
  listingFaults_.clear();
  writesUntilFault_ = 0;
}

std::optional<FaultyRegistry::KeyPath> FaultyRegistry::PathOf(RegHandle parent,
                                                              const std::string& subKey) const {
  KeyPath path;
  if (parent == kHkeyLocalMachine || parent == kHkeyCurrentUser) {
    path.root = parent;
  } else {
    const auto it = paths_.find(parent);
    if (it == paths_.end()) return std::nullopt;
    path = it->second;
  }
  AppendParts(std::string(subKey.c_str()), &path.parts);
  return path;
}

std::optional<RegStatus> FaultyRegistry::FaultFor(const std::vector<KeyFault>& faults,
                                                  const std::optional<KeyPath>& path) {
  if (!path) return std::nullopt;
  for (const KeyFault& fault : faults) {
    if (fault.key.root == path->root && SamePath(fault.key.parts, path->parts)) return fault.code;
  }
  return std::nullopt;
}

std::optional<RegStatus> FaultyRegistry::ListingFaultFor(RegHandle key, std::uint32_t index) const {
  if (index == 0) return std::nullopt;
  return FaultFor(listingFaults_, PathOf(key, ""));
}

std::optional<RegStatus> FaultyRegistry::WriteFaultFor(const std::string& name) {
  if (writesUntilFault_ > 0 && --writesUntilFault_ == 0) return countedCode_;
  for (const auto& [faultName, code] : nameFaults_) {
    if (RegNamesEqual(faultName, name)) return code;
  }
  return std::nullopt;
}

RegStatus FaultyRegistry::Opened(RegStatus status, std::optional<KeyPath> path, RegHandle* result) {
  if (status == kErrorSuccess && path) paths_[*result] = std::move(*path);
  return status;
}

RegStatus FaultyRegistry::OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                  RegHandle* result) {
  std::optional<KeyPath> path = PathOf(parent, subKey);
  if (const auto fault = FaultFor(openFaults_, path)) return *fault;
  return Opened(inner().OpenKey(parent, subKey, access, result), std::move(path), result);
}

RegStatus FaultyRegistry::CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                    RegHandle* result) {
  std::optional<KeyPath> path = PathOf(parent, subKey);
  if (const auto fault = FaultFor(openFaults_, path)) return *fault;
  return Opened(inner().CreateKey(parent, subKey, access, result), std::move(path), result);
}

RegStatus FaultyRegistry::SetValue(RegHandle key, const std::string& name, RegType type,
                                   const std::uint8_t* data, std::uint32_t size) {
  if (const auto fault = WriteFaultFor(name)) return *fault;
  return inner().SetValue(key, name, type, data, size);
}

RegStatus FaultyRegistry::DeleteValue(RegHandle key, const std::string& name) {
  if (const auto fault = WriteFaultFor(name)) return *fault;
  return inner().DeleteValue(key, name);
}

RegStatus FaultyRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                                  std::uint32_t* length) {
  if (const auto fault = ListingFaultFor(key, index)) return *fault;
  return inner().EnumKey(key, index, name, length);
}

RegStatus FaultyRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                    std::uint32_t* length, RegType* type, std::uint8_t* data,
                                    std::uint32_t* size) {
  if (const auto fault = ListingFaultFor(key, index)) return *fault;
  return inner().EnumValue(key, index, name, length, type, data, size);
}

RegStatus FaultyRegistry::CloseKey(RegHandle key) {
  paths_.erase(key);
  return inner().CloseKey(key);
}

}  // namespace quellon
