#include "ColorSystem.h"
#include "ColorTables.h"
#include "MonitorState.h"
#include "PaletteReport.h"
#include "ProgramReportSource.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// A colour-table file with three entries per system: entry k of system s is
// kEntries[s][k].
const uint32_t kEntries[5][3] = {
    {Rgb(250, 250, 250), Rgb(200, 0, 0), Rgb(0, 0, 200)},
    {Rgb(0, 0, 255), Rgb(255, 0, 0), Rgb(255, 255, 255)},
    {Rgb(255, 0, 0), Rgb(255, 0, 0), Rgb(0, 0, 0)},
    {Rgb(10, 10, 10), Rgb(0, 0, 250), Rgb(240, 240, 240)},
    {Rgb(128, 128, 128), Rgb(255, 255, 255), Rgb(0, 0, 255)},
};

std::string ColorTableFile()
{
    std::string out;
    auto le32 = [&](int32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
    };
    for (int b = 0; b < 7; ++b)
        le32(b < 5 ? 3 : 0);
    for (const auto& system : kEntries)
        for (uint32_t c : system) {
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>((c >> 8) & 0xFF));
            out.push_back(static_cast<char>((c >> 16) & 0xFF));
        }
    return out;
}

TEST(ProgramReport, DefaultMonitorLines)
{
    TempFolder folder;
    WriteBytes(folder / "ColorSystem.csd", ColorTableFile());
    ColorSystem colorSystem;
    ColorTables tables(colorSystem, folder / "ColorSystem.csd");
    MonitorState monitor;
    ProgramReportSource source(colorSystem, tables, monitor);

    const std::vector<FavoriteScheme> schemes = {
        Scheme("primaries", {Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 0, 255)})};
    const std::string text = PaletteReport(schemes, "noname", source);

    // The default monitor has the sRGB primaries and a D65 white, so the
    // published sRGB values of white, red and blue appear.
    const char* expected[] = {
        "\r\nRGB : 255, 255, 255 / Lab : 100,   0,   0 / CMYK :   0,   0,   0,   0 "
        "\r\nHEXA : FFFFFF / Pantone : ",
        "\r\nRGB : 255,   0,   0 / Lab :  53,  80,  67 / CMYK :   0, 100, 100,   0 "
        "\r\nHEXA : FF0000 / Pantone : ",
        "\r\nRGB :   0,   0, 255 / Lab :  32,  79, -107 / CMYK : 100, 100,   0,   0 "
        "\r\nHEXA :     FF / Pantone : ",
        "\r\nRed Gamma   : 2.50\r\nGreen Gamma : 2.65\r\nBlue Gamma  : 1.55\r\n",
    };
    for (const char* line : expected)
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;

    // Nearest entries by squared RGB distance, the first of equals winning.
    auto name = [](int system, int k) { return std::string(ReferenceColorName(system, k)); };
    EXPECT_NE(text.find("HEXA : FF0000 / Pantone : " + name(0, 1) + " / NCS : " + name(1, 1) + "\r\nTOYO : "
                        + name(2, 0) + " / DIC : " + name(3, 0) + " / COS : " + name(4, 0) + "\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("HEXA :     FF / Pantone : " + name(0, 2) + " / NCS : " + name(1, 0) + "\r\nTOYO : "
                        + name(2, 2) + " / DIC : " + name(3, 1) + " / COS : " + name(4, 2) + "\r\n"),
              std::string::npos)
        << text;
}

TEST(ProgramReport, MissingSetupFilesStillGiveAReport)
{
    TempFolder folder;
    std::string note;
    const auto source = MakeProgramReportSource(folder.Path().string(), &note);
    EXPECT_NE(note.find("default monitor"), std::string::npos) << note;
    const std::string text = PaletteReport({Scheme("r", {Rgb(255, 0, 0)})}, "noname", *source);
    EXPECT_NE(text.find("Lab :  53,  80,  67 / "), std::string::npos) << text;
    EXPECT_NE(text.find("Pantone :  / NCS : \r\n"), std::string::npos) << "no tables, no names";
}

} // namespace
