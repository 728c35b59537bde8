// SPDX-License-Identifier: MIT
// Synthesises the interface sounds (01.wav to 04.wav) and the ambient background loop
// (written as WAV for the build to encode to 00.mp3). Deterministic, no external input.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

struct Stereo {
    std::vector<float> l, r;
    explicit Stereo(size_t n = 0) : l(n, 0.f), r(n, 0.f) {}
    size_t size() const { return l.size(); }
};

// Small deterministic noise source (xorshift).
struct Noise {
    uint32_t s = 0x1234567u;
    float next()
    {
        s ^= s << 13; s ^= s >> 17; s ^= s << 5;
        return float(s & 0xFFFFFF) / float(0x800000) - 1.f;
    }
};

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Bell-like tone: a few inharmonic partials with their own decays.
void bell(Stereo &out, double start, double hz, double amp, double decay, double pan)
{
    static const double ratio[] = {1.0, 2.0, 2.76, 5.4};
    static const double level[] = {1.0, 0.45, 0.22, 0.08};
    const size_t s0 = size_t(start * kRate);
    const size_t len = std::min(out.size() - std::min(out.size(), s0), size_t(decay * 6 * kRate));
    for (size_t i = 0; i < len; ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (int k = 0; k < 4; ++k)
            v += level[k] * std::sin(2 * kPi * hz * ratio[k] * t) * std::exp(-t / (decay / (1 + k * 0.8)));
        v *= amp * attack;
        out.l[s0 + i] += float(v * (1 - pan));
        out.r[s0 + i] += float(v * pan);
    }
}

// Band-limited noise swept between two centre frequencies (a state-variable filter).
void swoosh(Stereo &out, double start, double dur, double f0, double f1, double amp, Noise &n)
{
    const size_t s0 = size_t(start * kRate), len = size_t(dur * kRate);
    double low = 0, band = 0;
    for (size_t i = 0; i < len && s0 + i < out.size(); ++i) {
        const double x = double(i) / len;
        const double fc = f0 * std::pow(f1 / f0, x);
        const double f = 2 * std::sin(kPi * fc / kRate);
        const double q = 0.35;
        const double in = n.next();
        low += f * band;
        const double high = in - low - q * band;
        band += f * high;
        const double env = std::sin(kPi * x) * std::sin(kPi * x);
        const double v = band * env * amp;
        const double pan = 0.2 + 0.6 * x; // sweeps left to right
        out.l[s0 + i] += float(v * (1 - pan));
        out.r[s0 + i] += float(v * pan);
    }
}

// A soft sine blip with a quick pitch glide.
void blip(Stereo &out, double start, double hz0, double hz1, double dur, double amp)
{
    const size_t s0 = size_t(start * kRate), len = size_t(dur * kRate);
    double ph = 0;
    for (size_t i = 0; i < len && s0 + i < out.size(); ++i) {
        const double x = double(i) / len;
        const double hz = hz0 + (hz1 - hz0) * std::min(1.0, x * 4);
        ph += 2 * kPi * hz / kRate;
        const double env = std::min(1.0, x * 60) * std::pow(1 - x, 2.5);
        const double v = (std::sin(ph) + 0.18 * std::sin(2 * ph)) * env * amp;
        out.l[s0 + i] += float(v);
        out.r[s0 + i] += float(v);
    }
}

// Simple stereo reverb: four combs and two allpasses per channel.
void reverb(Stereo &s, double wet, double room)
{
    const int combL[] = {1116, 1188, 1277, 1356}, combR[] = {1139, 1211, 1300, 1379};
    const int apL[] = {556, 441}, apR[] = {579, 464};
    auto channel = [&](std::vector<float> &x, const int *cd, const int *ad) {
        std::vector<float> dry = x, acc(x.size(), 0.f);
        for (int c = 0; c < 4; ++c) {
            std::vector<float> buf(cd[c], 0.f);
            size_t pos = 0;
            float damp = 0;
            for (size_t i = 0; i < x.size(); ++i) {
                const float y = buf[pos];
                damp = y * 0.6f + damp * 0.4f;
                buf[pos] = dry[i] * 0.25f + damp * float(room);
                acc[i] += y;
                pos = (pos + 1) % buf.size();
            }
        }
        for (int a = 0; a < 2; ++a) {
            std::vector<float> buf(ad[a], 0.f);
            size_t pos = 0;
            for (size_t i = 0; i < acc.size(); ++i) {
                const float b = buf[pos];
                const float y = -acc[i] + b;
                buf[pos] = acc[i] + b * 0.5f;
                acc[i] = y;
                pos = (pos + 1) % buf.size();
            }
        }
        for (size_t i = 0; i < x.size(); ++i) x[i] = float(dry[i] * (1 - wet * 0.5) + acc[i] * wet);
    };
    channel(s.l, combL, apL);
    channel(s.r, combR, apR);
}

// Scales to a peak level (dBFS) and fades the very ends so nothing clicks.
void finish(Stereo &s, double peakDb, double fadeIn = 0.002, double fadeOut = 0.02)
{
    float peak = 1e-9f;
    for (size_t i = 0; i < s.size(); ++i) peak = std::max({peak, std::fabs(s.l[i]), std::fabs(s.r[i])});
    const float g = float(std::pow(10.0, peakDb / 20.0) / peak);
    const size_t fi = size_t(fadeIn * kRate), fo = size_t(fadeOut * kRate);
    for (size_t i = 0; i < s.size(); ++i) {
        float e = g;
        if (i < fi) e *= float(i) / fi;
        if (i + fo > s.size()) e *= float(s.size() - i) / fo;
        s.l[i] *= e;
        s.r[i] *= e;
    }
}

bool writeWav(const std::string &path, const Stereo &s)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint32_t frames = uint32_t(s.size()), dataBytes = frames * 4;
    auto u32 = [f](uint32_t v) { unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; std::fwrite(b, 1, 4, f); };
    auto u16 = [f](uint16_t v) { unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)}; std::fwrite(b, 1, 2, f); };
    std::fwrite("RIFF", 1, 4, f); u32(36 + dataBytes); std::fwrite("WAVE", 1, 4, f);
    std::fwrite("fmt ", 1, 4, f); u32(16); u16(1); u16(2); u32(kRate); u32(kRate * 4); u16(4); u16(16);
    std::fwrite("data", 1, 4, f); u32(dataBytes);
    std::vector<int16_t> pcm(size_t(frames) * 2);
    for (size_t i = 0; i < frames; ++i) {
        pcm[2 * i] = int16_t(std::lround(std::clamp(s.l[i], -1.f, 1.f) * 32767.f));
        pcm[2 * i + 1] = int16_t(std::lround(std::clamp(s.r[i], -1.f, 1.f) * 32767.f));
    }
    // PCM is little-endian in the file; this runs on little-endian hosts only.
    const bool ok = std::fwrite(pcm.data(), 2, pcm.size(), f) == pcm.size();
    return std::fclose(f) == 0 && ok;
}

Stereo startup()
{
    Noise n;
    Stereo s(size_t(1.9 * kRate));
    swoosh(s, 0.0, 0.75, 300, 5200, 1.2, n);
    // A rising major-ninth arpeggio landing on a chord.
    const double notes[] = {69, 76, 81, 83, 88};
    for (int i = 0; i < 5; ++i) bell(s, 0.38 + i * 0.07, midiHz(notes[i]), 0.32, 0.45, 0.3 + i * 0.1);
    reverb(s, 0.45, 0.8);
    finish(s, -10.0, 0.002, 0.3);
    return s;
}

Stereo pageOpen()
{
    Noise n;
    n.s = 0xBEEF;
    Stereo s(size_t(0.45 * kRate));
    swoosh(s, 0.0, 0.22, 1200, 4000, 0.5, n);
    blip(s, 0.03, midiHz(76), midiHz(83), 0.16, 0.5);
    reverb(s, 0.3, 0.7);
    finish(s, -14.0, 0.002, 0.1);
    return s;
}

Stereo logoPing()
{
    Stereo s(size_t(1.0 * kRate));
    bell(s, 0.0, midiHz(84), 0.5, 0.3, 0.45);
    bell(s, 0.06, midiHz(91), 0.3, 0.25, 0.6);
    reverb(s, 0.4, 0.75);
    finish(s, -12.0, 0.002, 0.25);
    return s;
}

Stereo click()
{
    Noise n;
    n.s = 0xC11C;
    Stereo s(size_t(0.05 * kRate));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double v = std::sin(2 * kPi * 2100 * t) * std::exp(-t / 0.006) +
                         0.25 * n.next() * std::exp(-t / 0.0015) +
                         0.4 * std::sin(2 * kPi * 900 * t) * std::exp(-t / 0.01);
        s.l[i] = s.r[i] = float(v);
    }
    finish(s, -16.0, 0.0005, 0.01);
    return s;
}

// Ambient loop: four pad chords, a sub bass and a slow sparse pluck pattern. The reverb
// tail past the loop end is folded back onto its start so the loop joins seamlessly.
Stereo ambient(double seconds)
{
    const size_t loop = size_t(seconds * kRate), tail = size_t(4.0 * kRate);
    Stereo s(loop + tail);
    const double chords[4][4] = {{57, 60, 64, 71}, {53, 57, 60, 64}, {48, 55, 59, 64}, {55, 59, 62, 69}};
    const double bass[4] = {45, 41, 36, 43};
    const double bar = seconds / 4;
    for (int c = 0; c < 4; ++c) {
        const double t0 = c * bar;
        const size_t s0 = size_t(t0 * kRate), len = size_t((bar + 2.0) * kRate);
        for (int v = 0; v < 4; ++v)
            for (int d = -1; d <= 1; ++d) {
                const double hz = midiHz(chords[c][v]) * (1 + d * 0.0022);
                double ph = v * 1.3 + d;
                for (size_t i = 0; i < len && s0 + i < s.size(); ++i) {
                    const double t = double(i) / kRate;
                    const double env = std::min(1.0, t / 1.6) * (t > bar ? std::max(0.0, 1 - (t - bar) / 2.0) : 1.0);
                    ph += 2 * kPi * hz / kRate;
                    const double lfo = 0.75 + 0.25 * std::sin(2 * kPi * (0.11 + v * 0.03) * (t0 + t));
                    const double x = (std::sin(ph) + 0.22 * std::sin(2 * ph) + 0.08 * std::sin(3 * ph)) * env * lfo * 0.05;
                    const double pan = 0.5 + 0.3 * d;
                    s.l[s0 + i] += float(x * (1 - pan));
                    s.r[s0 + i] += float(x * pan);
                }
            }
        double ph = 0;
        for (size_t i = 0; i < len && s0 + i < s.size(); ++i) {
            const double t = double(i) / kRate;
            const double env = std::min(1.0, t / 0.8) * (t > bar ? std::max(0.0, 1 - (t - bar) / 1.5) : 1.0);
            ph += 2 * kPi * midiHz(bass[c]) / kRate;
            const float x = float(std::sin(ph) * env * 0.12);
            s.l[s0 + i] += x;
            s.r[s0 + i] += x;
        }
        // Sparse plucks from the chord, one every half second with gaps.
        for (int k = 0; k < int(bar * 2); ++k)
            if ((k * 7 + c * 3) % 5 < 2) {
                const double note = chords[c][(k + c) % 4] + 12;
                bell(s, t0 + k * 0.5, midiHz(note), 0.05, 0.5, 0.25 + 0.5 * ((k * 3 + c) % 4) / 3.0);
            }
    }
    reverb(s, 0.6, 0.84);
    for (size_t i = 0; i < tail; ++i) {
        s.l[i] += s.l[loop + i];
        s.r[i] += s.r[loop + i];
    }
    s.l.resize(loop);
    s.r.resize(loop);
    finish(s, -12.0, 0.0, 0.0);
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: r5soundgen <media folder> <ambient wav>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = writeWav(dir + "/01.wav", startup());
    ok = writeWav(dir + "/02.wav", pageOpen()) && ok;
    ok = writeWav(dir + "/03.wav", logoPing()) && ok;
    ok = writeWav(dir + "/04.wav", click()) && ok;
    ok = writeWav(argv[2], ambient(32.0)) && ok;
    if (!ok) std::fprintf(stderr, "soundgen: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
