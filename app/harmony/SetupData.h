#pragma once

#include <string>
#include <vector>

#include "ChordDef.h"
#include "ColorTables.h"
#include "MonitorState.h"

class ColorSystem;

// The setup data the program reads at start from its setup folder: the
// harmony chords ("Consona.csd"), the colour-reference tables
// ("ColorSystem.csd") and the monitor state ("Monitor.csd").
//
// Read operations return false and leave the previous content in place when a
// file is missing or damaged; lastError says why.
class CSetupData {
public:
    CSetupData(const ColorSystem& colorSystem, std::string setupFolder);

    const std::string& SetupFolder() const { return setupFolder; }

    // Reads a harmony chord file (every note count 2..7) into chordSet.
    bool ReadChords(const std::string& path);
    // The chords of note count n (2..7) in file order.
    void GetChords(int n, std::vector<ChordDef>& out) const;
    bool ReadMonitorSettings() { return monitor.ReadSettings(setupFolder, &lastError); }
    bool WriteMonitorSettings() const { return monitor.WriteSettings(setupFolder); }

    ChordSet chordSet;
    ColorTables colorTables;
    MonitorState monitor;
    std::string lastError;

private:
    std::string setupFolder;
};
