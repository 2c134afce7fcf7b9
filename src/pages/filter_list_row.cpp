#include "pages/filter_list_row.h"

#include "pages/page.h"

namespace quellon {

FilterListRow::FilterListRow(Page& page, ui::Control& parent, const FilterListSpec& spec)
    : Row(page, 0),
      caption(spec.caption_name, &parent),
      list(spec.list_name, &parent),
      open(spec.button_name, &parent),
      save(OptionalCheckBox(parent, spec.save_name, spec.save_bounds)),
      spec_(spec) {
  caption.SetCaption(spec.caption);
  caption.SetBounds(spec.caption_bounds);
  list.SetBounds(spec.list_bounds);
  open.SetCaption("Open");
  open.SetBounds(spec.button_bounds);
  EnterOnFocus(list);
  open.OnClick = [this] { OpenChosen(); };
  Hover(caption);
  Hover(list);
  if (!save) return;
  save->SetVisible(false);
  save->SetEnabled(false);
  Hover(*save);
}

void FilterListRow::Enter() {
  page().Highlight(caption, spec_.help);
}

// Position 0 is the list's heading, and -1 means the user typed into the box: neither names a
// filter.
void FilterListRow::OpenChosen() {
  const int chosen = list.item_index();
  if (chosen >= 1) page().host().ShowPvrPropPage(spec_.kind, chosen);
}

}  // namespace quellon
