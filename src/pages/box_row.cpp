#include "pages/box_row.h"

#include "pages/page.h"

namespace quellon {

BoxRow::BoxRow(Page& page, ui::Control& parent, const BoxDef& def)
    : Row(page, def.step),
      box(def.box_name, &parent),
      save(OptionalCheckBox(parent, def.save_name, def.save_bounds)),
      def_(def) {
  box.SetCaption(def.caption);
  box.caption_left = true;
  box.SetChecked(def.design_checked);
  box.SetBounds(def.box_bounds);
  if (save) save->SetAccessibleName(SaveBoxName(def.caption));

  EnterOnFocus(box);
  if (def.reacts & kClick) box.OnClick = [this] { Enter(); };
  if (def.reacts & kPointer) EnterOnPointer(box);
  if (def.reacts & kHover) Hover(box);
  if (!save) return;
  if (def.reacts & kSaveFocus) EnterOnFocus(*save);
  if (def.reacts & kClickSave) save->OnClick = [this] { Enter(); };
  if (def.reacts & kPointer) EnterOnPointer(*save);
  if (def.reacts & kHover) Hover(*save);
  if (def.reacts & kExitUnbolds) box.OnExit = save->OnExit = [this] { box.SetBold(false); };
  if (def.reacts & kExitResets) box.OnExit = save->OnExit = [this] { this->page().FontsNormal(); };
}

void BoxRow::Enter() {
  page().Highlight(box, def_.help);
}

void BoxRow::Load(LoadContext& ctx) {
  if (!def_.value) return;
  if (const auto checked = def_.value->flag.checked(ctx.store.Read(def_.value->value)))
    box.SetChecked(*checked);
}

void BoxRow::Save(SaveContext& ctx) {
  if (!def_.value || !save || !save->checked()) return;
  ctx.store.Write(def_.value->value, def_.value->flag.stored(box.checked()));
}

}  // namespace quellon
