#include "app/console_form.h"

namespace quellon {

ConsoleForm::ConsoleForm(RegistryApi& registry, FileSystem& files)
    : form_(app_, registry, devices_, files) {
  form_.FormActivate();
  form_.Frame150.set_filter.box.SetChecked(false);
}

}  // namespace quellon
