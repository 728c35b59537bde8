// SPDX-License-Identifier: MIT
// Where the mixed interface sounds go: the system's default ALSA device (libasound is
// loaded when the first sound plays), or, without one, a silent output that takes the
// frames at the pace a device would, so clips still end on time.
#pragma once
#include <QtGlobal>
#include <memory>

class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Interleaved 16-bit stereo at SoundClip::kRate; returns when the device has room again.
    virtual void write(const qint16 *frames, int count) = 0;

    // The default device, else the paced silent output.
    static std::unique_ptr<SoundOutput> openSystem();
    static std::unique_ptr<SoundOutput> pacedSilence();
};
