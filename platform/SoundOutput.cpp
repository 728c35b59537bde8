// SPDX-License-Identifier: MIT
// Sound outputs (see SoundOutput.h).
#include "SoundOutput.h"
#include "SoundClip.h"
#include <QDebug>
#include <chrono>
#include <dlfcn.h>
#include <thread>

namespace {

class PacedSilence : public SoundOutput
{
public:
    void write(const qint16 *, int count) override
    {
        using namespace std::chrono;
        const auto now = steady_clock::now();
        // After a pause the pace starts again from now rather than catching up.
        if (due < now)
            due = now;
        due += duration_cast<steady_clock::duration>(duration<double>(double(count) / SoundClip::kRate));
        std::this_thread::sleep_until(due);
    }

private:
    std::chrono::steady_clock::time_point due;
};

// The part of the ALSA PCM interface we use; the values are its stable ABI.
struct Alsa {
    using Pcm = void;
    int (*open)(Pcm **, const char *, int, int) = nullptr;
    int (*setParams)(Pcm *, int, int, unsigned, unsigned, int, unsigned) = nullptr;
    long (*writei)(Pcm *, const void *, unsigned long) = nullptr;
    int (*recover)(Pcm *, int, int) = nullptr;
    int (*drain)(Pcm *) = nullptr;
    int (*close)(Pcm *) = nullptr;
    using ErrorHandler = void (*)(const char *, int, const char *, int, const char *, ...);
    int (*setErrorHandler)(ErrorHandler) = nullptr;
    static constexpr int kPlayback = 0, kS16Le = 2, kInterleaved = 3;

    bool load()
    {
        void *lib = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return false;
        open = reinterpret_cast<decltype(open)>(dlsym(lib, "snd_pcm_open"));
        setParams = reinterpret_cast<decltype(setParams)>(dlsym(lib, "snd_pcm_set_params"));
        writei = reinterpret_cast<decltype(writei)>(dlsym(lib, "snd_pcm_writei"));
        recover = reinterpret_cast<decltype(recover)>(dlsym(lib, "snd_pcm_recover"));
        drain = reinterpret_cast<decltype(drain)>(dlsym(lib, "snd_pcm_drain"));
        close = reinterpret_cast<decltype(close)>(dlsym(lib, "snd_pcm_close"));
        setErrorHandler = reinterpret_cast<decltype(setErrorHandler)>(dlsym(lib, "snd_lib_error_set_handler"));
        return open && setParams && writei && recover && drain && close;
    }
};

void quiet(const char *, int, const char *, int, const char *, ...) {}

class AlsaOutput : public SoundOutput
{
public:
    static std::unique_ptr<SoundOutput> open()
    {
        auto out = std::make_unique<AlsaOutput>();
        if (!out->api.load()) {
            qDebug() << "Sound: libasound not found, interface sounds are silent";
            return nullptr;
        }
        // The library prints its configuration errors (no sound card, say) to stderr;
        // the one line below tells the user what matters.
        if (out->api.setErrorHandler)
            out->api.setErrorHandler(&quiet);
        if (out->api.open(&out->pcm, "default", Alsa::kPlayback, 0) < 0) {
            out->pcm = nullptr;
            qDebug() << "Sound: no audio device, interface sounds are silent";
            return nullptr;
        }
        // 100 ms of buffer: short enough that an end is heard when it is announced.
        if (out->api.setParams(out->pcm, Alsa::kS16Le, Alsa::kInterleaved, SoundClip::kChannels,
                               SoundClip::kRate, 1, 100000) < 0) {
            qDebug() << "Sound: the audio device refuses 16-bit stereo, interface sounds are silent";
            out->broken = true;
            return nullptr;
        }
        return out;
    }

    ~AlsaOutput() override
    {
        if (!pcm)
            return;
        if (!broken)
            api.drain(pcm);
        api.close(pcm);
    }

    void write(const qint16 *frames, int count) override
    {
        if (broken) {
            silence.write(frames, count);
            return;
        }
        while (count > 0) {
            long n = api.writei(pcm, frames, static_cast<unsigned long>(count));
            if (n < 0)
                n = api.recover(pcm, int(n), 1);   // an underrun after a quiet spell, a suspend
            if (n < 0) {
                // The device went away: keep the clips' timing without it.
                qDebug() << "Sound: the audio device stopped taking sound";
                broken = true;
                silence.write(frames, count);
                return;
            }
            frames += n * SoundClip::kChannels;
            count -= int(n);
        }
    }

private:
    Alsa api;
    Alsa::Pcm *pcm = nullptr;
    bool broken = false;
    PacedSilence silence;
};

} // namespace

std::unique_ptr<SoundOutput> SoundOutput::openSystem()
{
    if (auto alsa = AlsaOutput::open())
        return alsa;
    return pacedSilence();
}

std::unique_ptr<SoundOutput> SoundOutput::pacedSilence() { return std::make_unique<PacedSilence>(); }
