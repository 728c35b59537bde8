// SPDX-License-Identifier: MIT
// Interface sounds: players, audio switch and sequencing (see InterfaceSounds.h).
#include "InterfaceSounds.h"
#include "DiskLayout.h"
#include "SoundPlayer.h"
#include <QDir>

InterfaceSounds::InterfaceSounds(QObject *parent) : QObject(parent)
{
    backgroundPlayer = SoundPlayer::create(this);
    for (SoundPlayer *&player : effects)
        player = SoundPlayer::create(this);
    // The music restarts whenever it ends, and the start-up sound hands over to it.
    // A clear() does not count as an end, which is how switching sound off sticks.
    connect(backgroundPlayer, &SoundPlayer::finished, this, &InterfaceSounds::playBackground);
    connect(effects[0], &SoundPlayer::finished, this, &InterfaceSounds::playBackground);
}

SoundPlayer *InterfaceSounds::effect(int index) const
{
    return index >= 1 && index <= 4 ? effects[index - 1] : nullptr;
}

QUrl InterfaceSounds::mediaUrl(const QString &relativePath)
{
    return QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(relativePath)));
}

void InterfaceSounds::setEnableAudio(bool isEnable) { audioOn = isEnable; }

void InterfaceSounds::playIndex(uchar index)
{
    if (!audioOn)
        return;
    if (index == 0) {
        playBackground();
        return;
    }
    SoundPlayer *player = effect(index);
    if (!player)
        return;
    player->clear();
    player->setCurrentSource(mediaUrl(DiskLayout::mediaPath(QStringLiteral("0%1.wav").arg(index))));
    player->play();
}

void InterfaceSounds::playBackground()
{
    backgroundPlayer->setCurrentSource(mediaUrl(DiskLayout::mediaPath(QStringLiteral("00.mp3"))));
    backgroundPlayer->play();
}

void InterfaceSounds::clearAll()
{
    backgroundPlayer->clear();
    for (SoundPlayer *player : effects)
        player->clear();
}
