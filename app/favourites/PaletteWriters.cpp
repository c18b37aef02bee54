#include "PaletteWriters.h"
#include "TextAppend.h"

#include "ByteIo.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace PaletteWriters {

namespace {

int Red(uint32_t c) { return static_cast<int>(c & 0xFF); }
int Green(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }

int ColorCount(const FavoriteScheme& s)
{
    return s.count < 0 ? 0 : (s.count > FavoriteScheme::kMaxColors ? FavoriteScheme::kMaxColors : s.count);
}

// Text lines end with CR LF.
void Line(std::string& out, std::string_view text = {})
{
    out.append(text);
    out.append("\r\n");
}

std::string FileName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string Aco(const Schemes& schemes)
{
    ByteWriter out;
    out.U16Be(1);
    out.U16Be(static_cast<uint16_t>(16 * schemes.size()));
    for (const FavoriteScheme& s : schemes) {
        const int count = ColorCount(s);
        for (int i = 0; i < 16; ++i) {
            const uint32_t c = (i >= 4 && i < count + 4) ? s.colors[i - 4] : 0;
            out.U16Be(0);
            out.U16Be(static_cast<uint16_t>(Red(c) * 257));
            out.U16Be(static_cast<uint16_t>(Green(c) * 257));
            out.U16Be(static_cast<uint16_t>(Blue(c) * 257));
            out.U16Be(0);
        }
    }
    return std::move(out.Data());
}

std::string PspPalette(const Schemes& schemes)
{
    constexpr std::size_t kLinesPerScheme = 13;
    constexpr std::size_t kMinLines = 256;
    const std::size_t lines = std::max(kMinLines, kLinesPerScheme * schemes.size());
    std::string out;
    Line(out, "JASC-PAL");
    Line(out, "0100");
    Line(out, std::to_string(lines));
    for (const FavoriteScheme& s : schemes) {
        const int count = ColorCount(s);
        for (std::size_t i = 0; i < kLinesPerScheme; ++i) {
            const uint32_t c = static_cast<int>(i) < count ? s.colors[i] : 0;
            Append(out, "%d %d %d\r\n", Red(c), Green(c), Blue(c));
        }
    }
    for (std::size_t i = kLinesPerScheme * schemes.size(); i < lines; ++i)
        Line(out, "0 0 0");
    return out;
}

std::string PainterTxt(const Schemes& schemes)
{
    int total = 0;
    for (const FavoriteScheme& s : schemes)
        total += ColorCount(s);
    std::string out;
    Line(out, "ROWS 1");
    Append(out, "COLS %d\r\n", total);
    Line(out, "WIDTH 32");
    Line(out, "HEIGHT 32");
    Line(out, "TEXTHEIGHT 0");
    Line(out, "SPACING 1");
    for (const FavoriteScheme& s : schemes)
        for (int i = 0; i < ColorCount(s); ++i)
            Append(out, "R: %3d, G: %3d, B: %3d\r\n", Red(s.colors[i]), Green(s.colors[i]), Blue(s.colors[i]));
    return out;
}

std::string CplPaletteName(const std::string& path)
{
    const std::string file = FileName(path);
    const std::string stem = file.substr(0, file.find('.'));
    static constexpr std::string_view kSuffix = " of Tintonia";
    return FitToBytes(stem, 255 - kSuffix.size()) + std::string(kSuffix);
}

std::string Cpl(const Schemes& schemes, const std::string& path)
{
    const std::string name = CplPaletteName(path);
    ByteWriter out;
    out.U8(0xDC);
    out.U8(0xDC);
    out.U8(static_cast<uint8_t>(name.size()));
    out.Bytes(name);
    for (uint8_t b : {0xFA, 0x01, 0x05, 0x00, 0x05, 0x05, 0x00, 0x00, 0x00, 0x00})
        out.U8(b);
    for (const FavoriteScheme& s : schemes) {
        const int count = ColorCount(s);
        for (int k = 0; k < 10; ++k) {
            const uint32_t c = (k >= 2 && k < count + 2) ? s.colors[k - 2] : 0;
            out.U8(static_cast<uint8_t>(Blue(c)));
            out.U8(static_cast<uint8_t>(Green(c)));
            out.U8(static_cast<uint8_t>(Red(c)));
            out.U8(0);
            for (uint8_t b : {0x00, 0x05, 0x00, 0x05, 0x05, 0x00, 0x00, 0x00, 0x00})
                out.U8(b);
        }
    }
    for (int i = 0; i < 3; ++i)
        out.U8(0);
    return std::move(out.Data());
}

std::string IllustratorFraction(int channel)
{
    const float fraction = static_cast<float>(channel) * 0.003921569f;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(fraction),
                                   std::chars_format::fixed, 6).ptr;
    std::string text(buffer, end);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string IllustratorDate(const std::tm& now)
{
    const int hour12 = now.tm_hour % 12 == 0 ? 12 : now.tm_hour % 12;
    std::string out;
    Append(out, "%d/%d/%d %d:%02d %s", now.tm_mon + 1, now.tm_mday, now.tm_year + 1900, hour12,
           now.tm_min, now.tm_hour < 12 ? "AM" : "PM");
    return out;
}

namespace {

void AiPalette(std::string& out, const Schemes& schemes)
{
    constexpr int kSlotsPerScheme = 12;
    Line(out, "%AI5_BeginPalette");
    Line(out, "0 0 Pb");
    Line(out, "0 0 0 1 ([Registration]) 0 Xs");
    Line(out, "([Registration]) Pc");
    int divider = 0;
    for (std::size_t k = 0; k < schemes.size(); ++k) {
        const FavoriteScheme& s = schemes[k];
        const int count = ColorCount(s);
        for (int i = 0; i < count; ++i) {
            const int r = Red(s.colors[i]), g = Green(s.colors[i]), b = Blue(s.colors[i]);
            Line(out, IllustratorFraction(r) + " " + IllustratorFraction(g) + " "
                          + IllustratorFraction(b) + " Xa");
            Append(out, "(%02X%02X%02X %d, %d, %d) Pc\r\n", r, g, b, r, g, b);
        }
        if (k + 1 == schemes.size())
            break;
        for (int i = count; i < kSlotsPerScheme; ++i) {
            Line(out, "0 0 0 Xa");
            Append(out, "(Divider %d) Pc\r\n", ++divider);
        }
    }
    Line(out, "PB");
    Line(out, "%AI5_EndPalette");
}

} // namespace

std::string Illustrator(const Schemes& schemes, const std::string& path, const std::tm& now)
{
    std::string out;
    Line(out, "%!PS-Adobe-3.0");
    Line(out, "%%Creator: Adobe Illustrator(R) 8.0");
    Line(out, "%%AI8_CreatorVersion: 10.0");
    Line(out, "%%For: (TNA) (Tintonia Works Co.,Ltd.)");
    // A line break in the file name would end the comment and turn the rest
    // of the name into PostScript.
    std::string title = FileName(path);
    for (char& c : title)
        if (c == '\r' || c == '\n')
            c = ' ';
    Line(out, "%%Title: (" + title + ")");
    Line(out, "%%CreationDate: " + IllustratorDate(now));
    Line(out, "%%BoundingBox: 0 0 0 0");
    Line(out, "%%HiResBoundingBox: 0 0 0 0");
    Line(out, "%%DocumentProcessColors: ");
    Line(out, "%%DocumentSuppliedResources: ");
    Line(out, "%AI5_FileFormat 4.0");
    Line(out, "%AI3_ColorUsage: Color");
    Line(out, "%AI7_ImageSettings: 0");
    Line(out, "%%RGBProcessColor: 0 0 0 ([Registration])");
    Line(out, "%%AI6_ColorSeparationSet: 1 1 (AI6 Default Color Separation Set)");
    Line(out, "%%+ Options: 1 16 0 1 0 1 0 0 0 0 1 1 1 8.504 0 0 0 0 0 0 0 0 -1 -1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 0 1 2 3 4");
    Line(out, "%%+ PPD: 1 21 0 0 60 45 2 2 1 0 0 1 0 0 0 0 0 0 0 0 3 3 ()");
    Line(out, "%AI3_TemplateBox: 298.5 420.3896 298.5 420.3896");
    Line(out, "%AI3_TileBox: 0 0 592 840");
    Line(out, "%AI3_DocumentPreview: None");
    Line(out, "%AI5_ArtSize: 595.4457 841.8898");
    Line(out, "%AI5_RulerUnits: 1");
    Line(out, "%AI5_ArtFlags: 0 0 0 1 0 0 1 0 0");
    Line(out, "%AI5_TargetResolution: 800");
    Line(out, "%AI5_NumLayers: 1");
    Line(out, "%AI8_OpenToView: -270.605 880.4629 1.19 1578 1042 26 0 1 11 83 0 0");
    Line(out, "%AI5_OpenViewLayers: 7");
    Line(out, "%%PageOrigin:0 0");
    Line(out, "%%AI3_PaperRect:0 842 595 0");
    Line(out, "%%AI3_Margin:0 0 0 0");
    Line(out, "%AI7_GridSettings: 72 8 72 8 1 0 0.8 0.8 0.8 0.9 0.9 0.9");
    Line(out, "%AI9_Flatten: 1");
    Line(out, "%%EndComments");
    Line(out, "%%BeginProlog");
    Line(out, "%%EndProlog");
    Line(out, "%%BeginSetup");
    AiPalette(out, schemes);
    Line(out, "%%EndSetup");
    Line(out, "%%Trailer");
    Line(out, "%%EOF");
    return out;
}

} // namespace PaletteWriters
