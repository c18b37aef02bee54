#include "PaletteExport.h"
#include "PaletteWriters.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>

namespace {

using PaletteExport::Format;

const std::vector<FavoriteScheme> kRedBlue = {Scheme("warm", {Rgb(255, 0, 0), Rgb(0, 0, 255)})};

std::vector<FavoriteScheme> Mixed()
{
    return {Scheme("five", {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(128, 51, 7), Rgb(1, 254, 100)}),
            Scheme("two", {Rgb(12, 34, 56), Rgb(200, 100, 50)}),
            Scheme("none", {})};
}

std::vector<uint32_t> AllColors(const std::vector<FavoriteScheme>& schemes)
{
    std::vector<uint32_t> out;
    for (const FavoriteScheme& s : schemes)
        out.insert(out.end(), s.colors.begin(), s.colors.begin() + s.count);
    return out;
}

std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// --- Adobe Photoshop swatches, version 1 section: u16 version, u16 count, then per
// swatch u16 colour space and four u16 components, all big-endian; RGB components
// scale 0..65535.
struct AcoSwatch { int space; int r, g, b; };
std::vector<AcoSwatch> ReadAco(const std::string& bytes)
{
    auto u16 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes.at(at)) << 8) | static_cast<unsigned char>(bytes.at(at + 1));
    };
    EXPECT_EQ(u16(0), 1);
    const int count = u16(2);
    EXPECT_EQ(bytes.size(), 4u + 10u * count);
    std::vector<AcoSwatch> swatches;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 4 + 10 * i;
        swatches.push_back({u16(at), u16(at + 2) / 257, u16(at + 4) / 257, u16(at + 6) / 257});
        EXPECT_EQ(u16(at + 2) % 257, 0);
    }
    return swatches;
}

TEST(PaletteWriters, AcoBytes)
{
    const std::string black = "00000000000000000000";
    std::string expected = "0001" "0010" + black + black + black + black
                           + "0000FFFF000000000000" + "00000000" "0000FFFF0000";
    for (int i = 0; i < 10; ++i)
        expected += black;
    const std::string bytes = PaletteWriters::Aco(kRedBlue);
    EXPECT_EQ(bytes.size(), 164u);
    EXPECT_EQ(Hex(bytes), expected);
}

TEST(PaletteWriters, AcoReadsBackPerSchemeBlocksOfSixteen)
{
    const auto schemes = Mixed();
    const std::vector<AcoSwatch> swatches = ReadAco(PaletteWriters::Aco(schemes));
    ASSERT_EQ(swatches.size(), 16 * schemes.size());
    for (std::size_t k = 0; k < schemes.size(); ++k)
        for (int i = 0; i < 16; ++i) {
            const AcoSwatch& w = swatches[16 * k + i];
            const bool used = i >= 4 && i < schemes[k].count + 4;
            EXPECT_EQ(w.space, 0);
            EXPECT_EQ(Rgb(w.r, w.g, w.b), used ? schemes[k].colors[i - 4] : 0u) << k << "/" << i;
        }
}

// --- JASC palette as GIMP reads it: "JASC-PAL", "0100", the colour count, then that
// many lines of three decimal numbers.
std::vector<uint32_t> ReadJasc(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    auto next = [&] {
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return line;
    };
    EXPECT_EQ(next(), "JASC-PAL");
    EXPECT_EQ(next(), "0100");
    const int count = std::stoi(next());
    std::vector<uint32_t> colors;
    for (int i = 0; i < count; ++i) {
        std::istringstream fields(next());
        int r = -1, g = -1, b = -1;
        fields >> r >> g >> b;
        EXPECT_TRUE(r >= 0 && r < 256 && g >= 0 && g < 256 && b >= 0 && b < 256) << "line " << i << ": " << line;
        colors.push_back(Rgb(r, g, b));
    }
    EXPECT_FALSE(std::getline(in, line)) << "no lines after the counted colours";
    return colors;
}

TEST(PaletteWriters, PspPaletteCountLineMatchesTheLines)
{
    const std::string bytes = PaletteWriters::PspPalette(kRedBlue);
    EXPECT_EQ(bytes.substr(0, 39), "JASC-PAL\r\n0100\r\n256\r\n255 0 0\r\n0 0 255\r\n");

    for (std::size_t schemes : {1u, 19u, 20u, 30u}) {
        std::vector<FavoriteScheme> list(schemes, Scheme("s", {Rgb(10, 20, 30), Rgb(40, 50, 60)}));
        const std::vector<uint32_t> colors = ReadJasc(PaletteWriters::PspPalette(list));
        EXPECT_EQ(colors.size(), std::max<std::size_t>(256, 13 * schemes)) << schemes << " schemes";
        for (std::size_t k = 0; k < schemes; ++k)
            for (int i = 0; i < 13; ++i)
                EXPECT_EQ(colors[13 * k + i], i < 2 ? list[k].colors[i] : 0u);
    }
}

TEST(PaletteWriters, PainterText)
{
    EXPECT_EQ(PaletteWriters::PainterTxt(kRedBlue),
              "ROWS 1\r\nCOLS 2\r\nWIDTH 32\r\nHEIGHT 32\r\nTEXTHEIGHT 0\r\nSPACING 1\r\n"
              "R: 255, G:   0, B:   0\r\nR:   0, G:   0, B: 255\r\n");
    const std::string mixed = PaletteWriters::PainterTxt(Mixed());
    EXPECT_NE(mixed.find("COLS 7\r\n"), std::string::npos) << "empty schemes add nothing";
}

TEST(PaletteWriters, CorelDrawPalette)
{
    for (const char* path : {"warm.cpl", "/tmp/some.folder/warm.cpl", "/x/warm.2.cpl"}) {
        const std::string bytes = PaletteWriters::Cpl(kRedBlue, path);
        ASSERT_EQ(bytes.size(), 162u) << path;
        EXPECT_EQ(bytes.substr(0, 19), std::string("\xDC\xDC\x10warm of Tintonia", 19)) << path;
    }
    const std::string bytes = PaletteWriters::Cpl(kRedBlue, "warm.cpl");
    const std::string slotTail("\x00\x05\x00\x05\x05\x00\x00\x00\x00", 9);
    const std::string blackSlot = std::string(4, '\0') + slotTail;
    std::string expected = std::string("\xFA\x01\x05\x00\x05\x05\x00\x00\x00\x00", 10)
                           + blackSlot + blackSlot
                           + std::string("\x00\x00\xFF\x00", 4) + slotTail
                           + std::string("\xFF\x00\x00\x00", 4) + slotTail;
    for (int i = 0; i < 6; ++i)
        expected += blackSlot;
    expected += std::string(3, '\0');
    EXPECT_EQ(Hex(bytes.substr(19)), Hex(expected));

    const std::string longName = PaletteWriters::CplPaletteName("/a/" + std::string(300, 'n') + ".cpl");
    EXPECT_EQ(longName.size(), 255u);
    EXPECT_EQ(longName.substr(243), " of Tintonia");
}

TEST(PaletteWriters, IllustratorNumbersAndDate)
{
    const std::pair<int, const char*> fractions[] = {{0, "0"}, {255, "1"}, {128, "0.501961"}, {51, "0.2"}, {1, "0.003922"}};
    for (const auto& [channel, text] : fractions)
        EXPECT_EQ(PaletteWriters::IllustratorFraction(channel), text) << channel;

    struct DateCase { int mon, mday, year, hour, min; const char* text; };
    const DateCase dates[] = {
        {2, 7, 2026, 21, 5, "3/7/2026 9:05 PM"},
        {11, 31, 1999, 0, 0, "12/31/1999 12:00 AM"},
        {0, 1, 2030, 12, 59, "1/1/2030 12:59 PM"},
        {9, 10, 2026, 9, 30, "10/10/2026 9:30 AM"},
    };
    for (const DateCase& d : dates) {
        std::tm t{};
        t.tm_mon = d.mon, t.tm_mday = d.mday, t.tm_year = d.year - 1900, t.tm_hour = d.hour, t.tm_min = d.min;
        EXPECT_EQ(PaletteWriters::IllustratorDate(t), d.text);
    }
}

std::tm FixedClock()
{
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 2, t.tm_mday = 7, t.tm_hour = 21, t.tm_min = 5;
    return t;
}

TEST(PaletteWriters, IllustratorLayout)
{
    const std::string text = PaletteWriters::Illustrator(Mixed(), "/some/where/mine.ai", FixedClock());
    EXPECT_EQ(text.substr(0, 16), "%!PS-Adobe-3.0\r\n");
    EXPECT_NE(text.find("\r\n%%Title: (mine.ai)\r\n%%CreationDate: 3/7/2026 9:05 PM\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n%%PageOrigin:0 0\r\n"), std::string::npos);
    EXPECT_NE(PaletteWriters::Illustrator({}, "/x/a\nquit.ai", FixedClock()).find("%%Title: (a quit.ai)\r\n"),
              std::string::npos)
        << "a line break in the name cannot end the comment";
    EXPECT_NE(text.find("%%BeginSetup\r\n%AI5_BeginPalette\r\n0 0 Pb\r\n0 0 0 1 ([Registration]) 0 Xs\r\n"
                        "([Registration]) Pc\r\n1 0 0 Xa\r\n(FF0000 255, 0, 0) Pc\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("0.501961 0.2 0.027451 Xa\r\n(803307 128, 51, 7) Pc\r\n"), std::string::npos);
    EXPECT_NE(text.find("(01FE64 1, 254, 100) Pc\r\n0 0 0 Xa\r\n(Divider 1) Pc\r\n"), std::string::npos);
    EXPECT_NE(text.find("0 0 0 Xa\r\n(Divider 7) Pc\r\n0.047059 0.133333 0.219608 Xa\r\n"), std::string::npos)
        << "five colours get seven dividers, then the next scheme";
    EXPECT_NE(text.find("(Divider 17) Pc\r\nPB\r\n"), std::string::npos) << "two colours get ten";
    EXPECT_EQ(text.find("(Divider 18)"), std::string::npos) << "no dividers after the last scheme";
    EXPECT_EQ(text.substr(text.size() - 51),
              "PB\r\n%AI5_EndPalette\r\n%%EndSetup\r\n%%Trailer\r\n%%EOF\r\n");
}

// --- The Illustrator file run through Ghostscript with stand-in definitions of the
// palette operators: each swatch prints its three components and its name.
struct AiSwatch { double r, g, b; std::string name; };
std::vector<AiSwatch> ReadAiWithGhostscript(const std::string& path)
{
    const std::string stubs =
        "/Pb {pop pop} def /PB {} def /Xs {6 {pop} repeat} def "
        "/Xa {/bb exch def /gg exch def /rr exch def rr =only ( ) print gg =only ( ) print bb =only (|) print} def "
        "/Pc {=} def";
    int status = 0;
    const std::string out = RunCommand("gs -q -dNODISPLAY -dBATCH -dNOPAUSE -c '" + stubs + "' -f '" + path + "' 2>&1",
                                       &status);
    EXPECT_EQ(status, 0) << out;
    std::vector<AiSwatch> swatches;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const auto bar = line.find('|');
        if (bar == std::string::npos)
            continue;
        AiSwatch s;
        std::istringstream(line.substr(0, bar)) >> s.r >> s.g >> s.b;
        s.name = line.substr(bar + 1);
        swatches.push_back(s);
    }
    return swatches;
}

TEST(PaletteWriters, IllustratorReadByPostScript)
{
    if (RunCommand("command -v gs").empty())
        GTEST_SKIP() << "Ghostscript (gs) is not installed";
    TempFolder folder;
    const auto schemes = Mixed();
    PaletteExport::Context context;
    context.now = FixedClock();
    ASSERT_TRUE(PaletteExport::Export(folder / "p.ai", schemes, context));
    const std::vector<AiSwatch> swatches = ReadAiWithGhostscript(folder / "p.ai");

    std::vector<uint32_t> colors;
    int dividers = 0;
    for (const AiSwatch& s : swatches) {
        const int r = static_cast<int>(std::lround(s.r * 255)), g = static_cast<int>(std::lround(s.g * 255)),
                  b = static_cast<int>(std::lround(s.b * 255));
        if (s.name.rfind("Divider ", 0) == 0) {
            EXPECT_EQ(s.name, "Divider " + std::to_string(++dividers));
            EXPECT_EQ(Rgb(r, g, b), 0u);
            continue;
        }
        char name[64];
        std::snprintf(name, sizeof name, "%02X%02X%02X %d, %d, %d", r, g, b, r, g, b);
        EXPECT_EQ(s.name, name);
        colors.push_back(Rgb(r, g, b));
    }
    EXPECT_EQ(colors, AllColors(schemes));
    EXPECT_EQ(dividers, 7 + 10);
}

TEST(PaletteExport, FileNamesAndFormats)
{
    struct NameCase { const char* typed; Format format; const char* expected; };
    const NameCase names[] = {
        {"warm", Format::Aco, "warm.aco"},
        {"warm.txt", Format::Aco, "warm.aco"},
        {"/home/me/my.palettes/warm", Format::Cpl, "/home/me/my.palettes/warm.cpl"},
        {"/home/me/my.palettes/warm.v2.old", Format::Illustrator, "/home/me/my.palettes/warm.v2.ai"},
        {".hidden", Format::PspPalette, ".hidden.PspPalette"},
        {"/a.b/.hidden", Format::Report, "/a.b/.hidden.cpi"},
    };
    for (const NameCase& c : names)
        EXPECT_EQ(PaletteExport::ExportFileName(c.typed, c.format), c.expected) << c.typed;

    struct FormatCase { const char* path; std::optional<Format> format; };
    const FormatCase formats[] = {
        {"a.aco", Format::Aco}, {"a.PspPalette", Format::PspPalette}, {"a.psppalette", Format::PspPalette},
        {"a.txt", Format::PainterTxt}, {"A.CPL", Format::Cpl}, {"a.ai", Format::Illustrator},
        {"a.cpi", Format::Report}, {"a.png", std::nullopt}, {"/x.aco/palette", std::nullopt}, {".aco", std::nullopt},
    };
    for (const FormatCase& c : formats)
        EXPECT_EQ(PaletteExport::FormatOf(c.path), c.format) << c.path;
}

TEST(PaletteExport, UnknownExtensionWritesNothing)
{
    TempFolder folder;
    const FileResult r = PaletteExport::Export(folder / "palette.png", kRedBlue, {});
    EXPECT_FALSE(r);
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_FALSE(PaletteExport::Export(folder / "palette.cpi", kRedBlue, {})) << "the report needs its sources";
}

TEST(PaletteWriters, CommaLocaleStillWritesDots)
{
    CommaLocale locale;
    if (!CommaLocale::Active())
        GTEST_SKIP() << "no comma-decimal locale available (install the locales package)";
    EXPECT_EQ(PaletteWriters::IllustratorFraction(128), "0.501961");
    const std::string text = PaletteWriters::Illustrator(Mixed(), "x.ai", FixedClock());
    EXPECT_NE(text.find("0.501961 0.2 0.027451 Xa"), std::string::npos);
    EXPECT_EQ(text.find("0,5"), std::string::npos);
}

} // namespace
