#pragma once
// Checks of a page's table that the compiler makes: every row loads and saves at a step of its
// own, every control number and control name is used once, and every control of a row lies inside
// the group box the rows stand in. Each table ends with a static_assert that PageTableFault finds
// none, so a row copied and not renumbered, or moved off its page, does not build.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "pages/box_row.h"
#include "pages/filter_list_row.h"
#include "pages/slider_row.h"
#include "ui/geometry.h"

namespace quellon {

// What the checks need of one table entry; a row written as code gives only its step.
struct TableRow {
  int step = 0;                        // 0: neither loaded nor saved
  int number = 0;                      // N of TrackBarN, EditN and CheckBoxN; 0: none
  std::array<const char*, 4> names{};  // nullptr: none
  std::array<ui::Rect, 5> bounds{};    // all zero: none
};

constexpr TableRow Summary(const SliderDef& def) {
  const SliderBounds& b = def.bounds;
  return {def.step,
          def.number,
          {def.caption_name, def.unit_name},
          {b.caption, b.slider, b.edit, def.unit_name ? b.unit : ui::Rect{}, b.save}};
}

constexpr TableRow Summary(const BoxDef& def) {
  return {def.step,
          0,
          {def.box_name, def.save_name},
          {def.box_bounds, def.save_name ? def.save_bounds : ui::Rect{}}};
}

constexpr TableRow Summary(const FilterListDef& def) {
  return {0,
          0,
          {def.caption_name, def.list_name, def.button_name, def.save_name},
          {def.caption_bounds, def.list_bounds, def.button_bounds,
           def.save_name ? def.save_bounds : ui::Rect{}}};
}

constexpr TableRow StepOnly(int step) {
  return {step, 0, {}, {}};
}

// A rectangle of zero size is no control.
constexpr bool Inside(const ui::Rect& r, int width, int height) {
  return (r.width == 0 && r.height == 0) ||
         (r.left >= 0 && r.top >= 0 && r.width > 0 && r.height > 0 && r.left + r.width <= width &&
          r.top + r.height <= height);
}

// What is wrong with a table, so that a failing check names it: the compiler shows the comparison
// it reduced, "(quellon::TableFault::kStepTwice == quellon::TableFault::kNone)".
enum class TableFault { kNone, kOutsidePage, kStepTwice, kNumberTwice, kNameTwice };

constexpr TableFault PageTableFault(std::initializer_list<TableRow> rows, int width, int height) {
  for (auto a = rows.begin(); a != rows.end(); ++a) {
    for (const ui::Rect& r : a->bounds)
      if (!Inside(r, width, height)) return TableFault::kOutsidePage;
    for (auto b = a + 1; b != rows.end(); ++b) {
      if (a->step != 0 && a->step == b->step) return TableFault::kStepTwice;
      if (a->number != 0 && a->number == b->number) return TableFault::kNumberTwice;
    }
    for (std::size_t i = 0; i < a->names.size(); ++i) {
      if (!a->names[i]) continue;
      for (auto b = a; b != rows.end(); ++b)
        for (std::size_t j = b == a ? i + 1 : 0; j < b->names.size(); ++j)
          if (b->names[j] && std::string_view(a->names[i]) == b->names[j])
            return TableFault::kNameTwice;
    }
  }
  return TableFault::kNone;
}

}  // namespace quellon
