// The loader and the saver of the main window: every page's rows, in one fixed order.

#include "app/form1.h"
#include "app/setting_blocks.h"
#include "registry/registry_ops.h"

namespace quellon {

namespace {
constexpr const char* kEncoderKey = "SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData";
}

void LoadContext::DebugLine(std::optional<int> value_read) {
  // A missing value prints as the marker, and so does the position while none has been computed
  // in this run.
  const int read = value_read.value_or(RegValueMissing);
  const int position = last_position.value_or(RegValueMissing);
  form.Memo1.Append(std::to_string(read) + "::" + std::to_string(position));
}

void TForm1::GetSettingsFromRegistry() {
  LoadContext ctx{*this, registry_, std::nullopt};
  LoadPvr150Rows(ctx);
  LoadPvr150AdvancedRows(ctx);
  LoadPvr250Rows(ctx);
  LoadWintv2kRows(ctx);
}

void TForm1::SetSettingsInRegistry() {
  // The encoder driver keeps its settings only while this flag is set, so every save sets it.
  registry_.SetRegIntKeyHKLM(kEncoderKey, "HcwSaveEncoderSettings", 1);
  SaveContext ctx{*this, registry_};
  SavePvr150Rows(ctx);
  SavePvr150AdvancedRows(ctx);
  SavePvr250Rows(ctx);
  SaveWintv2kRows(ctx);
}

}  // namespace quellon
