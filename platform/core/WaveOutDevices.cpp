// The two wave output devices: the sound card through SDL audio, and the null
// device that plays silently at real-time pace.

#include "WaveOut.h"

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <cstring>
#include <strings.h>
#include <vector>

namespace tna {

namespace {

std::atomic<bool> nullAudioSetting{false};

bool IsPlayableFormat(const WaveFormat& format)
{
    if (format.channels == 0 || format.samplesPerSec == 0 || format.blockAlign == 0 ||
        format.avgBytesPerSec == 0)
        return false;
    switch (format.bitsPerSample) {
    case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    return format.blockAlign == format.channels * format.bitsPerSample / 8;
}

class NullWaveOut : public WaveOutDevice {
public:
    NullWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance)
        : WaveOutDevice(format, done, instance), clock_([this] { Run(); })
    {
    }

    ~NullWaveOut() override
    {
        Reset();
        Close();
        StopClock();
    }

protected:
    void OnPause(bool) override { Wake(); }
    void OnQueued() override { Wake(); }
    void OnClose() override { StopClock(); }

private:
    void Wake()
    {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        wake_.notify_all();
    }

    void StopClock()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (clock_.joinable())
            clock_.join();
    }

    // Waits up to the time for a wake-up; false once the clock is to stop.
    bool Idle(int milliseconds)
    {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_ || woken_; });
        woken_ = false;
        return !stop_;
    }

    void Run()
    {
        using Clock = std::chrono::steady_clock;
        const double bytesPerSecond = Format().avgBytesPerSec;
        const std::size_t align = Format().blockAlign ? Format().blockAlign : 1;
        bool running = false;
        Clock::time_point last;
        double owed = 0;
        for (;;) {
            if (QueuedBytes() == 0 || IsPaused()) {
                running = false;
                if (!Idle(20))
                    return;
                continue;
            }
            if (!running) {
                running = true;
                last = Clock::now();
                owed = 0;
            }
            if (!Idle(5))
                return;
            const Clock::time_point now = Clock::now();
            owed += std::chrono::duration<double>(now - last).count() * bytesPerSecond;
            last = now;
            const std::size_t whole = std::size_t(owed / double(align)) * align;
            owed -= double(whole);
            Consume(nullptr, whole);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool woken_ = false;
    bool stop_ = false;
    std::thread clock_;
};

class SdlWaveOut : public WaveOutDevice {
public:
    SdlWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance)
        : WaveOutDevice(format, done, instance)
    {
    }

    ~SdlWaveOut() override
    {
        Reset();
        Close();
        Shut();
    }

    bool Start()
    {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        initialised_ = true;
        SDL_AudioSpec want{};
        want.freq = int(Format().samplesPerSec);
        want.channels = std::uint8_t(Format().channels);
        want.samples = 2048;
        want.callback = &SdlWaveOut::Fill;
        want.userdata = this;
        switch (Format().bitsPerSample) {
        case 8: want.format = AUDIO_U8; break;
        case 16: want.format = AUDIO_S16LSB; break;
        default: want.format = AUDIO_S32LSB; break; // 24-bit samples are widened to 32
        }
        SDL_AudioSpec have{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0)
            return false;
        silence_ = have.silence;
        wide_.resize(std::size_t(have.size));
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

protected:
    void OnPause(bool paused) override
    {
        if (device_)
            SDL_PauseAudioDevice(device_, paused ? 1 : 0);
    }
    void OnClose() override { Shut(); }

private:
    static void SDLCALL Fill(void* self, Uint8* stream, int length)
    {
        static_cast<SdlWaveOut*>(self)->FillStream(stream, std::size_t(length));
    }

    void FillStream(std::uint8_t* stream, std::size_t length)
    {
        std::size_t filled = 0;
        if (Format().bitsPerSample == 24) {
            const std::size_t samples = length / 4;
            const std::size_t taken = Consume(wide_.data(), samples * 3) / 3;
            for (std::size_t i = 0; i < taken; ++i) {
                const std::uint8_t* in = wide_.data() + i * 3;
                stream[i * 4] = 0;
                std::memcpy(stream + i * 4 + 1, in, 3);
            }
            filled = taken * 4;
        } else {
            filled = Consume(stream, length);
        }
        if (filled < length)
            std::memset(stream + filled, silence_, length - filled);
    }

    void Shut()
    {
        if (device_)
            SDL_CloseAudioDevice(device_);
        device_ = 0;
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = false;
    }

    SDL_AudioDeviceID device_ = 0;
    bool initialised_ = false;
    std::uint8_t silence_ = 0;
    std::vector<std::uint8_t> wide_;
};

} // namespace

void SetNullAudio(bool useNullDevice)
{
    nullAudioSetting = useNullDevice;
}

bool UsingNullAudio()
{
    if (nullAudioSetting)
        return true;
    const char* mode = std::getenv("TINTONIA_AUDIO");
    return mode && strcasecmp(mode, "null") == 0;
}

unsigned WaveOutDeviceCount()
{
    if (UsingNullAudio())
        return 1;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    const int count = SDL_GetNumAudioDevices(0);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // A back end that cannot list its devices may still have a default one.
    return count < 0 ? 1u : unsigned(count);
}

WaveError OpenWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance,
                      std::unique_ptr<WaveOutDevice>& device)
{
    device.reset();
    if (!IsPlayableFormat(format))
        return WaveError::BadFormat;
    if (UsingNullAudio()) {
        static std::once_flag told;
        std::call_once(told, [] { std::fprintf(stderr, "Tintonia: sound goes to the null audio device (silent)\n"); });
        device = std::make_unique<NullWaveOut>(format, done, instance);
        return WaveError::None;
    }
    auto sdl = std::make_unique<SdlWaveOut>(format, done, instance);
    if (!sdl->Start())
        return WaveError::NoDevice;
    device = std::move(sdl);
    return WaveError::None;
}

} // namespace tna
