#include "SetupData.h"

CSetupData::CSetupData(const ColorSystem& colorSystem, std::string folder)
    : colorTables(colorSystem, folder + "/ColorSystem.csd"), setupFolder(std::move(folder))
{
}

bool CSetupData::ReadChords(const std::string& path)
{
    lastError = ReadChordFile(path, chordSet, kMinChordNotes);
    return lastError.empty();
}

void CSetupData::GetChords(int n, std::vector<ChordDef>& out) const
{
    ::GetChords(chordSet, n, out);
}
