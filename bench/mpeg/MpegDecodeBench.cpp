// Decodes one MPEG audio file with our decoder and with libmpg123, several rounds each,
// from memory, and prints the best time of each and their ratio.
#include "MpegStreamDecoder.h"

#include <mpg123.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

long long DecodeOurs(const std::vector<uint8_t>& file, long long& checksum)
{
    mpeg::MemoryByteSource source(file.data(), file.size());
    static mpeg::MpegStreamDecoder decoder;
    decoder.SetSource(&source);
    decoder.Restart(0, true);
    static int16_t pcm[1152 * 2];
    long long samples = 0;
    for (;;) {
        int n = decoder.DecodeNext(pcm);
        if (n < 0)
            break;
        samples += n;
        checksum += pcm[0];
    }
    return samples;
}

long long DecodeReference(const std::vector<uint8_t>& file, long long& checksum)
{
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_format_none(handle);
    mpg123_format(handle, 44100, MPG123_STEREO | MPG123_MONO, MPG123_ENC_SIGNED_16);
    mpg123_open_feed(handle);
    mpg123_feed(handle, file.data(), file.size());
    long long samples = 0;
    for (;;) {
        off_t frameNumber;
        unsigned char* audio;
        size_t bytes;
        int result = mpg123_decode_frame(handle, &frameNumber, &audio, &bytes);
        if (result == MPG123_NEW_FORMAT)
            continue;
        if (result != MPG123_OK)
            break;
        samples += static_cast<long long>(bytes / 4);
        if (bytes >= 2)
            checksum += reinterpret_cast<int16_t*>(audio)[0];
    }
    mpg123_delete(handle);
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mpeg-decode-bench FILE.mp3 [rounds]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::FILE* f = std::fopen(argv[1], "rb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<uint8_t> file;
    uint8_t chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        file.insert(file.end(), chunk, chunk + n);
    std::fclose(f);
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
    double best[2] = {1e9, 1e9};
    long long samples[2] = {0, 0};
    long long checksum = 0;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = std::chrono::steady_clock::now();
        samples[0] = DecodeOurs(file, checksum);
        auto t1 = std::chrono::steady_clock::now();
        samples[1] = DecodeReference(file, checksum);
        auto t2 = std::chrono::steady_clock::now();
        best[0] = std::min(best[0], Seconds(t1 - t0));
        best[1] = std::min(best[1], Seconds(t2 - t1));
    }
    std::printf("file: %s (%zu bytes)\n", argv[1], file.size());
    std::printf("ours:      %8.3f s  (%lld samples per channel)\n", best[0], samples[0]);
    std::printf("libmpg123: %8.3f s  (%lld samples per channel)\n", best[1], samples[1]);
    std::printf("time ratio ours / libmpg123: %.2f\n", best[0] / best[1]);
    return checksum == 0x7fffffffffffffffLL ? 1 : 0;
}
