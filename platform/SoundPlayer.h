// SPDX-License-Identifier: MIT
// One interface-sound player (clear, source, play, finished): a voice of the sound mixer,
// or a recording fake for tests.
#pragma once
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

class SoundMixer;

class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void clear() = 0;                            // stop and forget the source
    virtual void setCurrentSource(const QUrl &source) = 0;
    virtual void play() = 0;

    using Factory = std::function<SoundPlayer *(QObject *parent)>;
    // A new player: the installed factory's, else a voice of the program's mixer.
    static SoundPlayer *create(QObject *parent);
    // A player on the given mixer (which must outlive it).
    static SoundPlayer *createMixed(SoundMixer &mixer, QObject *parent);
    // Tests install a factory (e.g. one returning FakeSoundPlayer); empty restores the default.
    static void setFactory(Factory factory);

signals:
    void finished();   // the media played to its end (never sent by clear())
};

// Records what was asked of it; finish() plays the role of the media ending.
class FakeSoundPlayer : public SoundPlayer
{
    Q_OBJECT
public:
    using SoundPlayer::SoundPlayer;

    void clear() override;
    void setCurrentSource(const QUrl &source) override;
    void play() override;
    void finish();   // emits finished() if something is playing

    QStringList calls;   // "clear", "source <url>", "play", in order
    QUrl source;
    bool playing = false;
    int playCount = 0;
};
