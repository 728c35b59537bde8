// SPDX-License-Identifier: MIT
// Sound player back ends: a voice of the mixer, and the test fake.
#include "SoundPlayer.h"

#include "SoundMixer.h"

namespace {

SoundPlayer::Factory &installedFactory()
{
    static SoundPlayer::Factory factory;
    return factory;
}

// One voice of a mixer. The voice is taken on first use, so creating the players at
// start costs nothing and the mixer (its thread, output and decoders) comes with the
// first sound.
class MixedSoundPlayer : public SoundPlayer
{
public:
    MixedSoundPlayer(SoundMixer *mixer, QObject *parent) : SoundPlayer(parent), fixedMixer(mixer) {}
    ~MixedSoundPlayer() override
    {
        if (voice)
            mixer->removeVoice(voice);
    }

    void clear() override
    {
        if (voice)
            mixer->clear(voice);
    }
    void setCurrentSource(const QUrl &source) override
    {
        ensureVoice();
        mixer->setSource(voice, source.isLocalFile() ? source.toLocalFile() : source.toString());
    }
    void play() override
    {
        ensureVoice();
        mixer->play(voice);
    }

private:
    void ensureVoice()
    {
        if (voice)
            return;
        mixer = fixedMixer ? fixedMixer : &SoundMixer::shared();
        // Runs on the mixer's thread while this player exists (removeVoice waits for the
        // lock); the end is announced on the player's own thread, and only if nothing
        // changed the voice in between: a clear() or a new source is not an end.
        voice = mixer->addVoice([this](quint64 generation) {
            QMetaObject::invokeMethod(this, [this, generation] {
                if (mixer->generation(voice) == generation)
                    emit finished();
            }, Qt::QueuedConnection);
        });
    }

    SoundMixer *fixedMixer;
    SoundMixer *mixer = nullptr;
    int voice = 0;
};

} // namespace

SoundPlayer *SoundPlayer::create(QObject *parent)
{
    if (installedFactory())
        return installedFactory()(parent);
    return new MixedSoundPlayer(nullptr, parent);
}

SoundPlayer *SoundPlayer::createMixed(SoundMixer &mixer, QObject *parent)
{
    return new MixedSoundPlayer(&mixer, parent);
}

void SoundPlayer::setFactory(Factory factory) { installedFactory() = std::move(factory); }

void FakeSoundPlayer::clear()
{
    calls << QStringLiteral("clear");
    source.clear();
    playing = false;
}

void FakeSoundPlayer::setCurrentSource(const QUrl &url)
{
    calls << QStringLiteral("source ") + url.toString();
    source = url;
    playing = false;
}

void FakeSoundPlayer::play()
{
    calls << QStringLiteral("play");
    if (!source.isEmpty()) {
        playing = true;
        ++playCount;
    }
}

void FakeSoundPlayer::finish()
{
    if (!playing)
        return;
    playing = false;
    emit finished();
}
