// SPDX-License-Identifier: MIT
// The sound mixer and its players against a recording output: what reaches the output
// (whole clips, sums of voices, converted formats), when a player reports an end, and
// that clearing or replacing a source is never reported as one.
#include "SoundClip.h"
#include "SoundMixer.h"
#include "SoundOutput.h"
#include "SoundPlayer.h"
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// What the mixer wrote. While held, each write is recorded and then waits for the
// release, which lets a test act between two periods.
struct Recording {
    std::mutex lock;
    std::condition_variable released;
    QVector<qint16> samples;
    std::atomic<int> writes{0};
    bool held = false;

    QVector<qint16> copy()
    {
        std::lock_guard<std::mutex> guard(lock);
        return samples;
    }
    void hold()
    {
        std::lock_guard<std::mutex> guard(lock);
        held = true;
    }
    void release()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            held = false;
        }
        released.notify_all();
    }
};

class RecordingOutput : public SoundOutput
{
public:
    explicit RecordingOutput(std::shared_ptr<Recording> r) : rec(std::move(r)) {}
    void write(const qint16 *frames, int count) override
    {
        std::unique_lock<std::mutex> guard(rec->lock);
        for (int i = 0; i < count * SoundClip::kChannels; ++i)
            rec->samples.append(frames[i]);
        ++rec->writes;
        rec->released.wait(guard, [this] { return !rec->held; });
    }

private:
    std::shared_ptr<Recording> rec;
};

// 16-bit PCM WAV; `frames` interleaved over `channels`.
void writeWav(const QString &path, const QVector<qint16> &frames, int channels, int rate)
{
    QByteArray b;
    auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i))); };
    auto u16 = [&b](quint16 v) { b.append(char(v)); b.append(char(v >> 8)); };
    const quint32 bytes = quint32(frames.size()) * 2;
    b.append("RIFF"); u32(36 + bytes); b.append("WAVE");
    b.append("fmt "); u32(16); u16(1); u16(quint16(channels)); u32(quint32(rate));
    u32(quint32(rate * channels * 2)); u16(quint16(channels * 2)); u16(16);
    b.append("data"); u32(bytes);
    for (qint16 s : frames)
        u16(quint16(s));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// A stereo clip whose every sample says where it is: left i % 20000, right -(i % 20000).
QVector<qint16> ramp(int frames)
{
    QVector<qint16> out;
    for (int i = 0; i < frames; ++i)
        out << qint16(i % 20000) << qint16(-(i % 20000));
    return out;
}

QVector<qint16> constant(int frames, qint16 value)
{
    return QVector<qint16>(frames * 2, value);
}

} // namespace

class tst_sound_mixer : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<Recording> rec;
    std::unique_ptr<SoundMixer> mixer;
    std::unique_ptr<QObject> owner;

    SoundPlayer *player() { return SoundPlayer::createMixed(*mixer, owner.get()); }
    QUrl clip(const QString &name) { return QUrl::fromLocalFile(dir->filePath(name)); }
    bool waitForWrites(int n)
    {
        return QTest::qWaitFor([&] { return rec->writes >= n; }, 10000);
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        rec = std::make_shared<Recording>();
        auto r = rec;
        mixer = std::make_unique<SoundMixer>([r] { return std::make_unique<RecordingOutput>(r); });
        owner = std::make_unique<QObject>();
    }

    void cleanup()
    {
        rec->release();
        owner.reset();   // players leave the mixer before it goes
        mixer.reset();
    }

    void aClipReachesTheOutputWholeAndEndsOnce()
    {
        const int frames = 3 * SoundMixer::kPeriod + 100;
        writeWav(dir->filePath("a.wav"), ramp(frames), 2, SoundClip::kRate);
        SoundPlayer *p = player();
        QSignalSpy ended(p, &SoundPlayer::finished);
        p->setCurrentSource(clip("a.wav"));
        p->play();
        QVERIFY(ended.wait(10000));

        const QVector<qint16> out = rec->copy();
        QCOMPARE(out.size(), 4 * SoundMixer::kPeriod * 2);   // whole periods, the last padded
        QCOMPARE(out.mid(0, frames * 2), ramp(frames));
        QCOMPARE(out.mid(frames * 2), QVector<qint16>(out.size() - frames * 2, 0));
        QCoreApplication::processEvents();
        QCOMPARE(ended.count(), 1);

        // Played again it starts from the beginning.
        p->setCurrentSource(clip("a.wav"));
        p->play();
        QVERIFY(ended.wait(10000));
        QCOMPARE(rec->copy().mid(out.size(), frames * 2), ramp(frames));
    }

    void voicesAreSummedAndClipped()
    {
        const int frames = 4 * SoundMixer::kPeriod;
        writeWav(dir->filePath("loud.wav"), constant(frames, 30000), 2, SoundClip::kRate);
        writeWav(dir->filePath("soft.wav"), ramp(SoundMixer::kPeriod), 2, SoundClip::kRate);
        SoundPlayer *a = player(), *b = player();
        QSignalSpy aEnded(a, &SoundPlayer::finished), bEnded(b, &SoundPlayer::finished);

        // The first period of A waits in the output while B starts: B joins at period 2.
        rec->hold();
        a->setCurrentSource(clip("loud.wav"));
        a->play();
        QVERIFY(waitForWrites(1));
        b->setCurrentSource(clip("soft.wav"));
        b->play();
        rec->release();
        QVERIFY(aEnded.wait(10000));
        QTRY_COMPARE(bEnded.count(), 1);

        const QVector<qint16> out = rec->copy();
        QVERIFY(out.size() >= frames * 2);
        const QVector<qint16> bClip = ramp(SoundMixer::kPeriod);
        for (int i = 0; i < SoundMixer::kPeriod * 2; ++i) {
            QCOMPARE(out[i], qint16(30000));
            const int sum = 30000 + bClip[i];
            QCOMPARE(out[SoundMixer::kPeriod * 2 + i], qint16(qBound(-32768, sum, 32767)));
        }
        QCOMPARE(out[3 * SoundMixer::kPeriod * 2], qint16(30000));   // A alone again
    }

    void clearingOrReplacingIsNoEnd()
    {
        writeWav(dir->filePath("long.wav"), ramp(20 * SoundMixer::kPeriod), 2, SoundClip::kRate);
        writeWav(dir->filePath("short.wav"), constant(100, 7), 2, SoundClip::kRate);
        SoundPlayer *p = player();
        QSignalSpy ended(p, &SoundPlayer::finished);

        rec->hold();
        p->setCurrentSource(clip("long.wav"));
        p->play();
        QVERIFY(waitForWrites(1));
        p->clear();
        rec->release();
        // Nothing more of the cleared clip is written once the held period is through.
        const int writesAfterClear = rec->writes;
        p->play();   // no source: nothing to play
        QTest::qWait(100);
        QCOMPARE(ended.count(), 0);
        QVERIFY(rec->writes <= writesAfterClear + 1);

        // A new source while the old one plays: only the new one ends.
        rec->hold();
        p->setCurrentSource(clip("long.wav"));
        p->play();
        QVERIFY(waitForWrites(writesAfterClear + 1));
        p->setCurrentSource(clip("short.wav"));
        p->play();
        rec->release();
        QVERIFY(ended.wait(10000));
        QCoreApplication::processEvents();
        QCOMPARE(ended.count(), 1);
        const QVector<qint16> out = rec->copy();
        QCOMPARE(out.mid(out.size() - SoundMixer::kPeriod * 2, 4), QVector<qint16>(4, 7));
    }

    void unreadableFilesPlayNothingAndNeverEnd()
    {
        QFile junk(dir->filePath("junk.wav"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("RIFF\x10\0\0\0WAVEfmt \x02\0\0\0ab", 24);   // cut off in its format chunk
        junk.close();
        SoundPlayer *p = player();
        QSignalSpy ended(p, &SoundPlayer::finished);
        for (const QString &name : {QStringLiteral("missing.wav"), QStringLiteral("junk.wav")}) {
            p->setCurrentSource(clip(name));
            p->play();
            QTest::qWait(100);
            QCOMPARE(ended.count(), 0);
        }
        QCOMPARE(rec->writes.load(), 0);

        // The player still plays a good file afterwards.
        writeWav(dir->filePath("ok.wav"), constant(10, 1), 2, SoundClip::kRate);
        p->setCurrentSource(clip("ok.wav"));
        p->play();
        QVERIFY(ended.wait(10000));
    }

    void monoAndOtherRatesBecomeStereoAtTheMixerRate()
    {
        // Mono at half the rate: every source frame lasts two output frames, on both sides.
        QVector<qint16> mono;
        for (int i = 0; i < 1000; ++i)
            mono << qint16(i * 10);
        writeWav(dir->filePath("mono.wav"), mono, 1, SoundClip::kRate / 2);
        std::unique_ptr<SoundClip> c = SoundClip::open(dir->filePath("mono.wav"));
        QVERIFY(c);
        QVector<qint16> out(5000 * 2);
        const int got = c->read(out.data(), 5000);
        QVERIFY2(got >= 1998 && got <= 2000, qPrintable(QString::number(got)));
        for (int i = 0; i < 1998; ++i) {
            QCOMPARE(out[2 * i], out[2 * i + 1]);
            QCOMPARE(out[2 * i], qint16(i * 5));   // halfway frames interpolated
        }
        QCOMPARE(c->read(out.data(), 10), 0);
    }

    void theShippedClipsDecode()
    {
        const QString media = qEnvironmentVariable("R5_RUN_DIR", QStringLiteral(R5_DEFAULT_RUN_DIR)) + "/modules/media/";
        for (const char *name : {"00.mp3", "01.wav", "04.wav"}) {
            if (!QFile::exists(media + name))
                QSKIP("the build made no sounds (lame or the sound generator missing)");
            std::unique_ptr<SoundClip> c = SoundClip::open(media + name);
            QVERIFY2(c, name);
            QVector<qint16> buf(SoundMixer::kPeriod * 2);
            qint64 frames = 0;
            int peak = 0;
            for (int got; (got = c->read(buf.data(), SoundMixer::kPeriod)) > 0;) {
                frames += got;
                for (int i = 0; i < got * 2; ++i)
                    peak = std::max(peak, std::abs(int(buf[i])));
            }
            QVERIFY2(frames > SoundClip::kRate / 100, name);   // at least 10 ms of sound
            QVERIFY2(peak > 1000, name);                        // and not silence
            if (QByteArray(name) == "00.mp3")                   // the music loop: 32 s
                QVERIFY(frames > 31 * SoundClip::kRate && frames < 33 * SoundClip::kRate);
        }
    }
};

QTEST_GUILESS_MAIN(tst_sound_mixer)
#include "tst_sound_mixer.moc"
