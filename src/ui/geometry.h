#pragma once

namespace quellon::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A control's place in its parent's client area, as Left/Top/Width/Height.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Hit test with all four edges inclusive: a point on the right or bottom edge is inside.
inline bool ContainsInclusive(const Rect& r, Point p) {
  return r.left <= p.x && p.x <= r.left + r.width && r.top <= p.y && p.y <= r.top + r.height;
}

// Hit test the way a window system routes the pointer: right and bottom edges are outside.
inline bool ContainsExclusive(const Rect& r, Point p) {
  return r.left <= p.x && p.x < r.left + r.width && r.top <= p.y && p.y < r.top + r.height;
}

// True when the two rectangles share any area (touching edges do not count).
inline bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

}  // namespace quellon::ui
