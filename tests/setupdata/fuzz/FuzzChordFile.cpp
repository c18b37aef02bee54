#include <cstddef>
#include <cstdint>

#include "ChordDef.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChordSet set;
    ParseChordFile(data, size, set, kMinChordNotes);
    ParseChordFile(data, size, set, 3);
    return 0;
}
