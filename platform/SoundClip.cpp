// SPDX-License-Identifier: MIT
// Sound file readers (see SoundClip.h).
#include "SoundClip.h"
#include <QFile>
#include <QMutex>
#include <QVector>
#include <cstring>
#include <dlfcn.h>

namespace {

quint32 le32(const char *p)
{
    return quint32(uchar(p[0])) | quint32(uchar(p[1])) << 8 | quint32(uchar(p[2])) << 16 | quint32(uchar(p[3])) << 24;
}
quint16 le16(const char *p) { return quint16(uchar(p[0]) | uchar(p[1]) << 8); }

// 16-bit PCM WAV, mono or stereo, at any rate (linear interpolation to the mixer's rate).
class WavClip : public SoundClip
{
public:
    static std::unique_ptr<SoundClip> open(const QString &path)
    {
        auto clip = std::make_unique<WavClip>();
        clip->file.setFileName(path);
        if (!clip->file.open(QIODevice::ReadOnly) || !clip->readHeader())
            return nullptr;
        return clip;
    }

    int read(qint16 *out, int frames) override
    {
        int made = 0;
        while (made < frames) {
            // Two source frames around the position are needed for the interpolation.
            while (pos + 1.0 >= double(have) && fill()) {}
            if (pos >= double(have))
                break;
            const int i = int(pos);
            const double f = pos - i;
            for (int c = 0; c < kChannels; ++c) {
                const double a = sample(i, c), b = i + 1 < have ? sample(i + 1, c) : a;
                out[made * kChannels + c] = qint16(a + (b - a) * f);
            }
            ++made;
            pos += step;
        }
        return made;
    }

private:
    bool readHeader()
    {
        char riff[12];
        if (file.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) || std::memcmp(riff + 8, "WAVE", 4))
            return false;
        bool haveFormat = false;
        char head[8];
        while (file.read(head, 8) == 8) {
            const quint32 size = le32(head + 4);
            if (!std::memcmp(head, "fmt ", 4)) {
                const QByteArray fmt = file.read(size);
                if (fmt.size() < 16 || le16(fmt.constData()) != 1 || le16(fmt.constData() + 14) != 16)
                    return false;
                channels = le16(fmt.constData() + 2);
                const quint32 rate = le32(fmt.constData() + 4);
                if ((channels != 1 && channels != 2) || rate == 0)
                    return false;
                step = double(rate) / kRate;
                haveFormat = true;
            } else if (!std::memcmp(head, "data", 4)) {
                left = size;
                return haveFormat;
            } else if (!file.skip(size)) {
                return false;
            }
            if (size & 1)   // chunks are padded to even sizes
                file.skip(1);
        }
        return false;
    }

    double sample(int frame, int channel) const
    {
        return buffer[(frame - base) * channels + (channels == 2 ? channel : 0)];
    }

    // Reads the next block, keeping the last frame of the previous one for interpolation.
    bool fill()
    {
        if (left < quint32(2 * channels))
            return false;
        const int keep = have > base ? 1 : 0;
        QVector<qint16> next(keep * channels);
        if (keep)
            std::memcpy(next.data(), buffer.constData() + (have - 1 - base) * channels, sizeof(qint16) * channels);
        const quint32 bytes = std::min<quint32>(left, 4096u * channels * 2) & ~quint32(2 * channels - 1);
        const QByteArray raw = file.read(bytes);
        left = raw.size() == int(bytes) ? left - bytes : 0;
        const int frames = raw.size() / (2 * channels);
        if (frames == 0)
            return false;
        next.resize((keep + frames) * channels);
        for (int i = 0; i < frames * channels; ++i)
            next[keep * channels + i] = qint16(le16(raw.constData() + 2 * i));
        base = have - keep;
        have += frames;
        buffer = std::move(next);
        return true;
    }

    QFile file;
    int channels = 2;
    double step = 1.0;   // source frames per output frame
    double pos = 0;      // position in source frames
    quint32 left = 0;    // data bytes not yet read
    QVector<qint16> buffer;
    int base = 0;        // source frame of buffer[0]
    int have = 0;        // source frames read so far
};

// The few entry points of libmpg123 we use, resolved when the first MP3 is opened.
struct Mpg123 {
    using Handle = void;
    int (*init)() = nullptr;
    Handle *(*create)(const char *, int *) = nullptr;
    int (*formatNone)(Handle *) = nullptr;
    int (*format)(Handle *, long, int, int) = nullptr;
    int (*openFile)(Handle *, const char *) = nullptr;
    int (*read)(Handle *, void *, size_t, size_t *) = nullptr;
    int (*close)(Handle *) = nullptr;
    void (*destroy)(Handle *) = nullptr;
    static constexpr int kOk = 0, kDone = -12, kNewFormat = -11;
    static constexpr int kStereo = 2, kSigned16 = 0xd0;

    static const Mpg123 *get()
    {
        static QMutex lock;
        static Mpg123 api;
        static bool tried = false;
        QMutexLocker locker(&lock);
        if (!tried) {
            tried = true;
            if (!api.load())
                api = Mpg123();
        }
        return api.init ? &api : nullptr;
    }

private:
    template <typename F> bool bind(void *lib, F &fn, const char *name)
    {
        fn = reinterpret_cast<F>(dlsym(lib, name));
        return fn != nullptr;
    }
    bool load()
    {
        void *lib = dlopen("libmpg123.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return false;
        const bool all = bind(lib, init, "mpg123_init") && bind(lib, create, "mpg123_new") &&
                         bind(lib, formatNone, "mpg123_format_none") && bind(lib, format, "mpg123_format") &&
                         bind(lib, openFile, "mpg123_open") && bind(lib, read, "mpg123_read") &&
                         bind(lib, close, "mpg123_close") && bind(lib, destroy, "mpg123_delete");
        return all && init() == kOk;
    }
};

class Mp3Clip : public SoundClip
{
public:
    static std::unique_ptr<SoundClip> open(const QString &path)
    {
        const Mpg123 *api = Mpg123::get();
        if (!api)
            return nullptr;
        auto clip = std::make_unique<Mp3Clip>(api);
        int error = 0;
        clip->handle = api->create(nullptr, &error);
        if (!clip->handle)
            return nullptr;
        // The decoder converts rate and channel count itself when they differ.
        if (api->formatNone(clip->handle) != Mpg123::kOk ||
            api->format(clip->handle, kRate, Mpg123::kStereo, Mpg123::kSigned16) != Mpg123::kOk ||
            api->openFile(clip->handle, QFile::encodeName(path).constData()) != Mpg123::kOk)
            return nullptr;
        clip->opened = true;
        return clip;
    }

    explicit Mp3Clip(const Mpg123 *api) : api(api) {}
    ~Mp3Clip() override
    {
        if (opened)
            api->close(handle);
        if (handle)
            api->destroy(handle);
    }

    int read(qint16 *out, int frames) override
    {
        const size_t want = size_t(frames) * kChannels * sizeof(qint16);
        size_t got = 0;
        while (!ended && got < want) {
            size_t done = 0;
            const int r = api->read(handle, reinterpret_cast<char *>(out) + got, want - got, &done);
            got += done;
            if (r != Mpg123::kOk && r != Mpg123::kNewFormat)
                ended = true;   // the end, or a damaged stream: either way nothing more
        }
        return int(got / (kChannels * sizeof(qint16)));
    }

private:
    const Mpg123 *api;
    Mpg123::Handle *handle = nullptr;
    bool opened = false;
    bool ended = false;
};

} // namespace

std::unique_ptr<SoundClip> SoundClip::open(const QString &path)
{
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return nullptr;
    if (probe.peek(4) == "RIFF")
        return WavClip::open(path);
    probe.close();
    return Mp3Clip::open(path);
}
