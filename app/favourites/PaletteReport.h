#pragma once
#include "FavoriteScheme.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the palette report needs to know about colours beyond their RGB bytes:
// the monitor profile (for the header and for L*a*b*), CMYK percentages and the
// nearest entries of the five printed colour systems. The program answers from
// its colour model, monitor state and colour tables; tests answer with fixed
// values.
class ReportColorSource {
public:
    // Index of a named colour system.
    enum System { Pantone = 0, Ncs = 1, Toyo = 2, Dic = 3, Cos = 4 };

    virtual ~ReportColorSource() = default;
    virtual std::string ProfileName() const = 0;
    virtual std::string WhitePointName() const = 0;
    // Red, green and blue gamma.
    virtual std::array<double, 3> Gammas() const = 0;
    // L*, a*, b* under the current monitor profile.
    virtual std::array<double, 3> Lab(uint32_t color) const = 0;
    // Cyan, magenta, yellow, black in percent.
    virtual std::array<float, 4> Cmyk(uint32_t color) const = 0;
    // Name of the system's entry nearest to the colour.
    virtual std::string NearestName(System system, uint32_t color) const = 0;
};

// The readable palette information report (".cpi"): the favourites file, the
// monitor settings, then every colour of every scheme in RGB, L*a*b*, CMYK,
// hexadecimal and the five named systems. CR LF line ends, C-locale numbers.
std::string PaletteReport(const std::vector<FavoriteScheme>& schemes,
                          const std::string& favoritesPath, const ReportColorSource& source);
