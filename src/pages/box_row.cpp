#include "pages/box_row.h"

#include "pages/page.h"

namespace quellon {

BoxRow::BoxRow(Page& page, ui::Control& parent, const BoxSpec& spec)
    : Row(page, spec.step),
      box(spec.box_name, &parent),
      save(OptionalCheckBox(parent, spec.save_name, spec.save_bounds)),
      spec_(spec) {
  box.SetCaption(spec.caption);
  box.caption_left = true;
  box.SetChecked(spec.design_checked);
  box.SetBounds(spec.box_bounds);

  EnterOnFocus(box);
  if (spec.reacts & kClick) box.OnClick = [this] { Enter(); };
  if (spec.reacts & kPointer) EnterOnPointer(box);
  if (spec.reacts & kHover) Hover(box);
  if (!save) return;
  if (spec.reacts & kSaveFocus) EnterOnFocus(*save);
  if (spec.reacts & kClickSave) save->OnClick = [this] { Enter(); };
  if (spec.reacts & kPointer) EnterOnPointer(*save);
  if (spec.reacts & kHover) Hover(*save);
  if (spec.reacts & kExitUnbolds) box.OnExit = save->OnExit = [this] { box.SetBold(false); };
  if (spec.reacts & kExitResets) box.OnExit = save->OnExit = [this] { this->page().FontsNormal(); };
}

void BoxRow::Enter() {
  page().Highlight(box, spec_.help);
}

void BoxRow::Load(LoadContext& ctx) {
  if (!spec_.value) return;
  if (const auto checked = spec_.value->flag.checked(ctx.store.Read(spec_.value->value)))
    box.SetChecked(*checked);
}

void BoxRow::Save(SaveContext& ctx) {
  if (!spec_.value || !save || !save->checked()) return;
  ctx.store.Write(spec_.value->value, spec_.value->flag.stored(box.checked()));
}

}  // namespace quellon
