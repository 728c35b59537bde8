// SPDX-License-Identifier: MIT
// Real global capture under a private Xvfb: xdotool types and clicks, the QML root of a
// view receives detectKeyboard/detectMouse with the right codes, and another X client
// still gets every event.
#include "InputCallbacks.h"
#include "InputHook.h"
#include "TestSupport.h"
#include "myQQuickView.h"
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>
#include <memory>

#ifdef R5_HAVE_XRECORD
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace {
const char *rootQml = R"(import QtQuick 2.15
Item {
    width: 100; height: 100
    property string keys: ""
    property string buttons: ""
    function detectKeyboard(isDown, usbCode) {
        keys += (isDown ? "+" : "-") + usbCode.toString(16) + " "
    }
    function detectMouse(isDown, code, x, y) {
        buttons += (isDown ? "+" : "-") + code.toString(16) + "@" + x + "," + y + " "
    }
}
)";
}

class TestCapture : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> runFolder;
    QProcess xvfb;
    QByteArray display;
#ifdef R5_HAVE_XRECORD
    Display *other = nullptr;   // the other X client, with a focused window covering the screen
    Window otherWindow = 0;
#endif
    QWidget *mainWindow = nullptr;
    myQQuickView *view = nullptr;

    void xdotool(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(display));
        p.setProcessEnvironment(env);
        p.start("xdotool", args);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
    }
    // Starts a server on a free display number and returns ":N", empty on failure.
    static QByteArray startXvfb(QProcess &server)
    {
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (!server.waitForStarted())
            return QByteArray();
        QElapsedTimer waited;
        waited.start();
        while (!server.canReadLine() && server.state() == QProcess::Running && waited.elapsed() < 15000)
            server.waitForReadyRead(100);
        const QByteArray number = server.readLine().trimmed();
        return number.isEmpty() ? QByteArray() : ":" + number;
    }
    QString rootString(const char *name) { return view->rootObject()->property(name).toString(); }

#ifdef R5_HAVE_XRECORD
    // Drains the other client's queue: "+kc" / "-kc" for keys, "+bN@x,y" for buttons.
    QStringList otherClientEvents()
    {
        QStringList seen;
        XSync(other, False);
        while (XPending(other)) {
            XEvent ev;
            XNextEvent(other, &ev);
            if (ev.type == KeyPress || ev.type == KeyRelease)
                seen << QString("%1k%2").arg(ev.type == KeyPress ? '+' : '-').arg(ev.xkey.keycode);
            else if (ev.type == ButtonPress || ev.type == ButtonRelease)
                seen << QString("%1b%2@%3,%4")
                            .arg(ev.type == ButtonPress ? '+' : '-')
                            .arg(ev.xbutton.button)
                            .arg(ev.xbutton.x_root)
                            .arg(ev.xbutton.y_root);
        }
        return seen;
    }
    QString kc(KeySym sym) { return QString::number(XKeysymToKeycode(other, sym)); }
#endif

private slots:
    void initTestCase()
    {
#ifndef R5_HAVE_XRECORD
        QSKIP("built without X RECORD support");
#else
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("Xvfb or xdotool is not installed");
        runFolder.reset(TestSupport::enterFreshRunFolder());

        // A private server whatever DISPLAY says, so typing never lands on a real desktop.
        display = startXvfb(xvfb);
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
        qputenv("DISPLAY", display);

        other = XOpenDisplay(display.constData());
        QVERIFY(other);
        otherWindow = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 800, 600, 0, 0, 0);
        XSelectInput(other, otherWindow, KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask);
        XMapWindow(other, otherWindow);
        XSync(other, False);
        XSetInputFocus(other, otherWindow, RevertToParent, CurrentTime);
        XSync(other, False);

        mainWindow = new QWidget;
        mainWindow->setWindowTitle("R5");
        view = new myQQuickView(mainWindow);
        QFile qml("capture_root.qml");
        QVERIFY(qml.open(QIODevice::WriteOnly));
        qml.write(rootQml);
        qml.close();
        view->setSource(QUrl::fromLocalFile(QFileInfo(qml).absoluteFilePath()));
        QVERIFY(view->rootObject());
        InputHook::setKeyboardCallback(InputCallbacks::keyboard, mainWindow);
        InputHook::setMouseCallback(InputCallbacks::mouse, mainWindow);
#endif
    }

    void cleanupTestCase()
    {
        InputHook::setKeyboardCallback(nullptr, nullptr);
        InputHook::setMouseCallback(nullptr, nullptr);
        delete mainWindow;
#ifdef R5_HAVE_XRECORD
        if (other)
            XCloseDisplay(other);
#endif
        if (xvfb.state() == QProcess::Running) {
            xvfb.terminate();
            xvfb.waitForFinished(5000);
        }
    }

#ifdef R5_HAVE_XRECORD
    void keysReachQmlAndTheOtherClient()
    {
        InputHook hook;
        QCOMPARE(hook.captureMode(), InputHook::GlobalRecord);
        otherClientEvents();

        xdotool({"key", "--delay", "5", "a", "Return", "KP_Enter", "Print"});
        xdotool({"keydown", "ctrl", "keydown", "Pause", "keyup", "Pause", "keyup", "ctrl"});   // Ctrl+Break
        xdotool({"keydown", "alt", "keydown", "Print", "keyup", "Print", "keyup", "alt", "key", "KP_Home"});
        xdotool({"keydown", "shift"});
        xdotool({"keyup", "shift"});

        const QString expected = "+4 -4 +28 -28 +58 -58 +46 -46 +e0 +48 -48 -e0 +e2 +46 -46 -e2 +5f -5f +e1 -e1 ";
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), expected, 10000);

        // Nothing was taken away from the focused client.
        const QStringList seen = otherClientEvents();
        const QStringList presses = seen.filter(QRegularExpression("^\\+k"));
        const QStringList want = {"+k" + kc(XK_a), "+k" + kc(XK_Return), "+k" + kc(XK_KP_Enter), "+k" + kc(XK_Print),
                                  "+k" + kc(XK_Control_L), "+k" + kc(XK_Pause), "+k" + kc(XK_Alt_L),
                                  "+k" + kc(XK_Print), "+k" + kc(XK_KP_Home), "+k" + kc(XK_Shift_L)};
        QCOMPARE(presses, want);
        QCOMPARE(seen.filter(QRegularExpression("^-k")).size(), 10);
    }

    void buttonsReachQmlWithScreenPositions()
    {
        InputHook hook;
        otherClientEvents();
        xdotool({"mousemove", "100", "120", "click", "1", "click", "3", "click", "2", "click", "4"});
        xdotool({"mousemove", "640", "480", "click", "1"});
        const QString expected = "+f0@100,120 -f0@100,120 +f1@100,120 -f1@100,120 +f2@100,120 -f2@100,120 "
                                 "+f0@640,480 -f0@640,480 ";
        QTRY_COMPARE_WITH_TIMEOUT(rootString("buttons"), expected, 10000);
        const QStringList seen = otherClientEvents();
        QVERIFY2(seen.contains("+b1@100,120") && seen.contains("-b3@100,120") && seen.contains("+b2@100,120")
                     && seen.contains("+b4@100,120") && seen.contains("-b1@640,480"),
                 qPrintable(seen.join(' ')));
    }

    void nothingIsCapturedWhileUninstalled()
    {
        view->rootObject()->setProperty("keys", QString());
        InputHook hook;
        hook.uninstallHooks();
        xdotool({"key", "b"});
        QVERIFY(hook.installHooks());
        xdotool({"key", "c"});
        // Events arrive in order: once "c" is here, a captured "b" would have come first.
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+6 -6 "), 10000);
    }

    // The X server goes away under a running recorder, and the program goes on. A second
    // server is used so that nothing else in this process is connected to it.
    void losingTheServerEndsCaptureQuietly()
    {
        QProcess doomed;
        const QByteArray doomedDisplay = startXvfb(doomed);
        QVERIFY(!doomedDisplay.isEmpty());
        qputenv("DISPLAY", doomedDisplay);
        InputHook hook;
        qputenv("DISPLAY", display);
        QCOMPARE(hook.captureMode(), InputHook::GlobalRecord);
        doomed.kill();
        QVERIFY(doomed.waitForFinished(5000));
        hook.uninstallHooks();   // joins the recorder thread, which has seen the connection drop
        QCOMPARE(hook.captureMode(), InputHook::NoCapture);
    }
#endif
};

QTEST_MAIN(TestCapture)
#include "tst_capture.moc"
