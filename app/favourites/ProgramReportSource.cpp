#include "ProgramReportSource.h"

#include "ColorSystem.h"
#include "ColorTables.h"
#include "MonitorState.h"

#include <cmath>

ProgramReportSource::ProgramReportSource(const ColorSystem& colorSystem, ColorTables& tables,
                                         const MonitorState& monitor)
    : colorSystem_(colorSystem), tables_(tables), monitor_(monitor)
{
}

std::string ProgramReportSource::ProfileName() const { return monitor_.profilePath; }

std::string ProgramReportSource::WhitePointName() const { return monitor_.whitePointName; }

std::array<double, 3> ProgramReportSource::Gammas() const
{
    return {monitor_.gammas[0], monitor_.gammas[1], monitor_.gammas[2]};
}

std::array<double, 3> ProgramReportSource::Lab(uint32_t color) const
{
    const int channels[3] = {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                             static_cast<int>((color >> 16) & 0xFF)};
    double linear[3];
    for (int i = 0; i < 3; ++i)
        linear[i] = std::pow(channels[i] / 255.0, monitor_.gammas[i]) * monitor_.whiteScale.Get(i, 0);
    double xyz[3];
    for (int row = 0; row < 3; ++row) {
        xyz[row] = 0;
        for (int i = 0; i < 3; ++i)
            xyz[row] += monitor_.toXyz.Get(row, i) * linear[i];
    }
    const double x = xyz[0] / monitor_.white[0];
    const double y = xyz[1] / monitor_.white[1];
    const double z = xyz[2] / monitor_.white[2];
    const double fy = std::cbrt(y);
    const double lightness = y > 0.008856 ? 116.0 * fy - 16.0 : 903.3 * y;
    return {lightness, 500.0 * (std::cbrt(x) - fy), 200.0 * (fy - std::cbrt(z))};
}

std::array<float, 4> ProgramReportSource::Cmyk(uint32_t color) const
{
    const CMYKINFO cmyk = colorSystem_.RgbToCmyk(color);
    return {cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black};
}

std::string ProgramReportSource::NearestName(System system, uint32_t color) const
{
    return tables_.Nearest(static_cast<int>(system), color).name;
}

namespace {

// Owns everything the program's report source needs.
class StandaloneReportSource : public ReportColorSource {
public:
    StandaloneReportSource(const std::string& setupFolder, std::string* note)
        : tables_(colorSystem_, setupFolder + "/ColorSystem.csd"), source_(colorSystem_, tables_, monitor_)
    {
        std::string problem;
        if (!monitor_.ReadSettings(setupFolder, &problem) && note)
            *note = "default monitor used: " + (problem.empty() ? setupFolder + "/Monitor.csd missing" : problem);
        // Name the white point the settings chose, as the monitor dialog does.
        monitor_.whitePointName = ::WhitePointName(monitor_.settings.whitePoint);
    }

    std::string ProfileName() const override { return source_.ProfileName(); }
    std::string WhitePointName() const override { return source_.WhitePointName(); }
    std::array<double, 3> Gammas() const override { return source_.Gammas(); }
    std::array<double, 3> Lab(uint32_t color) const override { return source_.Lab(color); }
    std::array<float, 4> Cmyk(uint32_t color) const override { return source_.Cmyk(color); }
    std::string NearestName(System system, uint32_t color) const override
    {
        return source_.NearestName(system, color);
    }

private:
    ColorSystem colorSystem_;
    MonitorState monitor_;
    ColorTables tables_;
    ProgramReportSource source_;
};

} // namespace

std::unique_ptr<ReportColorSource> MakeProgramReportSource(const std::string& setupFolder, std::string* note)
{
    return std::make_unique<StandaloneReportSource>(setupFolder, note);
}
