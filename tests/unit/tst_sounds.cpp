// SPDX-License-Identifier: MIT
// Interface sound sequencing through the view's sound slots, with recording players:
// start-up sound hands over to the music, the music repeats, clear versus finished.
#include "InterfaceSounds.h"
#include "SoundPlayer.h"
#include "TestSupport.h"
#include "myQQuickView.h"
#include <QtTest>
#include <memory>

namespace {
QUrl media(const QString &name)
{
    return QUrl::fromLocalFile(QFileInfo(QDir::currentPath()).canonicalFilePath() + "/modules/media/" + name);
}
}

class tst_sounds : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<myQQuickView> view;

    FakeSoundPlayer *background() { return static_cast<FakeSoundPlayer *>(view->sounds->background()); }
    FakeSoundPlayer *effect(int i) { return static_cast<FakeSoundPlayer *>(view->sounds->effect(i)); }
    QList<FakeSoundPlayer *> all()
    {
        return {background(), effect(1), effect(2), effect(3), effect(4)};
    }
    void forgetCalls()
    {
        for (FakeSoundPlayer *p : all())
            p->calls.clear();
    }

private slots:
    void initTestCase()
    {
        SoundPlayer::setFactory([](QObject *parent) { return new FakeSoundPlayer(parent); });
    }

    void init()
    {
        dir.reset(TestSupport::enterFreshRunFolder(false));
        view.reset(new myQQuickView);
        QVERIFY(view->sounds->background() && view->sounds->effect(4));
        QVERIFY(!view->sounds->effect(0) && !view->sounds->effect(5));
    }

    void cleanup() { view.reset(); }

    void effectsPlayTheirOwnFileFromTheStart()
    {
        for (int i = 1; i <= 4; ++i) {
            view->playMedia_Index(uchar(i));
            const QUrl url = media(QString("0%1.wav").arg(i));
            QCOMPARE(effect(i)->calls, QStringList({"clear", "source " + url.toString(), "play"}));
            QVERIFY(effect(i)->playing);
        }
        QVERIFY(background()->calls.isEmpty());
        // Asking again restarts the same sound; other players are left alone.
        forgetCalls();
        view->playMedia_Index(3);
        QCOMPARE(effect(3)->calls.first(), QString("clear"));
        QCOMPARE(effect(3)->playCount, 2);
        QVERIFY(effect(2)->calls.isEmpty() && effect(2)->playing);
    }

    void startupSoundEndingStartsMusicWhichRepeats()
    {
        view->playMedia_Index(1);
        QVERIFY(!background()->playing);
        effect(1)->finish();
        QVERIFY(background()->playing);
        QCOMPARE(background()->source, media("00.mp3"));
        QCOMPARE(background()->playCount, 1);
        for (int round = 2; round <= 4; ++round) {
            background()->finish();
            QVERIFY(background()->playing);
            QCOMPARE(background()->playCount, round);
        }
    }

    void onlySoundOneHandsOverToTheMusic()
    {
        for (int i = 2; i <= 4; ++i) {
            view->playMedia_Index(uchar(i));
            effect(i)->finish();
        }
        QCOMPARE(background()->playCount, 0);
    }

    void switchingOffClearsEverythingAndNothingRestarts()
    {
        view->playMedia_Index(0);
        view->playMedia_Index(2);
        QVERIFY(background()->playing);
        forgetCalls();

        view->setEnableAudio(false);   // what the settings page does to switch sound off
        view->clearAllMedia();
        for (FakeSoundPlayer *p : all()) {
            QCOMPARE(p->calls, QStringList{"clear"});
            QVERIFY(!p->playing);
        }
        background()->finish();   // a cleared player has nothing to finish
        effect(1)->finish();
        for (int i = 0; i <= 4; ++i)
            view->playMedia_Index(uchar(i));
        for (FakeSoundPlayer *p : all())
            QCOMPARE(p->calls, QStringList{"clear"});

        // The direct music slot does not look at the switch.
        view->playMedia_Background();
        QVERIFY(background()->playing);

        view->clearAllMedia();
        view->setEnableAudio(true);   // switching on again starts the music at once
        view->playMedia_Index(0);
        QVERIFY(background()->playing);
        QCOMPARE(background()->source, media("00.mp3"));
    }

    void musicRequestWhilePlayingRestartsIt()
    {
        view->playMedia_Index(0);
        const int before = background()->playCount;
        view->playMedia_Index(0);
        QCOMPARE(background()->playCount, before + 1);
        QCOMPARE(background()->calls.mid(background()->calls.size() - 2),
                 QStringList({"source " + media("00.mp3").toString(), "play"}));
    }

    void indexAboveFourDoesNothing()
    {
        for (int index : {5, 6, 0x80, 0xFF})
            view->playMedia_Index(uchar(index));
        for (FakeSoundPlayer *p : all())
            QVERIFY(p->calls.isEmpty());
    }

    void mediaFollowTheWorkingDirectory()
    {
        view->playMedia_Index(4);
        QCOMPARE(effect(4)->source, media("04.wav"));
        QVERIFY(effect(4)->source.isLocalFile());
        QVERIFY(QDir::isAbsolutePath(effect(4)->source.toLocalFile()));

        std::unique_ptr<QTemporaryDir> other(TestSupport::enterFreshRunFolder(false));
        view->playMedia_Index(4);
        QCOMPARE(effect(4)->source, media("04.wav"));
        QVERIFY(effect(4)->source.toLocalFile().startsWith(QFileInfo(other->path()).canonicalFilePath()));
        QDir::setCurrent(dir->path());
    }
};

QTEST_MAIN(tst_sounds)
#include "tst_sounds.moc"
