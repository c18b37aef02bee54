#include "PaletteExport.h"
#include "PaletteReport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Fixed answers, so the report's own formatting is what is tested.
class FixedSource : public ReportColorSource {
public:
    std::string ProfileName() const override { return "sRGB Color Space Profile.icm"; }
    std::string WhitePointName() const override { return "6500K"; }
    std::array<double, 3> Gammas() const override { return {2.5, 2.65, 1.555}; }
    std::array<double, 3> Lab(uint32_t color) const override { return labs.at(color); }
    std::array<float, 4> Cmyk(uint32_t color) const override { return cmyks.at(color); }
    std::string NearestName(System system, uint32_t color) const override
    {
        static const char* systems[] = {"P", "N", "T", "D", "C"};
        return std::string(systems[system]) + std::to_string(color & 0xFF);
    }

    std::map<uint32_t, std::array<double, 3>> labs = {
        {Rgb(255, 0, 0), {53.49, 79.5, 66.7}},
        {Rgb(0, 0, 255), {29.5, -3.7, -0.4}},
    };
    std::map<uint32_t, std::array<float, 4>> cmyks = {
        {Rgb(255, 0, 0), {0.0f, 100.0f, 99.99f, -0.000001f}},
        {Rgb(0, 0, 255), {100.0f, 100.0f, 0.0f, 0.0f}},
    };
};

TEST(PaletteReport, Layout)
{
    const std::vector<FavoriteScheme> schemes = {Scheme("warm", {Rgb(255, 0, 0), Rgb(0, 0, 255)}),
                                                 Scheme("empty", {})};
    const std::string text = PaletteReport(schemes, "/home/me/mine.fsp", FixedSource());
    EXPECT_EQ(text,
              "Favorites Scheme : /home/me/mine.fsp\r\n\r\n"
              "ProFileName : sRGB Color Space Profile.icm\r\n"
              "\r\nWhitePoint  : 6500K\r\n"
              "\r\nRed Gamma   : 2.50\r\nGreen Gamma : 2.65\r\nBlue Gamma  : 1.55\r\n"
              "\r\n\r\nScheme Name : warm\r\n"
              "\r\nRGB : 255,   0,   0 / Lab :  53,  80,  67 / CMYK :   0, 100,  99,   0 "
              "\r\nHEXA : FF0000 / Pantone : P255 / NCS : N255\r\nTOYO : T255 / DIC : D255 / COS : C255\r\n"
              "\r\nRGB :   0,   0, 255 / Lab :  30,  -3,   0 / CMYK : 100, 100,   0,   0 "
              "\r\nHEXA :     FF / Pantone : P0 / NCS : N0\r\nTOYO : T0 / DIC : D0 / COS : C0\r\n"
              "\r\n\r\nScheme Name : empty\r\n");
}

TEST(PaletteReport, ExportedThroughTheFrontEnd)
{
    TempFolder folder;
    FixedSource source;
    PaletteExport::Context context;
    context.report = &source;
    ASSERT_TRUE(PaletteExport::Export(folder / "info.cpi", {Scheme("b", {Rgb(0, 0, 255)})}, context));
    const std::string text = ReadBytes(folder / "info.cpi");
    EXPECT_EQ(text.substr(0, 29), "Favorites Scheme : noname\r\n\r\n");
    EXPECT_NE(text.find("HEXA :     FF / "), std::string::npos);
}

TEST(PaletteReport, CommaLocaleStillWritesDots)
{
    CommaLocale locale;
    if (!CommaLocale::Active())
        GTEST_SKIP() << "no comma-decimal locale available (install the locales package)";
    const std::string text = PaletteReport({}, "noname", FixedSource());
    EXPECT_NE(text.find("Red Gamma   : 2.50\r\nGreen Gamma : 2.65\r\n"), std::string::npos) << text;
}

} // namespace
