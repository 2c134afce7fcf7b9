#include "app/console_form.h"

#include "devices/device_error.h"

namespace quellon {

Guid NoDeviceSystem::ClsidFromString(const std::string& text) {
  if (auto guid = ParseGuid(text)) return *guid;
  throw ClassStringError(kInvalidClassString, OleErrorText(kInvalidClassString, ""));
}

ConsoleForm::ConsoleForm(RegistryApi& registry, FileSystem& files)
    : form_(app_, registry, devices_, files) {
  form_.FormActivate();
  form_.Frame150.set_filter.box.SetChecked(false);
}

}  // namespace quellon
