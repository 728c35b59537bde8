// SPDX-License-Identifier: MIT
// One thread that mixes every playing voice into one output. A voice is one player's
// clip; the GUI thread only sets sources and flags under the lock, while opening files,
// loading the decoder and the output, and writing sound happen on the mixer's thread.
#pragma once
#include "SoundOutput.h"
#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class SoundClip;

class SoundMixer
{
public:
    static constexpr int kPeriod = 1024;   // frames mixed per write, about 23 ms

    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;
    // The output is made on the mixer's thread when the first voice plays.
    explicit SoundMixer(OutputFactory makeOutput);
    ~SoundMixer();   // stops the thread; voices still playing are cut off

    // The program's mixer on the system output, made on first use.
    static SoundMixer &shared();

    // Called on the mixer's thread, with the lock held, when the voice's clip has played
    // to its end; the argument is the voice's generation at that moment.
    using EndHandler = std::function<void(quint64 generation)>;
    int addVoice(EndHandler onEnd);
    void removeVoice(int voice);

    // Every call that changes what a voice plays starts a new generation, so an end
    // reported for an older one can be told apart.
    void setSource(int voice, const QString &path);   // stops the voice
    void play(int voice);                              // from the start, unless playing
    void clear(int voice);                             // stops and forgets the source
    quint64 generation(int voice) const;
    bool isPlaying(int voice) const;

private:
    struct Voice {
        QString path;
        std::unique_ptr<SoundClip> clip;
        bool playing = false;
        bool opened = false;   // the clip was opened for this play
        quint64 generation = 0;
        EndHandler onEnd;
    };
    void run();
    void keepPace(int frames);   // mixer thread only
    void startThread();
    bool anyPlaying() const;

    OutputFactory makeOutput;
    mutable std::mutex lock;
    std::condition_variable wake;
    std::map<int, Voice> voices;
    int nextVoice = 1;
    bool stopping = false;
    std::thread worker;
    std::chrono::steady_clock::time_point paceDue;   // mixer thread only
};
