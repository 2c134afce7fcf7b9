#include "registry/capturing_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quellon {
namespace {

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Join(const std::string& parent, const std::string& sub) {
  if (sub.empty()) return parent;
  return parent.empty() ? sub : parent + "\\" + sub;
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string LeafOf(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

void AddNew(std::vector<std::string>* names, const std::string& name) {
  const std::string lower = Lower(name);
  if (std::ranges::none_of(*names, [&](const std::string& n) { return Lower(n) == lower; }))
    names->push_back(name);
}

RegStatus CopyName(const std::vector<std::string>& names, std::uint32_t index, char* buffer,
                   std::uint32_t* length) {
  if (index >= names.size()) return kErrorNoMoreItems;
  const std::string& name = names[index];
  if (name.size() >= *length) return kErrorMoreData;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *length = static_cast<std::uint32_t>(name.size());
  return kErrorSuccess;
}

}  // namespace

std::string CapturingRegistry::Id(RegHandle root, const std::string& path) {
  return std::to_string(root) + ":" + Lower(path);
}

const CapturingRegistry::Place* CapturingRegistry::PlaceOf(RegHandle key) const {
  static const Place kMachine{kHkeyLocalMachine, ""};
  static const Place kUser{kHkeyCurrentUser, ""};
  if (key == kHkeyLocalMachine) return &kMachine;
  if (key == kHkeyCurrentUser) return &kUser;
  const auto at = open_.find(key);
  return at == open_.end() ? nullptr : &at->second;
}

RegStatus CapturingRegistry::OpenBelow(const Place& place, RegKey* key) {
  return RegKey::Open(below_, place.root, place.path, kKeyRead, key);
}

bool CapturingRegistry::Exists(const Place& place) {
  const std::string id = Id(place.root, place.path);
  if (std::ranges::any_of(created_, [&](const Place& p) { return Id(p.root, p.path) == id; }))
    return true;
  RegKey key;
  return OpenBelow(place, &key) == kErrorSuccess;
}

RegHandle CapturingRegistry::Issue(Place place) {
  const RegHandle handle = next_++;
  open_.emplace(handle, std::move(place));
  return handle;
}

RegStatus CapturingRegistry::OpenKey(RegHandle parent, const std::string& subKey, RegAccess,
                                     RegHandle* result) {
  const Place* at = PlaceOf(parent);
  if (!at) return kErrorInvalidHandle;
  Place place{at->root, Join(at->path, subKey)};
  const std::string id = Id(place.root, place.path);
  if (std::ranges::none_of(created_, [&](const Place& p) { return Id(p.root, p.path) == id; })) {
    RegKey key;
    if (const RegStatus status = OpenBelow(place, &key); status != kErrorSuccess) return status;
  }
  *result = Issue(std::move(place));
  return kErrorSuccess;
}

// Every missing key on the path joins the view's keys, parents first.
RegStatus CapturingRegistry::CreateKey(RegHandle parent, const std::string& subKey, RegAccess,
                                       RegHandle* result) {
  const Place* at = PlaceOf(parent);
  if (!at) return kErrorInvalidHandle;
  Place place{at->root, Join(at->path, subKey)};
  std::vector<Place> missing;
  for (std::string path = place.path; !path.empty(); path = ParentOf(path)) {
    if (Exists({place.root, path})) break;
    missing.insert(missing.begin(), {place.root, path});
  }
  created_.insert(created_.end(), missing.begin(), missing.end());
  *result = Issue(std::move(place));
  return kErrorSuccess;
}

CapturingRegistry::Touched* CapturingRegistry::Find(const Place& place, const std::string& name) {
  const std::string id = Id(place.root, place.path);
  const std::string lower = Lower(name);
  for (Touched& t : touched_)
    if (Id(t.root, t.key) == id && Lower(t.name) == lower) return &t;
  return nullptr;
}

RegStatus CapturingRegistry::QueryValue(RegHandle key, const std::string& name, RegType* type,
                                        std::uint8_t* data, std::uint32_t* size) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  if (const Touched* t = Find(*place, name)) {
    if (!t->now) return kErrorFileNotFound;
    const auto needed = static_cast<std::uint32_t>(t->now->data.size());
    if (type) *type = t->now->type;
    if (data) {
      if (!size || *size < needed) {
        if (size) *size = needed;
        return kErrorMoreData;
      }
      std::ranges::copy(t->now->data, data);
    }
    if (size) *size = needed;
    return kErrorSuccess;
  }
  RegKey below;
  if (const RegStatus status = OpenBelow(*place, &below); status != kErrorSuccess) return status;
  return below_.QueryValue(below.get(), name, type, data, size);
}

RegStatus CapturingRegistry::SetValue(RegHandle key, const std::string& name, RegType type,
                                      const std::uint8_t* data, std::uint32_t size) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  RegValue value{type, std::vector<std::uint8_t>(data, data + size)};
  if (Touched* t = Find(*place, name)) {
    t->now = std::move(value);
  } else {
    touched_.push_back({place->root, place->path, name, std::move(value)});
  }
  return kErrorSuccess;
}

RegStatus CapturingRegistry::DeleteValue(RegHandle key, const std::string& name) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  std::uint32_t size = 0;
  if (const RegStatus status = QueryValue(key, name, nullptr, nullptr, &size);
      status != kErrorSuccess)
    return status;
  if (Touched* t = Find(*place, name)) {
    t->now.reset();
  } else {
    touched_.push_back({place->root, place->path, name, std::nullopt});
  }
  return kErrorSuccess;
}

RegStatus CapturingRegistry::DeleteKey(RegHandle, const std::string&) {
  return kErrorAccessDenied;
}

// The names below, then the view's own in the order they came.
RegStatus CapturingRegistry::SubKeyNames(const Place& place, std::vector<std::string>* names) {
  RegKey below;
  if (OpenBelow(place, &below) == kErrorSuccess) {
    if (const RegStatus status = ListSubKeyNames(below_, below.get(), names);
        status != kErrorSuccess)
      return status;
  }
  const std::string id = Id(place.root, place.path);
  for (const Place& p : created_)
    if (p.root == place.root && !p.path.empty() && Id(p.root, ParentOf(p.path)) == id)
      AddNew(names, LeafOf(p.path));
  return kErrorSuccess;
}

RegStatus CapturingRegistry::ValueNames(const Place& place, std::vector<std::string>* names) {
  RegKey below;
  if (OpenBelow(place, &below) == kErrorSuccess) {
    if (const RegStatus status = ListValueNames(below_, below.get(), names);
        status != kErrorSuccess)
      return status;
  }
  const std::string id = Id(place.root, place.path);
  for (const Touched& t : touched_) {
    if (Id(t.root, t.key) != id) continue;
    if (t.now) {
      AddNew(names, t.name);
    } else {
      std::erase_if(*names, [&](const std::string& n) { return Lower(n) == Lower(t.name); });
    }
  }
  return kErrorSuccess;
}

RegStatus CapturingRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  std::vector<std::string> keys, values;
  if (const RegStatus status = SubKeyNames(*place, &keys); status != kErrorSuccess) return status;
  if (const RegStatus status = ValueNames(*place, &values); status != kErrorSuccess) return status;
  RegKeyInfo merged;
  RegKey below;
  if (OpenBelow(*place, &below) == kErrorSuccess) {
    RegKeyInfo found;
    if (below_.QueryInfoKey(below.get(), &found) == kErrorSuccess)
      merged.maxValueLen = found.maxValueLen;
  }
  merged.subKeys = static_cast<std::uint32_t>(keys.size());
  merged.values = static_cast<std::uint32_t>(values.size());
  for (const std::string& name : keys)
    merged.maxSubKeyLen = std::max(merged.maxSubKeyLen, static_cast<std::uint32_t>(name.size()));
  for (const std::string& name : values)
    merged.maxValueNameLen =
        std::max(merged.maxValueNameLen, static_cast<std::uint32_t>(name.size()));
  const std::string id = Id(place->root, place->path);
  for (const Touched& t : touched_)
    if (t.now && Id(t.root, t.key) == id)
      merged.maxValueLen =
          std::max(merged.maxValueLen, static_cast<std::uint32_t>(t.now->data.size()));
  *info = merged;
  return kErrorSuccess;
}

RegStatus CapturingRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                                     std::uint32_t* length) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  std::vector<std::string> names;
  if (const RegStatus status = SubKeyNames(*place, &names); status != kErrorSuccess) return status;
  return CopyName(names, index, name, length);
}

RegStatus CapturingRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                       std::uint32_t* length, RegType* type, std::uint8_t* data,
                                       std::uint32_t* size) {
  const Place* place = PlaceOf(key);
  if (!place) return kErrorInvalidHandle;
  std::vector<std::string> names;
  if (const RegStatus status = ValueNames(*place, &names); status != kErrorSuccess) return status;
  const RegStatus named = CopyName(names, index, name, length);
  // The data is the value as a capture sees it: what was written over it, or what lies below.
  if (named != kErrorSuccess || (type == nullptr && size == nullptr)) return named;
  return QueryValue(key, names[index], type, data, size);
}

RegStatus CapturingRegistry::CloseKey(RegHandle key) {
  if (key != kHkeyLocalMachine && key != kHkeyCurrentUser) open_.erase(key);
  return kErrorSuccess;
}

}  // namespace quellon
