// SPDX-License-Identifier: MIT
// A sound file read as 16-bit stereo at the mixer's rate: PCM WAV read directly, MP3
// through libmpg123, which is loaded with the first MP3 so a silent program never maps it.
#pragma once
#include <QString>
#include <QtGlobal>
#include <memory>

class SoundClip
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    virtual ~SoundClip() = default;
    // Fills up to `frames` interleaved stereo frames; fewer (0 at the end) once the clip ends.
    virtual int read(qint16 *out, int frames) = 0;

    // nullptr when the file is missing or not a format we read. WAV by its RIFF header,
    // anything else is tried as MP3.
    static std::unique_ptr<SoundClip> open(const QString &path);
};
