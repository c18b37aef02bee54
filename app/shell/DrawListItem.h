#pragma once
// DrawListItem: paints one item of an owner-drawn list or drop-down list: its
// text in Arial of `points` points at (left + 2, top) over the filled item
// rectangle; selected items white on RGB(30, 60, 150), others black on white.
#include "ui/ListControl.h"

void DrawListItem(const ui::ListItemDraw& item, const ui::ListControl& list, bool selected, int points);
