#pragma once
#include "FavoriteScheme.h"

#include <ctime>
#include <string>
#include <vector>

// The palette formats of other graphics programs, each laid out scheme by
// scheme and padded so schemes line up in the target's swatch grid. Every
// function returns the file's exact bytes; text formats end lines with CR LF
// and print numbers the same way whatever the user's locale.
namespace PaletteWriters {

using Schemes = std::vector<FavoriteScheme>;

// Photoshop colour swatches: 16 swatches per scheme (four black, the colours,
// black padding), big-endian.
std::string Aco(const Schemes& schemes);
// JASC palette as read by Paint Shop Pro and GIMP: 13 lines per scheme, padded
// with black to 256 colours; the count line always matches the lines written.
std::string PspPalette(const Schemes& schemes);
// Painter colour set: one row of every colour, no padding.
std::string PainterTxt(const Schemes& schemes);
// CorelDRAW palette named after the file ("warm.cpl" gives "warm of Tintonia").
std::string Cpl(const Schemes& schemes, const std::string& path);
// Illustrator swatch document; `now` is the local time for its creation date.
std::string Illustrator(const Schemes& schemes, const std::string& path, const std::tm& now);

// The name CorelDRAW shows for a palette saved at `path`, cut to 255 bytes.
std::string CplPaletteName(const std::string& path);
// A colour channel as Illustrator reads it: the channel over 255 as a float,
// printed with six decimals and without trailing zeros ("0.501961", "1", "0").
std::string IllustratorFraction(int channel);
// "%#m/%#d/%Y %#I:%M %p" in the C locale: "3/7/2026 9:05 PM".
std::string IllustratorDate(const std::tm& now);

} // namespace PaletteWriters
