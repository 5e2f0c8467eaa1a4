#pragma once
// Where the keyboard focus goes in a window whose controls are laid out by hand: the
// reading order of the controls (column by column, each column row by row), Tab and
// Shift+Tab through it, and the arrow keys inside a grid of controls. Pure functions of
// the controls' places, so the tables are checked without a window.
#include <span>
#include <vector>

#include "pixels/Geometry.h"

enum class TacNavigationKey { Next, Previous, Left, Right, Up, Down };

struct TacNavigationItem {
  TRect bounds;           // in the window's client area, any one unit for all items
  bool tabStop = false;   // visible, enabled and taking the focus
  int grid = -1;          // the arrow-key grid it belongs to; -1: none
};

// The items' indexes in reading order. Items whose horizontal extents overlap, directly
// or through others, form one column; columns are read left to right, a column's rows
// (items whose vertical extents overlap) top to bottom, a row left to right.
std::vector<int> ReadingOrder(std::span<const TRect> bounds);

// The item the focus moves to from `from` (an index into `items`, which are in reading
// order; -1 when nothing has the focus) by `key`; -1 when it stays where it is.
// Next/Previous visit the tab stops in order and wrap around. An arrow moves only inside
// the grid of the focused item: Left/Right to the neighbour in its row, Up/Down to the
// row above or below, to the item whose centre lies nearest across; never past an edge.
int NavigationTarget(std::span<const TacNavigationItem> items, int from, TacNavigationKey key);
