#include "FavoriteScheme.h"

std::string FitToBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    // Step back over continuation bytes so the cut lands before a lead byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

std::string FitName(std::string_view name, std::string_view suffix)
{
    const std::size_t room = suffix.size() < FavoriteScheme::kMaxNameBytes
                                 ? FavoriteScheme::kMaxNameBytes - suffix.size()
                                 : 0;
    return FitToBytes(name, room) + std::string(suffix);
}
