// SPDX-License-Identifier: MIT
// Sound player back ends: Phonon when built with it, otherwise silent; the test fake.
#include "SoundPlayer.h"
#include <QDebug>

#ifdef R5_HAVE_PHONON
#include <phonon/AudioOutput>
#include <phonon/MediaObject>
#include <phonon/MediaSource>
#include <phonon/Path>
#endif

namespace {

SoundPlayer::Factory &installedFactory()
{
    static SoundPlayer::Factory factory;
    return factory;
}

#ifdef R5_HAVE_PHONON
// One MediaObject with its own AudioOutput in the music category. The Phonon objects are
// made on first use: loading the media back end costs start-up time before the first
// frame, and a player that never sounds has nothing to stop.
class PhononSoundPlayer : public SoundPlayer
{
public:
    using SoundPlayer::SoundPlayer;

    void clear() override
    {
        if (media)
            media->clear();
    }
    void setCurrentSource(const QUrl &source) override
    {
        ensureMedia();
        media->setCurrentSource(Phonon::MediaSource(source));
    }
    void play() override
    {
        ensureMedia();
        media->play();
    }

private:
    void ensureMedia()
    {
        if (media)
            return;
        media = new Phonon::MediaObject(this);
        output = new Phonon::AudioOutput(Phonon::MusicCategory, this);
        Phonon::createPath(media, output);
        connect(media, &Phonon::MediaObject::finished, this, &SoundPlayer::finished);
    }

    Phonon::MediaObject *media = nullptr;
    Phonon::AudioOutput *output = nullptr;
};
#endif

// Built without a media back end: nothing sounds and nothing ever finishes.
class SilentSoundPlayer : public SoundPlayer
{
public:
    using SoundPlayer::SoundPlayer;
    void clear() override {}
    void setCurrentSource(const QUrl &) override {}
    void play() override {}
};

} // namespace

SoundPlayer *SoundPlayer::create(QObject *parent)
{
    if (installedFactory())
        return installedFactory()(parent);
#ifdef R5_HAVE_PHONON
    return new PhononSoundPlayer(parent);
#else
    static bool told = false;
    if (!told) {
        told = true;
        qDebug() << "Sound: built without Phonon, interface sounds are silent";
    }
    return new SilentSoundPlayer(parent);
#endif
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
