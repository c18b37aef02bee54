#include "HearingThreshold.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr size_t kHeaderSize = 12;
// Bytes of an entry after its two strings: 2 + 32 unused, offset, size.
constexpr size_t kEntryTail = 2 + 32 + 4 + 4;

uint32_t Little(const uint8_t* p, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
}

// Position just past the zero that ends the string at pos, or 0 if it runs off the end.
size_t SkipString(const uint8_t* data, size_t size, size_t pos)
{
    const void* zero = std::memchr(data + pos, 0, size - pos);
    return zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - data) + 1 : 0;
}

} // namespace

std::string FindContainerEntry(const uint8_t* data, size_t size, const std::string& name, ContainerEntry& entry)
{
    if (size < kHeaderSize)
        return "file of " + std::to_string(size) + " bytes is shorter than the 12-byte header";
    if (std::memcmp(data, "InFi", 4) != 0)
        return "no \"InFi\" signature";
    if (Little(data + 4, 2) != 8)
        return "header version " + std::to_string(Little(data + 4, 2)) + ", expected 8";
    if (Little(data + 6, 4) == 0)
        return "bucket count 0";
    const uint32_t entries = Little(data + 10, 2);
    if (entries == 0)
        return "empty directory";
    size_t pos = kHeaderSize;
    for (uint32_t i = 0; i < entries; ++i) {
        const std::string where = " of directory entry " + std::to_string(i) + " at offset " + std::to_string(pos);
        const size_t nameStart = pos;
        const size_t afterName = pos < size ? SkipString(data, size, pos) : 0;
        const size_t afterNote = afterName && afterName < size ? SkipString(data, size, afterName) : 0;
        if (afterNote == 0 || size - afterNote < kEntryTail)
            return "end of file inside" + where.substr(3);
        const uint32_t offset = Little(data + afterNote + 34, 4);
        const uint32_t length = Little(data + afterNote + 38, 4);
        pos = afterNote + kEntryTail;
        if (length == 0)
            continue;
        if (offset > size || size - offset < length)
            return "data" + where + " lies outside the file";
        const size_t nameLength = afterName - 1 - nameStart;
        if (nameLength == name.size() && std::memcmp(data + nameStart, name.data(), nameLength) == 0) {
            entry = {offset, length};
            return {};
        }
    }
    return "no entry \"" + name + "\"";
}

std::string ParseAthData(const uint8_t* data, size_t size, std::vector<double>& out)
{
    ContainerEntry entry;
    std::string error = FindContainerEntry(data, size, "Ath_Data", entry);
    if (!error.empty())
        return error;
    if (entry.size < 8u * kAthBins)
        return "entry \"Ath_Data\" holds " + std::to_string(entry.size) + " bytes, the table needs " +
               std::to_string(8 * kAthBins);
    std::vector<double> table(kAthBins);
    for (int i = 0; i < kAthBins; ++i) {
        const uint8_t* p = data + entry.offset + 8 * static_cast<size_t>(i);
        const uint64_t bits = static_cast<uint64_t>(Little(p, 4)) | static_cast<uint64_t>(Little(p + 4, 4)) << 32;
        std::memcpy(&table[i], &bits, sizeof bits);
        if (!std::isfinite(table[i]))
            return "threshold of bin " + std::to_string(i) + " is not a number";
    }
    out = std::move(table);
    return {};
}

std::string ReadAthFile(const std::string& path, std::vector<double>& out)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "cannot open " + path;
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string error = ParseAthData(bytes.data(), bytes.size(), out);
    return error.empty() ? error : path + ": " + error;
}
