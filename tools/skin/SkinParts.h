#pragma once
// The two halves of the skin: the control pictures that go onto the sheet
// "ConsonaIcon" and the window backgrounds of "Image2.cif".
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "CifWriter.h"

struct PackedSheet {
  QImage sheet;
  std::vector<std::pair<std::string, QRect>> rects;  // in piece order
};

// Every control picture, keyed by its layout name.
std::vector<NamedImage> ControlPieces();
// Places pieces in rows on a sheet of the given width, pure blue between them.
PackedSheet PackSheet(const std::vector<NamedImage>& pieces, int width);
std::vector<NamedImage> Backgrounds();
