// The load and save rows of the "150/500 Advanced" page. The driver reads its filter settings from
// the "DriverData" key of every card instance, so all four go through the fan-out pair; the
// registry holds the slider position as it is, and 1 or 0 for a static box.

#include "app/form1.h"
#include "app/setting_blocks.h"
#include "registry/registry_ops.h"

namespace quellon {
namespace {

constexpr const char* kIsStaticTemporal = "IsStaticTemporal";
constexpr const char* kStaticTemporalLevel = "StaticTemporalLevel";
constexpr const char* kIsStaticSpatial = "IsStaticSpatial";
constexpr const char* kStaticSpatialLevel = "StaticSpatialLevel";

// Static is the driver's own default, so a missing value ticks the box. Values other than 0 and 1
// mean nothing to the driver; the box then keeps what it shows.
void LoadStaticBox(const LoadContext& ctx, const char* name, ui::CheckBox& box) {
  const int stored = ctx.reg.GetRegIntKeyHKLM_all150subkeys(name).value_or(1);
  if (stored == 1) box.SetChecked(true);
  if (stored == 0) box.SetChecked(false);
}

// A missing level leaves the slider where it is; the slider limits any other value to its range.
void LoadLevel(LoadContext& ctx, const char* name, ui::Slider& slider) {
  if (const auto stored = ctx.reg.GetRegIntKeyHKLM_all150subkeys(name))
    slider.SetPosition(ctx.Computed(*stored));
}

}  // namespace

void LoadPvr150AdvancedRows(LoadContext& ctx) {
  TFr150b& page = ctx.form.Frame150b;
  LoadStaticBox(ctx, kIsStaticTemporal, page.StatTemp);
  LoadLevel(ctx, kStaticTemporalLevel, page.TrackBar9);
  LoadStaticBox(ctx, kIsStaticSpatial, page.StatSpat);
  LoadLevel(ctx, kStaticSpatialLevel, page.TrackBar5);
}

// Only the save boxes decide: a greyed level row is saved like any other.
void SavePvr150AdvancedRows(SaveContext& ctx) {
  const TFr150b& page = ctx.form.Frame150b;
  const RegistryOps& reg = ctx.reg;
  if (page.StatTempCheck.checked())
    reg.SetRegIntKeyHKLM_all150subkeys(kIsStaticTemporal, page.StatTemp.checked() ? 1 : 0);
  if (page.CheckBox9.checked())
    reg.SetRegIntKeyHKLM_all150subkeys(kStaticTemporalLevel, page.TrackBar9.position());
  if (page.StatSpatCheck.checked())
    reg.SetRegIntKeyHKLM_all150subkeys(kIsStaticSpatial, page.StatSpat.checked() ? 1 : 0);
  if (page.CheckBox5.checked())
    reg.SetRegIntKeyHKLM_all150subkeys(kStaticSpatialLevel, page.TrackBar5.position());
}

}  // namespace quellon
