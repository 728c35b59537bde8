// SPDX-License-Identifier: MIT
// The copy-data notice channel: decoding bounds and checks, delivery to a window found by
// title, consumption by the application filter, the warning it shows, and the hook owner.
#include "CaptureClaims.h"
#include "CopyData.h"
#include "InputCallbacks.h"
#include "InputHook.h"
#include "TestSupport.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <atomic>
#include <memory>
#include <thread>

namespace {
// A buffer of exactly n bytes, so a read past cbData is a read past the allocation.
std::unique_ptr<char[]> exactBuffer(const QByteArray &bytes)
{
    std::unique_ptr<char[]> buffer(new char[size_t(qMax(1, bytes.size()))]);
    memcpy(buffer.get(), bytes.constData(), size_t(bytes.size()));
    return buffer;
}

// Counts copy-data events that get past the application filter.
class Window : public QWidget
{
public:
    int copyDataSeen = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == CopyDataEvent::eventType())
            ++copyDataSeen;
        return QWidget::event(e);
    }
};

int clicks;
void countClicks(uchar, bool, int, int, void *) { ++clicks; }
}

class TestCopyData : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSupport::DialogRecorder> dialogs;
    std::unique_ptr<QTemporaryDir> runFolder;

private slots:
    void initTestCase() { runFolder.reset(TestSupport::enterFreshRunFolder(false)); }
    void init() { dialogs.reset(new TestSupport::DialogRecorder); }
    void cleanup()
    {
        dialogs.reset();
        InputHook::setCopyDataFilter(nullptr, qApp, nullptr);
    }

    void decodeNotice_data()
    {
        QTest::addColumn<quint64>("dwData");
        QTest::addColumn<QByteArray>("bytes");   // exactly the cbData bytes delivered
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");
        const QByteArray demo("===== Demo Mode =====");
        QTest::newRow("demo notice, no terminator") << quint64(0x250F) << demo << true << QString(demo);
        QTest::newRow("other dwData") << quint64(0x250E) << demo << false << QString();
        QTest::newRow("cbData counts the terminator") << quint64(0x250F) << demo + '\0' << false << QString();
        QTest::newRow("cbData past an embedded NUL") << quint64(0x250F) << QByteArray("abc\0def", 7) << false
                                                    << QString();
        QTest::newRow("multi-byte UTF-8") << quint64(0x250F) << QString::fromUtf8("D\xC3\xA9mo \xE2\x96\xBA").toUtf8()
                                          << true << QString::fromUtf8("D\xC3\xA9mo \xE2\x96\xBA");
        QTest::newRow("cut inside a character") << quint64(0x250F) << QByteArray("D\xC3", 2) << false << QString();
        QTest::newRow("invalid UTF-8") << quint64(0x250F) << QByteArray("a\xFF" "b") << false << QString();
        QTest::newRow("empty") << quint64(0x250F) << QByteArray() << false << QString();
    }
    void decodeNotice()
    {
        QFETCH(quint64, dwData);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QFETCH(QString, text);
        auto buffer = exactBuffer(bytes);
        COPYDATASTRUCT cds;
        cds.dwData = quintptr(dwData);
        cds.cbData = quint32(bytes.size());
        cds.lpData = bytes.isEmpty() ? nullptr : buffer.get();
        QString decoded;
        QCOMPARE(CopyData::decodeNotice(&cds, &decoded), accepted);
        QCOMPARE(decoded, text);
    }

    void decodeRejectsLengthWithoutData()
    {
        COPYDATASTRUCT cds;
        cds.dwData = CopyData::NoticeId;
        cds.cbData = 12;
        QVERIFY(!CopyData::decodeNotice(&cds, nullptr));
        QVERIFY(!CopyData::decodeNotice(nullptr, nullptr));
    }

    void demoNoticeShowsWarningCaptionedWithTitle()
    {
        Window w;
        w.setWindowTitle("R5 Gaming Mouse");
        InputHook::setCopyDataFilter(InputCallbacks::copyData, qApp, &w);
        InputCallbacks::sendDemoNotice(&w);
        QCOMPARE(dialogs->requests.size(), 1);
        QCOMPARE(dialogs->requests[0].kind, DialogRequest::Warning);
        QCOMPARE(dialogs->requests[0].caption, QString("R5 Gaming Mouse"));
        QCOMPARE(dialogs->requests[0].text, QString("===== Demo Mode ====="));
        QCOMPARE(dialogs->requests[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(w.copyDataSeen, 0);   // consumed by the filter
    }

    void mismatchedNoticeIsConsumedButShowsNothing()
    {
        Window w;
        w.setWindowTitle("R5");
        InputHook::setCopyDataFilter(InputCallbacks::copyData, qApp, &w);
        const QByteArray text("===== Demo Mode =====");
        COPYDATASTRUCT cds;
        cds.dwData = 0x250F;
        cds.cbData = quint32(text.size() + 1);   // counts the terminator
        cds.lpData = text.constData();
        InputHook::sendCopyData("R5", cds);
        cds.cbData = quint32(text.size());
        cds.dwData = 0x1234;
        InputHook::sendCopyData("R5", cds);
        QVERIFY(dialogs->requests.isEmpty());
        QCOMPARE(w.copyDataSeen, 0);

        CopyDataEvent direct(0x1234, QByteArray("x"));
        QCoreApplication::sendEvent(&w, &direct);
        QCOMPARE(direct.result, qintptr(1));
    }

    void deliveryFollowsTitleAndExclusion()
    {
        Window a, b;
        a.setWindowTitle("first");
        b.setWindowTitle("second");
        InputHook::setCopyDataFilter(InputCallbacks::copyData, qApp, &b);
        const QByteArray text("hello");
        COPYDATASTRUCT cds;
        cds.dwData = 0x250F;
        cds.cbData = 5;
        cds.lpData = text.constData();
        QVERIFY(!CopyData::send("nobody", cds, nullptr));
        QVERIFY(!CopyData::send("second", cds, &b));
        QVERIFY(dialogs->requests.isEmpty());
        QVERIFY(CopyData::send("first", cds, &b));
        QCOMPARE(dialogs->requests.size(), 1);
        QCOMPARE(dialogs->requests[0].caption, QString("second"));   // the caption is the context window's title

        InputHook::setCopyDataFilter(InputCallbacks::copyData, qApp, nullptr);   // no window: nothing
        QVERIFY(CopyData::send("first", cds, nullptr));
        QCOMPARE(dialogs->requests.size(), 1);
    }

    void withoutCallbackTheWindowGetsTheMessage()
    {
        Window w;
        w.setWindowTitle("plain");
        InputHook::setCopyDataFilter(nullptr, qApp, nullptr);
        COPYDATASTRUCT cds;
        cds.dwData = 0x250F;
        InputHook::sendCopyData("plain", cds);
        QCOMPARE(w.copyDataSeen, 1);
    }

    void sendFromAnotherThreadRunsOnTheWindowThread()
    {
        Window w;
        w.setWindowTitle("threaded");
        static std::atomic<QThread *> calledOn{nullptr};
        InputHook::setCopyDataFilter([](const COPYDATASTRUCT *, void *) { calledOn = QThread::currentThread(); },
                                     qApp, &w);
        std::atomic<bool> returned{false};
        std::thread sender([&returned] {
            const QByteArray text("x");
            COPYDATASTRUCT cds;
            cds.dwData = 0x250F;
            cds.cbData = 1;
            cds.lpData = text.constData();
            InputHook::sendCopyData("threaded", cds);
            returned = true;   // only after the receiver handled it
        });
        QTRY_VERIFY(returned.load());
        sender.join();
        QCOMPARE(calledOn.load(), QThread::currentThread());
    }

    // The capture slots of the view come after the table and the slots appended before them.
    void captureSlotsAppendedAfterTheTable()
    {
        const QMetaObject &mo = myQQuickView::staticMetaObject;
        const int last = mo.indexOfSlot("allSave()");
        QVERIFY(last >= 0);
        QCOMPARE(mo.indexOfSlot("claimKeyCapture(QObject*)"), last + 1);
        QCOMPARE(mo.indexOfSlot("releaseKeyCapture(QObject*)"), last + 2);
        QCOMPARE(mo.indexOfSlot("keyCaptureMode()"), last + 3);
    }

    // Without an X server the owner falls back to the in-window filter, which like global
    // capture reads nothing until a consumer claims it; reinstalling never doubles the
    // reports, and releasing or uninstalling stops them.
    void hookOwnerInWindowMode()
    {
        QObject consumer;
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        InputHook hook;
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(hook.captureMode(), InputHook::InWindow);
        InputHook::setMouseCallback(countClicks, nullptr);
        QWindow window;
        auto click = [&window] {
            QMouseEvent ev(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), QPointF(1, 1), Qt::RightButton,
                           Qt::RightButton, Qt::NoModifier);
            QSpontaneKeyEvent::setSpontaneous(&ev);
            qApp->notify(&window, &ev);
        };
        clicks = 0;
        click();
        QCOMPARE(clicks, 0);
        QVERIFY(!hook.isCapturing());
        CaptureClaims::claim(&consumer);
        QVERIFY(hook.isCapturing());
        click();
        QCOMPARE(clicks, 1);
        QVERIFY(hook.installHooks());
        QVERIFY(hook.isCapturing());   // the claim still holds
        click();
        QCOMPARE(clicks, 2);
        CaptureClaims::release(&consumer);
        QVERIFY(!hook.isCapturing());
        click();
        QCOMPARE(clicks, 2);
        CaptureClaims::claim(&consumer);
        click();
        QCOMPARE(clicks, 3);
        hook.uninstallHooks();
        QCOMPARE(hook.captureMode(), InputHook::NoCapture);
        QVERIFY(!hook.isCapturing());
        click();
        QCOMPARE(clicks, 3);
        CaptureClaims::release(&consumer);
        InputHook::setMouseCallback(nullptr, nullptr);
    }
};

QTEST_MAIN(TestCopyData)
#include "tst_input_copydata.moc"
