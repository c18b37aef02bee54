#pragma once
#include "PaletteReport.h"

#include <memory>
#include <string>

class ColorSystem;
class ColorTables;
class MonitorState;

// Answers the palette report from the program's own colour model, monitor
// state and colour tables. L*a*b* follows the monitor: each channel
// linearised by its gamma and scaled by its share of the white, taken to XYZ
// by the primaries' matrix and related to the monitor's white. All three
// objects must outlive this one.
class ProgramReportSource : public ReportColorSource {
public:
    ProgramReportSource(const ColorSystem& colorSystem, ColorTables& tables, const MonitorState& monitor);

    std::string ProfileName() const override;
    std::string WhitePointName() const override;
    std::array<double, 3> Gammas() const override;
    std::array<double, 3> Lab(uint32_t color) const override;
    std::array<float, 4> Cmyk(uint32_t color) const override;
    std::string NearestName(System system, uint32_t color) const override;

private:
    const ColorSystem& colorSystem_;
    ColorTables& tables_;
    const MonitorState& monitor_;
};

// A report source owning its own colour model, reading "Monitor.csd" and
// "ColorSystem.csd" from `setupFolder`; missing files leave the default
// monitor and empty names (`note` then says what was missing).
std::unique_ptr<ReportColorSource> MakeProgramReportSource(const std::string& setupFolder,
                                                           std::string* note = nullptr);
