#pragma once
// Builds RIFF WAVE files for the tests, chunk by chunk, including broken ones.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void Put32(Bytes& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A chunk with its body; the stated size may differ from the body (a lie), and
// an odd body gets its pad byte unless told otherwise.
inline Bytes Chunk(const std::string& id, const Bytes& body, std::int64_t statedSize = -1, bool pad = true)
{
    Bytes out(id.begin(), id.end());
    Put32(out, statedSize < 0 ? std::uint32_t(body.size()) : std::uint32_t(statedSize));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2)
        out.push_back(0);
    return out;
}

// A "fmt " body: tag, channels, rate, bits; block alignment and byte rate are
// derived unless given.
inline Bytes FormatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                        int blockAlign = -1)
{
    Bytes body;
    const std::uint16_t align = blockAlign < 0 ? std::uint16_t(channels * bits / 8) : std::uint16_t(blockAlign);
    Put16(body, tag);
    Put16(body, channels);
    Put32(body, rate);
    Put32(body, align * rate);
    Put16(body, align);
    Put16(body, bits);
    return body;
}

inline Bytes Riff(const std::vector<Bytes>& chunks, const std::string& form = "WAVE", std::int64_t statedSize = -1)
{
    Bytes body(form.begin(), form.end());
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body, statedSize, false);
}

// Data bytes that differ from their neighbours, so any misplaced byte shows.
inline Bytes Pattern(std::size_t size, std::uint32_t seed = 1)
{
    Bytes bytes(size);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = std::uint8_t(x >> 16);
    }
    return bytes;
}

inline std::filesystem::path WriteTemp(const std::string& name, const Bytes& bytes)
{
    const auto path = std::filesystem::temp_directory_path() / ("tintonia-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

} // namespace test
