#include <cstddef>
#include <cstdint>
#include <span>

#include "SkinArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinArchive archive;
  archive.LoadFromBytes(std::span<const uint8_t>(data, size), "");
  archive.LoadFromBytes(std::span<const uint8_t>(data, size), "ConsonaIcon");
  if (const ui::Image* image = archive.Get("")) (void)image->GetPixel(0, 0);
  return 0;
}
