// Writes "ath.dat": the absolute threshold of hearing for the 1024 bins of a
// 2048-point transform at 44.1 kHz, on the analyser's decibel scale, in the
// keyed container the music panel reads (one entry, "Ath_Data").
//
// usage: tna-gen-ath OUTPUT

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int kBins = 1024;
constexpr double kSampleRate = 44100.0;
constexpr double kTransform = 2048.0;

// Terhardt (1979), as used by the MPEG psychoacoustic models: threshold in
// dB SPL of a tone of f Hz.
double TerhardtSpl(double f)
{
    const double k = f / 1000.0;
    return 3.64 * std::pow(k, -0.8) - 6.5 * std::exp(-0.6 * (k - 3.3) * (k - 3.3)) + 1e-3 * std::pow(k, 4);
}

// Calibration (see README.md): a full-scale 16-bit sine is taken to play at
// 96 dB SPL. The analyser shows it at 20 log10(32767 / 2) = 84.29 dB, so its
// scale sits 11.71 dB below SPL. Below 20 Hz the 20 Hz value holds; the
// threshold never exceeds the level of a full-scale tone.
double AnalyserThreshold(int bin)
{
    const double f = std::max(bin * kSampleRate / kTransform, 20.0);
    const double fullScaleSpl = 96.0;
    const double offset = 20.0 * std::log10(32767.0 / 2.0) - fullScaleSpl;
    return std::min(TerhardtSpl(f), fullScaleSpl) + offset;
}

void Put(std::string& out, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(v >> (8 * i));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tna-gen-ath OUTPUT\n";
        return 2;
    }
    const std::string name = "Ath_Data";
    const std::string note = "absolute threshold of hearing (Terhardt), dB, 1024 bins of 2048 at 44100 Hz";
    std::string header = "InFi";
    Put(header, 8, 2);   // header version
    Put(header, 1, 4);   // buckets of the name index
    Put(header, 1, 2);   // directory entries
    std::string entry = name + '\0' + note + '\0';
    entry.append(2 + 32, '\0');
    const uint32_t offset = static_cast<uint32_t>(header.size() + entry.size() + 8);
    Put(entry, offset, 4);
    Put(entry, 8 * kBins, 4);
    std::string data;
    for (int bin = 0; bin < kBins; ++bin) {
        const double v = AnalyserThreshold(bin);
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        Put(data, bits, 8);
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << header << entry << data;
    if (!out) {
        std::cerr << "tna-gen-ath: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
