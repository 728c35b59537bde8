// SPDX-License-Identifier: MIT
// The five interface sound players (background music and sounds 1 to 4), the audio
// switch, and the sequencing: sound 1 ending starts the music, the music repeats.
#pragma once
#include <QObject>
#include <QString>
#include <QUrl>

class SoundPlayer;

class InterfaceSounds : public QObject
{
    Q_OBJECT
public:
    explicit InterfaceSounds(QObject *parent);

    void setEnableAudio(bool isEnable);
    bool audioEnabled() const { return audioOn; }
    void playIndex(uchar index);
    void playBackground();
    void clearAll();

    SoundPlayer *background() const { return backgroundPlayer; }
    SoundPlayer *effect(int index) const;   // 1..4, nullptr otherwise

    // "./modules/media/..." as an absolute file URL against the current directory.
    static QUrl mediaUrl(const QString &relativePath);

private:
    bool audioOn = true;
    SoundPlayer *backgroundPlayer = nullptr;
    SoundPlayer *effects[4] = {};
};
