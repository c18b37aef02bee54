#include "ProjectDoc.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CProjectDoc doc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (ProjectFile::Decode(bytes, doc)) {
        // Whatever reads well must write back and read the same again.
        const std::string image = ProjectFile::Encode(doc);
        CProjectDoc again;
        if (!ProjectFile::Decode(image, again) || !IsSame(doc, again) || ProjectFile::Encode(again) != image)
            __builtin_trap();
    }
    return 0;
}
