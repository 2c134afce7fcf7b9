#include "registry/registry_api.h"

#include <utility>

namespace quellon {
namespace {

class Category : public std::error_category {
 public:
  const char* name() const noexcept override { return "registry"; }
  std::string message(int status) const override {
    return "Windows error " + std::to_string(status);
  }
};

}  // namespace

const std::error_category& RegistryCategory() {
  static const Category category;
  return category;
}

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
  // A key that does not close was closed already or never was a key: either way it is gone.
  if (handle_ != kNoKey && api_ != nullptr) static_cast<void>(api_->CloseKey(handle_));
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
