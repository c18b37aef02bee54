#pragma once
// Helpers shared by the MPEG decoder tests: test signals, WAVE files, running the Debian
// encoders, decoding with our decoder and with the reference decoder, comparing PCM.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace mpegtest {

struct Pcm {
    int rate = 0;
    int channels = 0;
    std::vector<int16_t> samples;  // interleaved
};

// A temporary folder removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Sine sweep on the left, tone bursts on the right, a little noise: exercises long and
// short blocks and both stereo coding modes. mono gives the mix.
Pcm MakeTestSignal(int rate, int channels, double seconds, uint32_t seed = 1);
bool WriteWave(const std::filesystem::path& path, const Pcm& pcm);
std::vector<uint8_t> ReadFile(const std::filesystem::path& path);
bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Whether a program is on the PATH.
bool HaveProgram(const std::string& name);
// Runs a shell command quietly; true on exit status 0.
bool RunQuietly(const std::string& command);

// Our decoder over a byte block; counts concealed frames.
Pcm DecodeOurs(const std::vector<uint8_t>& stream, int64_t* concealed = nullptr);
// The reference decoder (libmpg123, encoder delay kept); false when it is not available.
bool ReferenceAvailable();
Pcm DecodeReference(const std::vector<uint8_t>& stream);

struct Comparison {
    double psnr = 0.0;         // dB against full scale; +inf when equal
    int maxDifference = 0;
    size_t compared = 0;
};
Comparison Compare(const Pcm& a, const Pcm& b);

} // namespace mpegtest
