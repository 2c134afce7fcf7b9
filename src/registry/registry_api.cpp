#include "registry/registry_api.h"

#include <utility>

namespace quellon {

RegKey::RegKey(RegKey&& other) noexcept
    : api_(other.api_), handle_(std::exchange(other.handle_, kNoKey)) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    Close();
    api_ = other.api_;
    handle_ = std::exchange(other.handle_, kNoKey);
  }
  return *this;
}

void RegKey::Close() noexcept {
  if (handle_ != kNoKey && api_ != nullptr) api_->CloseKey(handle_);
  handle_ = kNoKey;
}

RegStatus RegKey::Open(RegistryApi& api, RegHandle parent, const std::string& subKey,
                       RegAccess access, RegKey* result) {
  result->Close();
  RegHandle handle = kNoKey;
  const RegStatus status = api.OpenKey(parent, subKey, access, &handle);
  if (status == kErrorSuccess) *result = RegKey(api, handle);
  return status;
}

RegStatus RegKey::Create(RegistryApi& api, RegHandle parent, const std::string& subKey,
                         RegAccess access, RegKey* result) {
  result->Close();
  RegHandle handle = kNoKey;
  const RegStatus status = api.CreateKey(parent, subKey, access, &handle);
  if (status == kErrorSuccess) *result = RegKey(api, handle);
  return status;
}

}  // namespace quellon
