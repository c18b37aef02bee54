#include "PaletteReport.h"
#include "TextAppend.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace {

std::string TwoDecimals(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

// Text mode line ends: every "\n" becomes CR LF.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

int RoundHalfUp(double v) { return static_cast<int>(v + 0.5); }

} // namespace

std::string PaletteReport(const std::vector<FavoriteScheme>& schemes,
                          const std::string& favoritesPath, const ReportColorSource& source)
{
    std::string out;
    out += "Favorites Scheme : " + favoritesPath + "\n\n";
    out += "ProFileName : " + source.ProfileName() + "\n";
    out += "\nWhitePoint  : " + source.WhitePointName() + "\n";
    const std::array<double, 3> gamma = source.Gammas();
    out += "\nRed Gamma   : " + TwoDecimals(gamma[0]) + "\nGreen Gamma : " + TwoDecimals(gamma[1])
           + "\nBlue Gamma  : " + TwoDecimals(gamma[2]) + "\n";

    for (const FavoriteScheme& s : schemes) {
        out += "\n\nScheme Name : " + s.name + "\n";
        const int count = s.count < 0 ? 0 : (s.count > FavoriteScheme::kMaxColors ? FavoriteScheme::kMaxColors : s.count);
        for (int i = 0; i < count; ++i) {
            const uint32_t c = s.colors[i] & 0xFFFFFFu;
            const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            Append(out, "\nRGB : %3d, %3d, %3d / ", r, g, b);
            const std::array<double, 3> lab = source.Lab(c);
            Append(out, "Lab : %3d, %3d, %3d / ", RoundHalfUp(lab[0]), RoundHalfUp(lab[1]), RoundHalfUp(lab[2]));
            const std::array<float, 4> cmyk = source.Cmyk(c);
            Append(out, "CMYK : %3d, %3d, %3d, %3d ", static_cast<int>(cmyk[0]), static_cast<int>(cmyk[1]),
                   static_cast<int>(cmyk[2]), static_cast<int>(cmyk[3]));
            Append(out, "\nHEXA : %6X / ", static_cast<unsigned>(r * 65536 + g * 256 + b));
            out += "Pantone : " + source.NearestName(ReportColorSource::Pantone, c) + " / ";
            out += "NCS : " + source.NearestName(ReportColorSource::Ncs, c) + "\n";
            out += "TOYO : " + source.NearestName(ReportColorSource::Toyo, c) + " / ";
            out += "DIC : " + source.NearestName(ReportColorSource::Dic, c) + " / ";
            out += "COS : " + source.NearestName(ReportColorSource::Cos, c) + "\n";
        }
    }
    return WithCrLf(out);
}
