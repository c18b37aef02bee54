#include "SkinArchive.h"

#include <fstream>
#include <iterator>

namespace {

constexpr size_t kNameField = 128;
constexpr size_t kFileHeader = 14;
constexpr int32_t kMaxSide = 16384;
constexpr uint64_t kMaxArchiveBytes = 512ull << 20;

uint32_t U32(std::span<const uint8_t> d, size_t at) {
  return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 3]) << 24;
}
uint16_t U16(std::span<const uint8_t> d, size_t at) { return uint16_t(d[at] | d[at + 1] << 8); }

}  // namespace

bool DecodeBmp(std::span<const uint8_t> bmp, ui::Image& out, std::string& error) {
  if (bmp.size() < kFileHeader + 40) {
    error = "bitmap shorter than its headers";
    return false;
  }
  const uint32_t offBits = U32(bmp, 10);
  const uint32_t infoSize = U32(bmp, 14);
  if (infoSize < 40 || kFileHeader + uint64_t(infoSize) > offBits || offBits > bmp.size()) {
    error = "bitmap info header size " + std::to_string(infoSize) + " does not fit before the pixels at " +
            std::to_string(offBits);
    return false;
  }
  const int32_t width = int32_t(U32(bmp, 18)), height = int32_t(U32(bmp, 22));
  const uint16_t bits = U16(bmp, 28);
  const uint32_t compression = U32(bmp, 30);
  const uint32_t colorsUsed = U32(bmp, 46);
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    error = "bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " out of range";
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    error = "bitmap bit count " + std::to_string(bits) + " not supported";
    return false;
  }
  if (compression != 0) {
    error = "compressed bitmap (" + std::to_string(compression) + ") not supported";
    return false;
  }
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const uint32_t full = 1u << bits;
    const uint32_t entries = colorsUsed == 0 ? full : colorsUsed;
    if (entries > full || kFileHeader + uint64_t(infoSize) + 4ull * entries > offBits) {
      error = "colour table of " + std::to_string(entries) + " entries does not fit";
      return false;
    }
    const size_t at = kFileHeader + infoSize;
    for (uint32_t i = 0; i < entries; ++i) palette.push_back(U32(bmp, at + 4 * i) & 0xFFFFFFu);
    palette.resize(full, 0);  // indices past the table show black
  }
  const uint64_t stride = ((uint64_t(width) * bits + 31) / 32) * 4;
  if (stride * uint64_t(height) > bmp.size() - offBits) {
    error = "pixel rows need " + std::to_string(stride * uint64_t(height)) + " bytes, record holds " +
            std::to_string(bmp.size() - offBits);
    return false;
  }
  if (!out.Create(width, height)) {
    error = "out of memory";
    return false;
  }
  for (int32_t row = 0; row < height; ++row) {
    // Stored rows run from the bottom up, as the image keeps them.
    const uint8_t* src = bmp.data() + offBits + size_t(stride) * size_t(row);
    uint32_t* dst = out.Bits() + size_t(row) * size_t(width);
    for (int32_t x = 0; x < width; ++x) {
      uint32_t px;
      switch (bits) {
        case 32: px = uint32_t(src[4 * x]) | uint32_t(src[4 * x + 1]) << 8 | uint32_t(src[4 * x + 2]) << 16; break;
        case 24: px = uint32_t(src[3 * x]) | uint32_t(src[3 * x + 1]) << 8 | uint32_t(src[3 * x + 2]) << 16; break;
        case 8: px = palette[src[x]]; break;
        case 4: px = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F]; break;
        default: px = palette[(src[x / 8] >> (7 - x % 8)) & 1]; break;
      }
      dst[x] = px | 0xFF000000u;
    }
  }
  return true;
}

bool SkinArchive::Load(const std::string& path, const std::string& name) {
  images_.clear();
  error_.clear();
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error_ = "cannot open " + path;
    return false;
  }
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0 || uint64_t(size) > kMaxArchiveBytes) {
    error_ = path + " is too large for an image archive";
    return false;
  }
  file.seekg(0);
  std::vector<uint8_t> data(static_cast<size_t>(size));
  file.read(reinterpret_cast<char*>(data.data()), size);
  if (!file) {
    error_ = "cannot read " + path;
    return false;
  }
  return LoadFromBytes(data, name);
}

bool SkinArchive::LoadFromBytes(std::span<const uint8_t> data, const std::string& name) {
  images_.clear();
  error_.clear();
  if (data.size() < 4) {
    error_ = "archive shorter than its record count";
    return true;
  }
  const int32_t count = int32_t(U32(data, 0));
  size_t at = 4;
  for (int32_t index = 0; index < count; ++index) {
    const std::string where = "record " + std::to_string(index) + " at offset " + std::to_string(at);
    if (data.size() - at < kNameField + kFileHeader) {
      error_ = where + ": archive ends inside the record header";
      return true;
    }
    const auto nameField = data.subspan(at, kNameField);
    size_t nameLength = 0;
    while (nameLength < kNameField && nameField[nameLength] != 0) ++nameLength;
    const std::string recordName(reinterpret_cast<const char*>(nameField.data()), nameLength);
    const uint32_t fileSize = U32(data, at + kNameField + 2);
    if (fileSize < kFileHeader + 40 || fileSize > data.size() - at - kNameField) {
      error_ = where + " (\"" + recordName + "\"): bitmap size " + std::to_string(fileSize) +
               " does not fit the archive";
      return true;
    }
    const auto bmp = data.subspan(at + kNameField, fileSize);
    at += kNameField + fileSize;
    const bool wanted = name.empty() ? !images_.contains(recordName) : recordName == name;
    ui::Image image;
    std::string why;
    if (!DecodeBmp(bmp, image, why)) {
      error_ = where + " (\"" + recordName + "\"): " + why;
      return true;
    }
    if (!wanted) continue;
    images_.emplace(recordName, std::move(image));
    if (!name.empty()) break;
  }
  return true;
}

const ui::Image* SkinArchive::Get(const std::string& name) const {
  if (name.empty()) return images_.empty() ? nullptr : &images_.begin()->second;
  auto it = images_.find(name);
  return it == images_.end() ? nullptr : &it->second;
}

std::vector<std::string> SkinArchive::Names() const {
  std::vector<std::string> out;
  for (const auto& entry : images_) out.push_back(entry.first);
  return out;
}

SkinArchive& SkinArchive::Instance() {
  static SkinArchive archive;
  return archive;
}
