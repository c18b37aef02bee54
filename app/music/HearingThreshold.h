#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// "ath.dat": a keyed container ("InFi", header version 8) whose entry
// "Ath_Data" holds the hearing threshold, 1024 little-endian doubles in
// decibels on the analyser's spectrum scale, one per bin of a 2048-point
// transform.
//
// Every name, offset and size of the directory is checked against the end of
// the file; a damaged file is refused with the reason and no table.

constexpr int kAthBins = 1024;

struct ContainerEntry {
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Finds the non-empty entry called name (compared byte by byte). Returns ""
// and fills entry, or says what is wrong.
std::string FindContainerEntry(const uint8_t* data, size_t size, const std::string& name, ContainerEntry& entry);

// Reads the threshold table; out is replaced only on success.
std::string ParseAthData(const uint8_t* data, size_t size, std::vector<double>& out);
std::string ReadAthFile(const std::string& path, std::vector<double>& out);
