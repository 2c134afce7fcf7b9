#include "pages/filter_list_row.h"

#include "pages/page.h"

namespace quellon {

FilterListRow::FilterListRow(Page& page, ui::Control& parent, const FilterListDef& def)
    : Row(page, 0),
      caption(def.caption_name, &parent),
      list(def.list_name, &parent),
      open(def.button_name, &parent),
      save(OptionalCheckBox(parent, def.save_name, def.save_bounds)),
      def_(def) {
  caption.SetCaption(def.caption);
  caption.SetBounds(def.caption_bounds);
  list.SetBounds(def.list_bounds);
  open.SetCaption("Open");
  open.SetBounds(def.button_bounds);
  // Every list has an "Open" of its own: a screen reader tells them apart by the list they open.
  list.SetAccessibleName(def.caption);
  open.SetAccessibleName(std::string("Open ") + def.caption);
  EnterOnFocus(list);
  open.OnClick = [this] { OpenChosen(); };
  Hover(caption);
  Hover(list);
  if (!save) return;
  save->SetVisible(false);
  save->SetEnabled(false);
  save->SetAccessibleName(SaveBoxName(def.caption));
  Hover(*save);
}

void FilterListRow::Enter() {
  page().Highlight(caption, def_.help);
}

// Position 0 is the list's heading, and -1 means the user typed into the box: neither names a
// filter.
void FilterListRow::OpenChosen() {
  const int chosen = list.item_index();
  if (chosen >= 1) page().host().ShowPvrPropPage(def_.kind, chosen);
}

}  // namespace quellon
