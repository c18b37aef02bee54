#pragma once
#include "FavoriteScheme.h"
#include "SafeFile.h"

#include <string>
#include <string_view>
#include <vector>

// The favourites file (".fsp"): little-endian, no signature. A 32-bit scheme
// count N, then per scheme a 128-byte zero-terminated name, a 32-bit colour
// count (0..7) and that many 32-bit colour values.
//
// Reading validates everything before anything is handed out: N against the
// file size, every colour count, the name terminators and the file's end. The
// result list is filled only when the whole file read well.
namespace FspFile {

constexpr std::size_t kNameField = 128;
constexpr std::size_t kMinRecord = kNameField + 4;

std::string Encode(const std::vector<FavoriteScheme>& schemes);
FileResult Decode(std::string_view bytes, std::vector<FavoriteScheme>& schemes);

FileResult Save(const std::string& path, const std::vector<FavoriteScheme>& schemes);
FileResult Load(const std::string& path, std::vector<FavoriteScheme>& schemes);

} // namespace FspFile
