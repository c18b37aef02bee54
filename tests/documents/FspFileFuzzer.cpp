#include "FavoritesDocument.h"
#include "FspFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::vector<FavoriteScheme> schemes;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (FspFile::Decode(bytes, schemes)) {
        // Whatever reads well must write back and read the same again.
        std::vector<FavoriteScheme> again;
        if (!FspFile::Decode(FspFile::Encode(schemes), again) || again != schemes)
            __builtin_trap();
        FavoriteList list;
        list.Assign(schemes);
        list.Click(0);
        list.Copy();
        list.Paste();
    }
    return 0;
}
