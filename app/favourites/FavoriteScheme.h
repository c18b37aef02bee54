#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One favourite: a named scheme of up to seven packed colour values
// (0x00BBGGRR). Only the first `count` colours are meaningful. The name fits
// the favourites file's 128-byte field: at most 127 bytes of UTF-8.
struct FavoriteScheme {
    static constexpr int kMaxColors = 7;
    static constexpr std::size_t kMaxNameBytes = 127;

    std::string name;
    int32_t count = 0;
    std::array<uint32_t, kMaxColors> colors{};

    bool operator==(const FavoriteScheme&) const = default;
};

// Cuts `text` to at most `maxBytes` bytes without splitting a UTF-8 character.
std::string FitToBytes(std::string_view text, std::size_t maxBytes);

// A name cut to fit the file field, then given `suffix` ("-Copy2"); the suffix
// always survives whole.
std::string FitName(std::string_view name, std::string_view suffix = {});
