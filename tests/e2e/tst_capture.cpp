// SPDX-License-Identifier: MIT
// Real global capture under a private Xvfb: nothing is read until a consumer claims
// capture, then keys typed with XTest reach the QML root with the right codes while
// another X client still gets every event; released, the RECORD context is gone. The
// whole program: an armed key field and a recording hold capture only while they can
// take keys. A lost server and closed pipes end in errors, never in SIGPIPE.
#include "BrokenPipes.h"
#include "CaptureClaims.h"
#include "InputCallbacks.h"
#include "InputHook.h"
#include "SceneBackend.h"
#include "SceneRig.h"
#include "TestSupport.h"
#include "myQQuickView.h"
#include <QFile>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

#ifdef R5_HAVE_XRECORD
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>
#include <linux/input-event-codes.h>
#endif

using namespace SceneRig;

namespace {
const char *rootQml = R"(import QtQuick 2.15
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/basic"
Item {
    width: 400; height: 100
    property string keys: ""
    property string buttons: ""
    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property string globalSetting_fontFamily: "Arial"
    property var globalSetting_stringList: { var l = []; l[142] = "KEY"; l[143] = "PRESS ANY"; return l }
    property url sourceSlider: ""
    KeyCodeString { id: _KeyCodeString }
    KeyInput_2 { id: field; objectName: "field"; x: 10; y: 10 }
    function detectKeyboard(isDown, usbCode) {
        keys += (isDown ? "+" : "-") + usbCode.toString(16) + " "
        field.detectKeyboard(isDown, usbCode)
    }
    function detectMouse(isDown, code, x, y) {
        buttons += (isDown ? "+" : "-") + code.toString(16) + "@" + x + "," + y + " "
    }
}
)";

#ifdef R5_HAVE_XRECORD
// Asks the server whether a RECORD context id still exists.
bool serverKnowsContext(Display *display, quint32 id)
{
    static bool failed;
    failed = false;
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler([](Display *, XErrorEvent *) {
        failed = true;
        return 0;
    });
    XRecordState *state = nullptr;
    const Status ok = XRecordGetContext(display, XRecordContext(id), &state);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (state)
        XRecordFreeState(state);
    return ok && !failed;
}
#endif
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
    QObject consumer;   // a claim held by the test itself

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
    // Starts a server on a free display number and returns ":N", empty on failure. It does
    // not reset when its last client leaves: the capture probe connects and leaves before
    // the recorder connects, and a reset in between would refuse the recorder.
    static QByteArray startXvfb(QProcess &server)
    {
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset"});
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
    QQuickItem *field() { return view->rootObject()->findChild<QQuickItem *>("field"); }

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
    // A key pressed and released by its X keycode, whatever keysym the keymap gives it.
    void tapKeycode(int xKeycode)
    {
        XTestFakeKeyEvent(other, uint(xKeycode), True, 0);
        XTestFakeKeyEvent(other, uint(xKeycode), False, 0);
        XSync(other, False);
    }
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

        // As the program draws: no OpenGL context, so nothing else of Qt connects to the server.
        chooseSceneBackend();
        mainWindow = new QWidget;
        mainWindow->setWindowTitle("R5");
        view = new myQQuickView(mainWindow);
        view->rootContext()->setContextProperty("ui_View", view);
        QFile qml("capture_root.qml");
        QVERIFY(qml.open(QIODevice::WriteOnly));
        qml.write(rootQml);
        qml.close();
        view->setSource(QUrl::fromLocalFile(QFileInfo(qml).absoluteFilePath()));
        QVERIFY2(view->rootObject(), qPrintable(view->errors().isEmpty() ? QString() : view->errors().first().toString()));
        view->resize(400, 100);
        mainWindow->resize(400, 100);
        mainWindow->show();
        InputHook::setKeyboardCallback(InputCallbacks::keyboard, mainWindow);
        InputHook::setMouseCallback(InputCallbacks::mouse, mainWindow);
#endif
    }

    void cleanupTestCase()
    {
        CaptureClaims::releaseAll();
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

    void init()
    {
        if (view && view->rootObject()) {
            view->rootObject()->setProperty("keys", QString());
            view->rootObject()->setProperty("buttons", QString());
        }
    }
    void cleanup() { CaptureClaims::releaseAll(); }

#ifdef R5_HAVE_XRECORD
    void keysReachQmlAndTheOtherClient()
    {
        InputHook hook;
        QCOMPARE(hook.captureMode(), InputHook::GlobalRecord);
        CaptureClaims::claim(&consumer);
        QVERIFY(hook.isCapturing());
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

    // Keys the capture used to ignore: F13, F24 and Right Win, sent by keycode (evdev + 8).
    void extraKeysAreCapturedByName()
    {
        InputHook hook;
        CaptureClaims::claim(&consumer);
        QVERIFY(hook.isCapturing());
        for (int evdev : {KEY_F13, KEY_F24, KEY_RIGHTMETA, KEY_KPEQUAL})
            tapKeycode(evdev + 8);
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+68 -68 +73 -73 +e7 -e7 +67 -67 "), 10000);
        // The field names what it takes.
        QVERIFY(QMetaObject::invokeMethod(field(), "setKeycodeUSB", Q_ARG(QVariant, 0x68)));
        QCOMPARE(field()->property("tmpKeyString").toString(), QString("F13"));
        QVERIFY(QMetaObject::invokeMethod(field(), "setKeycodeUSB", Q_ARG(QVariant, 0xE7)));
        QCOMPARE(field()->property("tmpKeyString").toString(), QString("R Win"));
    }

    void buttonsReachQmlWithScreenPositions()
    {
        InputHook hook;
        CaptureClaims::claim(&consumer);
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

    // With nothing claimed the process holds no RECORD context and reads nothing; a claim
    // creates one, its release disables and frees it on the server.
    void captureRunsOnlyWhileClaimed()
    {
        InputHook hook;
        QCOMPARE(hook.captureMode(), InputHook::GlobalRecord);
        QVERIFY(!hook.isCapturing());
        QCOMPARE(hook.recordContext(), 0u);
        QSignalSpy changes(&hook, &InputHook::capturingChanged);
        xdotool({"key", "b"});

        CaptureClaims::claim(&consumer);
        QVERIFY(hook.isCapturing());
        const quint32 context = hook.recordContext();
        QVERIFY(context != 0);
        QVERIFY(serverKnowsContext(other, context));
        xdotool({"key", "c"});
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+6 -6 "), 10000);

        CaptureClaims::release(&consumer);
        QVERIFY(!hook.isCapturing());
        QCOMPARE(hook.recordContext(), 0u);
        QVERIFY(!serverKnowsContext(other, context));
        xdotool({"key", "d"});
        // A consumer that goes away takes its claim with it.
        {
            QObject shortLived;
            CaptureClaims::claim(&shortLived);
            QVERIFY(hook.isCapturing());
        }
        QVERIFY(!hook.isCapturing());
        xdotool({"key", "e"});

        CaptureClaims::claim(&consumer);
        xdotool({"key", "f"});
        // Events arrive in order: once "f" is here, a captured "b", "d" or "e" would have come first.
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+6 -6 +9 -9 "), 10000);
        QCOMPARE(changes.size(), 5);   // on, off, on, off, on
        hook.uninstallHooks();
        QVERIFY(!hook.isCapturing());
        QCOMPARE(hook.captureMode(), InputHook::NoCapture);
    }

    // Key state starts clean at each arming: a key held across it gives no stray release,
    // and a key whose release went unseen (capture ended after its press) counts again.
    void eachArmingStartsFromAllKeysUp()
    {
        InputHook hook;
        xdotool({"keydown", "shift"});
        CaptureClaims::claim(&consumer);
        xdotool({"keyup", "shift"});
        xdotool({"key", "a"});
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+4 -4 "), 10000);

        xdotool({"keydown", "b"});
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+4 -4 +5 "), 10000);
        CaptureClaims::release(&consumer);   // as a field that took the press
        xdotool({"keyup", "b"});
        CaptureClaims::claim(&consumer);
        xdotool({"key", "b"});
        QTRY_COMPARE_WITH_TIMEOUT(rootString("keys"), QString("+4 -4 +5 +5 -5 "), 10000);
    }

    // A key field: its click arms it and starts capture, the next key is taken and capture
    // stops with it; a key typed then reaches nothing.
    void armedFieldTakesTheNextKeyThenLetsGo()
    {
        InputHook hook;
        QQuickItem *f = field();
        QVERIFY(f);
        const QPoint at = f->mapToScene(QPointF(f->width() / 2, f->height() / 2)).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
        QTRY_VERIFY(f->property("isSelect").toBool());
        QVERIFY(hook.isCapturing());
        QVERIFY(f->property("captureLive").toBool());
        QVERIFY(view->rootObject()->findChild<QQuickItem *>("capturePulse")->isVisible());

        xdotool({"key", "x"});
        QTRY_COMPARE_WITH_TIMEOUT(f->property("tmpKeyString").toString(), QString("X"), 10000);
        QVERIFY(!f->property("isSelect").toBool());
        QTRY_VERIFY(!hook.isCapturing());
        QCOMPARE(CaptureClaims::count(), 0);
        QVERIFY(!f->property("captureLive").toBool());

        xdotool({"key", "y"});
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
        QTRY_VERIFY(hook.isCapturing());
        xdotool({"key", "z"});
        QTRY_COMPARE_WITH_TIMEOUT(f->property("tmpKeyString").toString(), QString("Z"), 10000);
        QVERIFY2(!rootString("keys").contains("+1c "), qPrintable(rootString("keys")));   // no "y"
        QTRY_VERIFY(!hook.isCapturing());

        // A field destroyed while armed lets go with it.
        QQmlComponent component(view->engine());
        component.setData("import QtQuick 2.15\nimport \"qrc:/modules/qml/common\"\nKeyInput_2 { }\n", QUrl());
        QQuickItem *extra = qobject_cast<QQuickItem *>(component.create(QQmlEngine::contextForObject(view->rootObject())));
        QVERIFY2(extra, qPrintable(component.errorString()));
        extra->setParentItem(view->rootObject());
        extra->setProperty("isSelect", true);
        QVERIFY(hook.isCapturing());
        QCOMPARE(CaptureClaims::count(), 1);
        delete extra;
        QCOMPARE(CaptureClaims::count(), 0);
        QVERIFY(!hook.isCapturing());
    }

    // The whole program: a recording reads keys from the desktop; leaving the page ends it
    // and capture with it, and coming back finds capture off. An armed key field lets go
    // when the settings drawer opens over it.
    void pagesHoldCaptureOnlyWhileTheyCanTakeKeys()
    {
        CaptureClaims::releaseAll();
        // The program ends when its window closes, which it cannot while another one is open.
        mainWindow->hide();
        Run run;
        run.prepare(2);
        QList<DialogRequest> asked;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) {
            InputHook *hook = InputHook::instance();
            QVERIFY(hook);
            QCOMPARE(hook->captureMode(), InputHook::GlobalRecord);
            QVERIFY(!hook->isCapturing());

            QVERIFY(s.openPage(1));
            QVERIFY(s.click("btnMacroAdd"));
            QVERIFY(s.click("btnRecord"));
            QVERIFY(hook->isCapturing());
            QVERIFY(s.item("recordPulse")->isVisible());
            xdotool({"key", "q"});
            QTRY_COMPARE_WITH_TIMEOUT(call(s.item("_Page_Macro"), "actionLines").toStringList(),
                                      (QStringList{"Q    [Down]", "Q      [Up]"}), 10000);
            QVERIFY(s.openPage(0));
            QVERIFY(!hook->isCapturing());
            QVERIFY(s.openPage(1));
            QVERIFY(!s.prop("_Page_Macro", "isRecordStart").toBool());
            QVERIFY(!hook->isCapturing());
            QVERIFY(!s.item("recordPulse")->isVisible());
            QCOMPARE(macroLines("Macro. 001"), (QStringList{"Q    [Down]", "Q      [Up]"}));

            // The step field of the macro page: armed, then the page is left.
            QVERIFY(s.click("_input_key"));
            QVERIFY(hook->isCapturing());
            QVERIFY(s.openPage(0));
            QVERIFY(!s.prop("_input_key", "isSelect").toBool());
            QVERIFY(!hook->isCapturing());

            // The key page's field, then the settings drawer over it.
            QVERIFY(s.choose("_menu_matrix", keyListIndex(9)));
            QVERIFY(s.choose("_menu_function", 0));
            const QList<int> before = s.record(9);
            QVERIFY(s.click("_input_keyboard"));
            QVERIFY(hook->isCapturing());
            s.item("upItem")->setProperty("isGlobalSettingSelect", true);
            QVERIFY(!s.prop("_input_keyboard", "isSelect").toBool());
            QVERIFY(!hook->isCapturing());
            xdotool({"key", "7"});
            s.key(0x24, true);   // even a key that reaches the page is not taken
            s.key(0x24, false);
            QTest::qWait(50);
            QCOMPARE(s.record(9), before);
            // With global capture the user is told nothing, and the settings page says nothing.
            QVERIFY(!s.prop("_Page_Globalsetting", "captureInWindowOnly").toBool());
            QVERIFY(asked.isEmpty());
            s.item("upItem")->setProperty("isGlobalSettingSelect", false);
        };
        run.start();
        // The program's tear-down clears the callbacks; the tests after this one use them.
        mainWindow->show();
        InputHook::setKeyboardCallback(InputCallbacks::keyboard, mainWindow);
        InputHook::setMouseCallback(InputCallbacks::mouse, mainWindow);
        QVERIFY(run.scenarioDone);
        QCOMPARE(CaptureClaims::count(), 0);
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
        CaptureClaims::claim(&consumer);
        qputenv("DISPLAY", display);
        QCOMPARE(hook.captureMode(), InputHook::GlobalRecord);
        QVERIFY(hook.isCapturing());
        doomed.kill();
        QVERIFY(doomed.waitForFinished(5000));
        CaptureClaims::release(&consumer);   // disables the context on a dead connection, joins the thread
        QVERIFY(!hook.isCapturing());
        hook.uninstallHooks();
        QCOMPARE(hook.captureMode(), InputHook::NoCapture);
    }
#endif

    // A peer that has gone away makes a write fail with EPIPE; the process lives on.
    void closedPeersGiveWriteErrorsNotSignals()
    {
        InputHook hook;   // the capture layer takes SIGPIPE over, as the program does at start
        QVERIFY(BrokenPipes::survived());
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        ::close(fds[0]);
        errno = 0;
        QCOMPARE(::write(fds[1], "x", 1), ssize_t(-1));
        QCOMPARE(errno, EPIPE);
        ::close(fds[1]);
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
        ::close(fds[1]);
        errno = 0;
        QCOMPARE(::write(fds[0], "x", 1), ssize_t(-1));
        QCOMPARE(errno, EPIPE);
        ::close(fds[0]);
    }
};

QTEST_MAIN(TestCapture)
#include "tst_capture.moc"
