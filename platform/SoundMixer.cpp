// SPDX-License-Identifier: MIT
// The mixing thread (see SoundMixer.h).
#include "SoundMixer.h"
#include "SoundClip.h"
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <algorithm>
#include <chrono>
#include <vector>

Q_LOGGING_CATEGORY(lcSound, "r5.sound", QtWarningMsg)

SoundMixer::SoundMixer(OutputFactory makeOutput) : makeOutput(std::move(makeOutput)) {}

SoundMixer::~SoundMixer()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

SoundMixer &SoundMixer::shared()
{
    static SoundMixer mixer(&SoundOutput::openSystem);
    return mixer;
}

int SoundMixer::addVoice(EndHandler onEnd)
{
    std::lock_guard<std::mutex> guard(lock);
    const int id = nextVoice++;
    voices[id].onEnd = std::move(onEnd);
    return id;
}

void SoundMixer::removeVoice(int voice)
{
    // The clip is closed outside the lock; the end handler is never called again.
    std::unique_ptr<SoundClip> clip;
    std::lock_guard<std::mutex> guard(lock);
    auto it = voices.find(voice);
    if (it == voices.end())
        return;
    clip = std::move(it->second.clip);
    voices.erase(it);
}

void SoundMixer::setSource(int voice, const QString &path)
{
    std::lock_guard<std::mutex> guard(lock);
    auto it = voices.find(voice);
    if (it == voices.end())
        return;
    Voice &v = it->second;
    v.path = path;
    v.clip.reset();
    v.playing = v.opened = false;
    ++v.generation;
}

void SoundMixer::play(int voice)
{
    {
        std::lock_guard<std::mutex> guard(lock);
        auto it = voices.find(voice);
        if (it == voices.end() || it->second.path.isEmpty() || it->second.playing)
            return;
        Voice &v = it->second;
        v.clip.reset();
        v.playing = true;
        v.opened = false;
        ++v.generation;
        startThread();
    }
    wake.notify_all();
}

void SoundMixer::clear(int voice)
{
    std::lock_guard<std::mutex> guard(lock);
    auto it = voices.find(voice);
    if (it == voices.end())
        return;
    Voice &v = it->second;
    v.path.clear();
    v.clip.reset();
    v.playing = v.opened = false;
    ++v.generation;
}

quint64 SoundMixer::generation(int voice) const
{
    std::lock_guard<std::mutex> guard(lock);
    auto it = voices.find(voice);
    return it == voices.end() ? 0 : it->second.generation;
}

bool SoundMixer::isPlaying(int voice) const
{
    std::lock_guard<std::mutex> guard(lock);
    auto it = voices.find(voice);
    return it != voices.end() && it->second.playing;
}

void SoundMixer::startThread()
{
    // Called with the lock held; the thread waits for it before looking at the voices.
    if (!worker.joinable())
        worker = std::thread([this] { run(); });
}

bool SoundMixer::anyPlaying() const
{
    return std::any_of(voices.begin(), voices.end(), [](const auto &v) { return v.second.playing; });
}

void SoundMixer::keepPace(int frames)
{
    // A device takes the sound at its own pace and blocks; one that takes it at once
    // (a null or file device) would have us race through the clips and announce their
    // ends early. Stay at most a little ahead of the clock; after a pause start afresh.
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (paceDue < now)
        paceDue = now;
    paceDue += duration_cast<steady_clock::duration>(duration<double>(double(frames) / SoundClip::kRate));
    const auto lead = milliseconds(200);
    if (paceDue - now > lead)
        std::this_thread::sleep_until(paceDue - lead);
}

void SoundMixer::run()
{
    std::unique_ptr<SoundOutput> output;
    std::vector<qint32> sum(size_t(kPeriod) * SoundClip::kChannels);
    std::vector<qint16> part(sum.size()), mixed(sum.size());
    std::vector<std::pair<int, quint64>> ended;
    std::unique_lock<std::mutex> guard(lock);
    while (!stopping) {
        if (!anyPlaying()) {
            wake.wait(guard);
            continue;
        }
        if (!output) {
            guard.unlock();
            QElapsedTimer clock;
            clock.start();
            output = makeOutput();
            qCDebug(lcSound) << "output ready after" << clock.elapsed() << "ms";
            guard.lock();
            continue;
        }
        // Files are opened (and the MP3 decoder loaded) without holding the lock.
        for (auto &entry : voices) {
            Voice &v = entry.second;
            if (!v.playing || v.opened)
                continue;
            const QString path = v.path;
            const quint64 generation = v.generation;
            guard.unlock();
            std::unique_ptr<SoundClip> clip = SoundClip::open(path);
            guard.lock();
            auto it = voices.find(entry.first);
            if (it == voices.end() || it->second.generation != generation)
                break;   // changed meanwhile: look again from the top
            it->second.opened = true;
            if (clip) {
                it->second.clip = std::move(clip);
            } else {
                // A missing or unreadable file plays nothing and never ends.
                qCDebug(lcSound) << "cannot play" << path;
                it->second.playing = false;
            }
        }
        if (!anyPlaying() ||
            std::any_of(voices.begin(), voices.end(), [](const auto &v) { return v.second.playing && !v.second.opened; }))
            continue;

        std::fill(sum.begin(), sum.end(), 0);
        ended.clear();
        for (auto &entry : voices) {
            Voice &v = entry.second;
            if (!v.playing || !v.clip)
                continue;
            const int got = v.clip->read(part.data(), kPeriod);
            for (int i = 0; i < got * SoundClip::kChannels; ++i)
                sum[size_t(i)] += part[size_t(i)];
            if (got < kPeriod) {
                v.playing = false;
                v.clip.reset();
                ended.emplace_back(entry.first, v.generation);
            }
        }
        for (size_t i = 0; i < sum.size(); ++i)
            mixed[i] = qint16(std::clamp<qint32>(sum[i], -32768, 32767));
        guard.unlock();
        output->write(mixed.data(), kPeriod);
        keepPace(kPeriod);
        guard.lock();
        // An end is told once its last sound has gone out, unless the voice was given
        // something else meanwhile.
        for (const auto &[id, generation] : ended) {
            auto it = voices.find(id);
            if (it != voices.end() && it->second.generation == generation && it->second.onEnd)
                it->second.onEnd(generation);
        }
    }
    guard.unlock();
    output.reset();
}
