#pragma once
// SkinArchive: the pictures of one image archive (".cif"), by exact name.
// File: a signed 32-bit record count, then records of a 128-byte name field
// (text up to the first NUL) followed by a complete ".bmp" file. Every record
// is checked against the data and a sane bitmap header before it is decoded;
// reading stops at the first bad record and LastError() says why and where.
// A bitmap from Get stays valid until the next Load.
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "ui/Image.h"

class SkinArchive {
 public:
  // Clears, then reads the file. With an empty name every record is kept (the
  // first of a name wins); otherwise only the first record of that name.
  // True once the file could be read, whether or not the name was found.
  bool Load(const std::string& path, const std::string& name);
  bool LoadFromBytes(std::span<const uint8_t> data, const std::string& name);
  // Empty name: the first entry in name order. Null when absent.
  const ui::Image* Get(const std::string& name) const;
  void Clear() { images_.clear(); }
  size_t Count() const { return images_.size(); }
  std::vector<std::string> Names() const;
  const std::string& LastError() const { return error_; }

  static SkinArchive& Instance();

 private:
  std::map<std::string, ui::Image> images_;
  std::string error_;
};

// Decodes one ".bmp" file held in memory (uncompressed 1, 4, 8, 24 or 32 bits,
// bottom-up). On failure returns false and says why.
bool DecodeBmp(std::span<const uint8_t> bmp, ui::Image& out, std::string& error);
