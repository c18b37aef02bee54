#pragma once
// Builds image archives byte by byte for tests, including broken ones.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct BmpFields {
  int32_t width = 2, height = 2;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t infoSize = 40;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;    // 0x00RRGGBB entries
  std::vector<uint32_t> pixels;     // top-down; 0x00RRGGBB or palette indices
  int32_t pixelBytesDelta = 0;      // shortens or lengthens the pixel data
  int32_t fileSizeDelta = 0;        // misstates bfSize
};

inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}

inline std::vector<uint8_t> MakeBmp(const BmpFields& s) {
  const uint32_t paletteBytes = uint32_t(s.palette.size()) * 4;
  const uint32_t offBits = 14 + std::max<uint32_t>(40, s.infoSize) + paletteBytes;
  const int32_t w = s.width > 0 ? s.width : 1, h = s.height > 0 ? s.height : (s.height < 0 ? -s.height : 1);
  const uint32_t stride = ((uint32_t(w) * s.bits + 31) / 32) * 4;
  std::vector<uint8_t> rows;
  for (int32_t y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int32_t x = 0; x < w; ++x) {
      const size_t i = size_t(y) * size_t(w) + size_t(x);
      const uint32_t v = i < s.pixels.size() ? s.pixels[i] : 0;
      switch (s.bits) {
        case 32: row[4 * x] = uint8_t(v); row[4 * x + 1] = uint8_t(v >> 8); row[4 * x + 2] = uint8_t(v >> 16); break;
        case 24: row[3 * x] = uint8_t(v); row[3 * x + 1] = uint8_t(v >> 8); row[3 * x + 2] = uint8_t(v >> 16); break;
        case 8: row[x] = uint8_t(v); break;
        case 4: row[x / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4)); break;
        case 1: row[x / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
        default: break;
      }
    }
    rows.insert(rows.end(), row.begin(), row.end());
  }
  if (s.pixelBytesDelta < 0) rows.resize(rows.size() - size_t(-s.pixelBytesDelta));
  else rows.resize(rows.size() + size_t(s.pixelBytesDelta), 0);
  std::vector<uint8_t> b{'B', 'M'};
  Put32(b, uint32_t(int64_t(offBits) + int64_t(rows.size()) + s.fileSizeDelta));
  Put32(b, 0);
  Put32(b, offBits);
  Put32(b, s.infoSize);
  Put32(b, uint32_t(s.width));
  Put32(b, uint32_t(s.height));
  Put16(b, 1);
  Put16(b, s.bits);
  Put32(b, s.compression);
  Put32(b, uint32_t(rows.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, s.colorsUsed);
  Put32(b, 0);
  b.resize(std::max<size_t>(b.size(), 14 + s.infoSize), 0);
  for (uint32_t c : s.palette) Put32(b, c);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

struct Record {
  std::string name;  // written into the 128-byte field, cut at 128
  std::vector<uint8_t> bmp;
};

inline std::vector<uint8_t> MakeArchive(const std::vector<Record>& records, std::optional<int32_t> count = {}) {
  std::vector<uint8_t> out;
  Put32(out, uint32_t(count.value_or(int32_t(records.size()))));
  for (const Record& r : records) {
    std::vector<uint8_t> name(128, 0);
    for (size_t i = 0; i < r.name.size() && i < 128; ++i) name[i] = uint8_t(r.name[i]);
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), r.bmp.begin(), r.bmp.end());
  }
  return out;
}

inline std::vector<uint8_t> SolidBmp(int w, int h, uint32_t rgb) {
  BmpFields s;
  s.width = w;
  s.height = h;
  s.pixels.assign(size_t(w) * size_t(h), rgb);
  return MakeBmp(s);
}
