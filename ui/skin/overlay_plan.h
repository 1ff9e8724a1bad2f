// A window's overlay as plain lists of draws, in drawing order, planned from the window's tables: the Marker
// refresh (which look each choice shows for the stored values) and the Hover overlay (which button lies under
// the pointer). The plans have room for the largest plan of either overlay window, so that planning allocates
// nothing on a mouse move.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "ui/skin/button_layout.h"
#include "ui/skin/choice.h"
#include "ui/skin/overlay_draw.h"

namespace skin {

// A plan that would not fit: a draw left out would leave a stale image on screen, so the program stops. Not
// constexpr, so that tables that cannot fit stop the build where they are constants.
[[noreturn]] inline void OverlayPlanOverflow() { std::abort(); }

class OverlayPlan {
 public:
  static constexpr size_t kCapacity = 40;

  constexpr void Add(const OverlayDraw& draw) {
    if (count_ == kCapacity) OverlayPlanOverflow();
    draws_[count_++] = draw;
  }
  const OverlayDraw* begin() const { return draws_.data(); }
  const OverlayDraw* end() const { return draws_.data() + count_; }
  size_t size() const { return count_; }
  const OverlayDraw& operator[](size_t i) const { return draws_[i]; }
  bool operator==(const OverlayPlan& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

 private:
  std::array<OverlayDraw, kCapacity> draws_{};
  size_t count_ = 0;
};

// What the hover overlay draws over a button for a cursor (screen coordinates) and the button's current screen
// rectangle: its hover image while the cursor lies strictly inside the hover area (the normal image when the
// hover image is missing), else its normal image.
constexpr OverlayDraw HoverDraw(const ButtonLayout& button, const RECT& screenRect, POINT cursor) {
  if (IsInHoverArea(screenRect, cursor, button.hoverInset))
    return {button.hover, button.at.x, button.at.y, button.size.cx, button.size.cy, button.normal};
  return {button.normal, button.at.x, button.at.y, button.size.cx, button.size.cy};
}

// What a window's overlay draws from. A plan draws at most once per action and per choice, so tables that fit
// the plan's capacity are always planned whole; a window's tables are constants, so ones that do not fit stop
// the build.
struct OverlayTables {
  constexpr OverlayTables(std::span<const ButtonLayout> actionButtons, std::span<const Choice> choiceButtons,
                          UINT markerBitmap, SIZE markerSizeInPixels)
      : actions(actionButtons), choices(choiceButtons), marker(markerBitmap), markerSize(markerSizeInPixels) {
    if (actions.size() + choices.size() > OverlayPlan::kCapacity) OverlayPlanOverflow();
  }

  std::span<const ButtonLayout> actions;  // the buttons with hover images, in the order they are drawn
  std::span<const Choice> choices;        // every Choice button, in the order the Marker refresh draws them
  UINT marker;                            // the Selection marker's bitmap
  SIZE markerSize;
};

// A window's overlay tables at every scale, from its generated layouts (each with its actions, choices and
// marker size) and its marker's bitmap, which every set carries under the same number.
template <class Layout, size_t N>
constexpr std::array<OverlayTables, N> OverlayTablesAtEveryScale(const Layout (&layouts)[N], UINT marker) {
  return [&]<size_t... Scale>(std::index_sequence<Scale...>) {
    return std::array{OverlayTables{layouts[Scale].actions, layouts[Scale].choices, marker, layouts[Scale].marker}...};
  }
  (std::make_index_sequence<N>());
}

// The current screen rectangle of a button, by control ID.
using ScreenRectOf = std::function<RECT(UINT id)>;

// The Marker refresh, one draw per shown choice: its selected look (the selected image over the button, or the
// Selection marker) while selected, else its face, which covers an older marker.
inline OverlayPlan MarkerPlan(const OverlayTables& tables, const StoredValue& stored) {
  OverlayPlan plan;
  for (const Choice& choice : tables.choices) {
    if (choice.selection == Selection::kHidden) continue;
    if (!IsSelected(choice, tables.choices, stored(choice.row)))
      plan.Add({choice.normal, choice.at.x, choice.at.y, choice.size.cx, choice.size.cy});
    else if (choice.selectedImage)
      plan.Add({choice.selectedImage, choice.at.x, choice.at.y, choice.size.cx, choice.size.cy});
    else
      plan.Add({tables.marker, choice.marker.x, choice.marker.y, tables.markerSize.cx, tables.markerSize.cy});
  }
  return plan;
}

// The Hover overlay for a cursor in screen coordinates: every action button, then every choice with a hover image
// that is not selected (the selected one keeps its selected look).
inline OverlayPlan HoverPlan(const OverlayTables& tables, const StoredValue& stored, POINT cursor,
                             const ScreenRectOf& screenRectOf) {
  OverlayPlan plan;
  for (const ButtonLayout& action : tables.actions) plan.Add(HoverDraw(action, screenRectOf(action.id), cursor));
  for (const Choice& choice : tables.choices) {
    if (!choice.hover || choice.selection == Selection::kHidden) continue;
    if (IsSelected(choice, tables.choices, stored(choice.row))) continue;
    plan.Add(HoverDraw(choice, screenRectOf(choice.id), cursor));
  }
  return plan;
}

// Every bitmap the plans draw, each once, in ascending order: the actions' normal and hover images, the shown
// choices' faces, hover and selected images, and the marker.
// The images the window's buttons are created with: what its first paint shows.
inline std::vector<UINT> ButtonBitmapIds(const OverlayTables& tables) {
  std::vector<UINT> ids;
  for (const ButtonLayout& action : tables.actions)
    ids.insert(ids.end(), {action.normal, action.pressed, action.focused});
  for (const Choice& choice : tables.choices)
    if (choice.selection != Selection::kHidden) ids.insert(ids.end(), {choice.normal, choice.pressed});
  std::erase(ids, 0u);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

inline std::vector<UINT> OverlayBitmapIds(const OverlayTables& tables) {
  std::vector<UINT> ids{tables.marker};
  for (const ButtonLayout& action : tables.actions) ids.insert(ids.end(), {action.normal, action.hover});
  for (const Choice& choice : tables.choices)
    if (choice.selection != Selection::kHidden)
      ids.insert(ids.end(), {choice.normal, choice.hover, choice.selectedImage});
  std::erase(ids, 0u);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

}  // namespace skin
