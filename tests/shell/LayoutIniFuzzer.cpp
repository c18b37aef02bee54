#include <cstddef>
#include <cstdint>
#include <string_view>

#include "LayoutIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LayoutIni layout;
  layout.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)layout.Lookup("CONTROL", "OK_ON");
  return 0;
}
