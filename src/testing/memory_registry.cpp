#include "testing/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "registry/cp1252.h"

namespace quellon {
namespace {

struct StoredValue {
  std::string name;
  RegType type = kRegNone;
  std::vector<std::uint8_t> data;
};

// Names arrive as C strings in the ...A calls: they end at the first zero byte.
std::string CName(const std::string& name) {
  return std::string(name.c_str());
}

// Splits a subkey path the way the registry does: empty components (doubled or trailing
// backslashes) are skipped, a leading backslash is refused, and so are paths and components
// longer than the ANSI calls accept.
RegStatus SplitSubKey(const std::string& subKey, std::vector<std::string>* parts) {
  const std::string path = CName(subKey);
  if (path.size() > kMaxSubKeyPathChars) return kErrorMoreData;
  if (!path.empty() && path.front() == '\\') return kErrorBadPathname;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end - start > kMaxKeyNameChars) return kErrorInvalidParameter;
    if (end > start) parts->push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return kErrorSuccess;
}

// Both lists are kept sorted by CompareRegNames; this is where `name` is or would go.
template <typename List, typename NameOf>
auto SortedPosition(List& list, const std::string& name, NameOf nameOf) {
  return std::lower_bound(list.begin(), list.end(), name, [&](const auto& item, const auto& n) {
    return CompareRegNames(nameOf(item), n) < 0;
  });
}

RegStatus CopyName(const std::string& name, char* buffer, std::uint32_t* length) {
  if (buffer == nullptr || length == nullptr) return kErrorInvalidParameter;
  if (name.size() >= *length) return kErrorMoreData;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *length = static_cast<std::uint32_t>(name.size());
  return kErrorSuccess;
}

// The type and data of a value into the caller's buffers, as RegQueryValueExA and RegEnumValueA
// give them.
RegStatus CopyData(const StoredValue& value, RegType* type, std::uint8_t* data,
                   std::uint32_t* size) {
  if (type != nullptr) *type = value.type;
  const auto needed = static_cast<std::uint32_t>(value.data.size());
  if (data != nullptr) {
    if (*size < needed) {
      *size = needed;
      return kErrorMoreData;
    }
    std::copy(value.data.begin(), value.data.end(), data);
    // Like the system, terminate unterminated string data when the buffer has room for it; the
    // size reported still leaves that zero out.
    if (IsStringType(value.type) && needed > 0 && needed < *size && data[needed - 1] != 0) {
      data[needed] = 0;
    }
  }
  if (size != nullptr) *size = needed;
  return kErrorSuccess;
}

}  // namespace

struct MemoryRegistry::Node {
  std::string name;
  Node* parent = nullptr;  // null for a root and for a deleted key
  std::vector<NodePtr> subKeys;
  std::vector<StoredValue> values;
  RegAccess denied = 0;
  bool deleted = false;

  auto SubKeyAt(const std::string& key) {
    return SortedPosition(subKeys, key,
                          [](const NodePtr& n) -> const std::string& { return n->name; });
  }
  auto ValueAt(const std::string& value) {
    return SortedPosition(values, value,
                          [](const StoredValue& v) -> const std::string& { return v.name; });
  }
  NodePtr FindSubKey(const std::string& key) {
    auto it = SubKeyAt(key);
    return it != subKeys.end() && RegNamesEqual((*it)->name, key) ? *it : nullptr;
  }
  StoredValue* FindValue(const std::string& value) {
    auto it = ValueAt(value);
    return it != values.end() && RegNamesEqual(it->name, value) ? &*it : nullptr;
  }
};

struct MemoryRegistry::Located {
  NodePtr node;
};

MemoryRegistry::MemoryRegistry()
    : localMachine_(std::make_shared<Node>()), currentUser_(std::make_shared<Node>()) {}

MemoryRegistry::~MemoryRegistry() = default;

RegStatus MemoryRegistry::Resolve(RegHandle handle, NodePtr* node) const {
  if (handle == kHkeyLocalMachine) {
    *node = localMachine_;
  } else if (handle == kHkeyCurrentUser) {
    *node = currentUser_;
  } else {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return kErrorInvalidHandle;
    *node = it->second;
  }
  return (*node)->deleted ? kErrorKeyDeleted : kErrorSuccess;
}

RegStatus MemoryRegistry::Walk(RegHandle parent, const std::string& subKey, bool create,
                               RegAccess access, Located* found) {
  NodePtr node;
  RegStatus status = Resolve(parent, &node);
  if (status != kErrorSuccess) return status;
  std::vector<std::string> parts;
  status = SplitSubKey(subKey, &parts);
  if (status != kErrorSuccess) return status;
  for (const std::string& part : parts) {
    NodePtr child = node->FindSubKey(part);
    if (!child) {
      if (!create) return kErrorFileNotFound;
      if ((node->denied & kKeyCreateSubKey) != 0) return kErrorAccessDenied;
      child = std::make_shared<Node>();
      child->name = part;
      child->parent = node.get();
      node->subKeys.insert(node->SubKeyAt(part), child);
    }
    node = std::move(child);
  }
  if ((node->denied & access) != 0) return kErrorAccessDenied;
  found->node = std::move(node);
  return kErrorSuccess;
}

RegHandle MemoryRegistry::Issue(NodePtr node) {
  const RegHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(handle, std::move(node));
  return handle;
}

RegStatus MemoryRegistry::OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                  RegHandle* result) {
  if (result == nullptr) return kErrorInvalidParameter;
  Located found;
  const RegStatus status = Walk(parent, subKey, false, access, &found);
  if (status == kErrorSuccess) *result = Issue(std::move(found.node));
  return status;
}

RegStatus MemoryRegistry::CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                    RegHandle* result) {
  if (result == nullptr) return kErrorInvalidParameter;
  Located found;
  const RegStatus status = Walk(parent, subKey, true, access, &found);
  if (status == kErrorSuccess) *result = Issue(std::move(found.node));
  return status;
}

RegStatus MemoryRegistry::QueryValue(RegHandle key, const std::string& name, RegType* type,
                                     std::uint8_t* data, std::uint32_t* size) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
  const StoredValue* value = node->FindValue(CName(name));
  if (value == nullptr) return kErrorFileNotFound;
  return CopyData(*value, type, data, size);
}

RegStatus MemoryRegistry::SetValue(RegHandle key, const std::string& name, RegType type,
                                   const std::uint8_t* data, std::uint32_t size) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  const std::string valueName = CName(name);
  if (valueName.size() > kMaxValueNameChars) return kErrorInvalidParameter;
  if (data == nullptr && size != 0) return kErrorInvalidParameter;
  std::vector<std::uint8_t> bytes(data, data + size);
  if (StoredValue* existing = node->FindValue(valueName)) {
    existing->type = type;  // the value keeps the name it was created with
    existing->data = std::move(bytes);
  } else {
    node->values.insert(node->ValueAt(valueName), StoredValue{valueName, type, std::move(bytes)});
  }
  return kErrorSuccess;
}

RegStatus MemoryRegistry::DeleteValue(RegHandle key, const std::string& name) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  const std::string valueName = CName(name);
  auto it = node->ValueAt(valueName);
  if (it == node->values.end() || !RegNamesEqual(it->name, valueName)) return kErrorFileNotFound;
  node->values.erase(it);
  return kErrorSuccess;
}

RegStatus MemoryRegistry::DeleteKey(RegHandle parent, const std::string& subKey) {
  Located found;
  const RegStatus status = Walk(parent, subKey, false, 0, &found);
  if (status != kErrorSuccess) return status;
  Node* owner = found.node->parent;
  if (owner == nullptr || found.node->denied != 0 || !found.node->subKeys.empty()) {
    return kErrorAccessDenied;
  }
  owner->subKeys.erase(owner->SubKeyAt(found.node->name));
  found.node->deleted = true;
  found.node->parent = nullptr;
  return kErrorSuccess;
}

RegStatus MemoryRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  if (info == nullptr) return kErrorInvalidParameter;
  *info = RegKeyInfo{};
  info->subKeys = static_cast<std::uint32_t>(node->subKeys.size());
  info->values = static_cast<std::uint32_t>(node->values.size());
  for (const NodePtr& child : node->subKeys) {
    info->maxSubKeyLen =
        std::max(info->maxSubKeyLen, static_cast<std::uint32_t>(child->name.size()));
  }
  for (const StoredValue& value : node->values) {
    info->maxValueNameLen =
        std::max(info->maxValueNameLen, static_cast<std::uint32_t>(value.name.size()));
    // The system stores string data as UTF-16 and reports that size.
    const std::size_t stored = value.data.size() * (IsStringType(value.type) ? 2 : 1);
    info->maxValueLen = std::max(info->maxValueLen, static_cast<std::uint32_t>(stored));
  }
  return kErrorSuccess;
}

RegStatus MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                                  std::uint32_t* length) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  if (index >= node->subKeys.size()) return kErrorNoMoreItems;
  return CopyName(node->subKeys[index]->name, name, length);
}

RegStatus MemoryRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                    std::uint32_t* length, RegType* type, std::uint8_t* data,
                                    std::uint32_t* size) {
  NodePtr node;
  const RegStatus status = Resolve(key, &node);
  if (status != kErrorSuccess) return status;
  if (index >= node->values.size()) return kErrorNoMoreItems;
  if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
  const StoredValue& value = node->values[index];
  const RegStatus named = CopyName(value.name, name, length);
  return named == kErrorSuccess ? CopyData(value, type, data, size) : named;
}

RegStatus MemoryRegistry::CloseKey(RegHandle key) {
  if (key == kHkeyLocalMachine || key == kHkeyCurrentUser) return kErrorSuccess;
  return handles_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::DenyAccess(RegHandle root, const std::string& path, RegAccess denied) {
  Located found;
  const RegStatus status = Walk(root, path, true, 0, &found);
  if (status != kErrorSuccess)
    throw RegistryError(status, "Cannot mark key '" + path + "' as denied");
  found.node->denied = denied;
}

}  // namespace quellon
