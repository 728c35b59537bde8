// SPDX-License-Identifier: MIT
// X RECORD capture: a thread owns two X connections (control and data), records the core
// key and button events of every client, converts them and posts them to the GUI thread.
#include "X11InputRecorder.h"
#include "BrokenPipes.h"
#include <QDebug>
#include <QMetaObject>
#include <atomic>
#include <future>
#include <thread>

#ifdef R5_HAVE_XRECORD
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <algorithm>
#include <mutex>
#include <vector>
#endif

struct X11InputRecorder::Private {
    InputScanCodes::KeySink keySink;
    InputScanCodes::ButtonSink buttonSink;
    QByteArray displayName;
    std::thread thread;
    std::atomic<bool> running{false};
    std::atomic<quint32> context{0};
    int wake[2] = {-1, -1};
    // Touched by the recorder thread only.
    int altKeysDown = 0;
    bool startOfData = false;
    bool serverGone = false;

#ifdef R5_HAVE_XRECORD
    static void intercept(XPointer closure, XRecordInterceptData *data);
    static void connectionLost(Display *display, void *closure);
    void handleEvent(const xEvent *event);
    void run(std::promise<bool> started);
    X11InputRecorder *owner = nullptr;
#endif
};

X11InputRecorder::X11InputRecorder(InputScanCodes::KeySink keySink, InputScanCodes::ButtonSink buttonSink,
                                   QObject *parent)
    : QObject(parent), d(new Private)
{
    d->keySink = std::move(keySink);
    d->buttonSink = std::move(buttonSink);
}

X11InputRecorder::~X11InputRecorder() { stop(); }

void X11InputRecorder::setDisplayName(const QByteArray &name) { d->displayName = name; }

bool X11InputRecorder::isRunning() const { return d->running.load(); }

quint32 X11InputRecorder::recordContext() const { return d->context.load(); }

#ifdef R5_HAVE_XRECORD

namespace {
// Xlib's I/O error handler is process-wide and its default ends the process. Ours lets the
// recorder's own connections fail quietly and passes every other connection to the previous one.
std::mutex watchedLock;
std::vector<Display *> watched;
XIOErrorHandler previousHandler = nullptr;

int onIOError(Display *display)
{
    {
        std::lock_guard<std::mutex> lock(watchedLock);
        if (std::find(watched.begin(), watched.end(), display) != watched.end())
            return 0;   // the connection's exit handler then marks the recorder stopped
    }
    return previousHandler ? previousHandler(display) : 0;
}

void watchConnection(Display *display, bool watch)
{
    static std::once_flag installed;
    std::call_once(installed, [] { previousHandler = XSetIOErrorHandler(&onIOError); });
    std::lock_guard<std::mutex> lock(watchedLock);
    if (watch)
        watched.push_back(display);
    else
        watched.erase(std::remove(watched.begin(), watched.end(), display), watched.end());
}

void closeConnection(Display *display)
{
    if (!display)
        return;
    XCloseDisplay(display);
    watchConnection(display, false);
}
}

bool X11InputRecorder::isAvailable(const QByteArray &displayName)
{
    BrokenPipes::survive();
    Display *probe = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!probe)
        return false;
    watchConnection(probe, true);
    int major = 0, minor = 0;
    const bool ok = XRecordQueryVersion(probe, &major, &minor);
    closeConnection(probe);
    return ok;
}

bool X11InputRecorder::start()
{
    if (d->running.load())
        return true;
    // The server may vanish mid-write on these connections: that must be an error, not a signal.
    BrokenPipes::survive();
    if (pipe2(d->wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        d->wake[0] = d->wake[1] = -1;
        return false;
    }
    std::promise<bool> started;
    std::future<bool> ok = started.get_future();
    d->owner = this;
    d->thread = std::thread(&Private::run, d.get(), std::move(started));
    if (ok.get()) {
        d->running.store(true);
        return true;
    }
    d->thread.join();
    ::close(d->wake[0]);
    ::close(d->wake[1]);
    d->wake[0] = d->wake[1] = -1;
    return false;
}

void X11InputRecorder::stop()
{
    if (!d->thread.joinable())
        return;
    const char byte = 1;
    while (::write(d->wake[1], &byte, 1) < 0 && errno == EINTR) {
    }
    d->thread.join();
    ::close(d->wake[0]);
    ::close(d->wake[1]);
    d->wake[0] = d->wake[1] = -1;
    d->running.store(false);
}

void X11InputRecorder::Private::run(std::promise<bool> started)
{
    startOfData = false;
    altKeysDown = 0;
    // A write on a connection whose server has gone (disabling the context, closing) must
    // fail with EPIPE on this thread whatever the process does with SIGPIPE; a signal
    // left pending here is discarded when the thread ends.
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly, nullptr);
    // Both connections are opened and used only here, so Xlib is never shared with the GUI thread.
    const char *name = displayName.isEmpty() ? nullptr : displayName.constData();
    Display *control = XOpenDisplay(name);
    Display *data = control ? XOpenDisplay(name) : nullptr;
    // Losing the X server must end recording, not the program (Xlib would call exit()).
    serverGone = false;
    for (Display *d : {control, data}) {
        if (d) {
            watchConnection(d, true);
            XSetIOErrorExitHandler(d, &Private::connectionLost, this);
        }
    }
    XRecordContext context = 0;
    int major = 0, minor = 0;
    bool ok = control && data && XRecordQueryVersion(control, &major, &minor);
    if (ok) {
        XRecordRange *range = XRecordAllocRange();
        ok = range != nullptr;
        if (ok) {
            range->device_events.first = KeyPress;
            range->device_events.last = ButtonRelease;
            XRecordClientSpec clients = XRecordAllClients;
            context = XRecordCreateContext(control, 0, &clients, 1, &range, 1);
            XFree(range);
            XSync(control, False);
            ok = context != 0;
        }
    }
    if (ok) {
        this->context.store(quint32(context));
        ok = XRecordEnableContextAsync(data, context, &Private::intercept, reinterpret_cast<XPointer>(this));
    }
    if (ok) {
        // Recording is live once the server sends its start-of-data reply; waiting for it
        // means nothing typed after start() returns can be missed.
        XFlush(data);
        pollfd fd = {ConnectionNumber(data), POLLIN, 0};
        while (!startOfData && ok) {
            XRecordProcessReplies(data);
            if (startOfData)
                break;
            fd.revents = 0;
            const int ready = poll(&fd, 1, 5000);
            ok = ready > 0 && !(fd.revents & (POLLERR | POLLHUP | POLLNVAL));
        }
    }
    if (!ok) {
        if (context)
            XRecordFreeContext(control, context);
        closeConnection(data);
        closeConnection(control);
        this->context.store(0);
        started.set_value(false);
        return;
    }
    started.set_value(true);

    pollfd fds[2] = {{ConnectionNumber(data), POLLIN, 0}, {wake[0], POLLIN, 0}};
    for (;;) {
        XRecordProcessReplies(data);   // also drains what Xlib already buffered
        if (serverGone) {
            qDebug() << "Input capture: X server connection lost, capture ended";
            break;
        }
        fds[0].revents = fds[1].revents = 0;
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents)
            break;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            break;   // the server went away: stop recording quietly
    }
    if (!serverGone && !(fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))) {
        XRecordDisableContext(control, context);
        XRecordFreeContext(control, context);
        XSync(control, False);
    }
    closeConnection(data);
    closeConnection(control);
    this->context.store(0);
}

void X11InputRecorder::Private::connectionLost(Display *, void *closure)
{
    static_cast<Private *>(closure)->serverGone = true;
}

void X11InputRecorder::Private::intercept(XPointer closure, XRecordInterceptData *data)
{
    auto *self = reinterpret_cast<Private *>(closure);
    if (data->category == XRecordStartOfData)
        self->startOfData = true;
    else if (data->category == XRecordFromServer && data->data_len * 4 >= sizeof(xEvent))
        self->handleEvent(reinterpret_cast<const xEvent *>(data->data));
    XRecordFreeData(data);
}

void X11InputRecorder::Private::handleEvent(const xEvent *event)
{
    const int type = event->u.u.type & 0x7F;
    const int detail = event->u.u.detail;
    X11InputRecorder *target = owner;
    if (type == KeyPress || type == KeyRelease) {
        const bool isDown = type == KeyPress;
        const int evdev = InputScanCodes::evdevFromXKeycode(detail);
        if (evdev == KEY_LEFTALT || evdev == KEY_RIGHTALT)
            altKeysDown = qMax(0, altKeysDown + (isDown ? 1 : -1));
        quint32 scan = 0;
        bool extended = false;
        if (!InputScanCodes::evdevToScan(evdev, &scan, &extended))
            return;
        const quint32 flags = (extended ? InputScanCodes::ExtendedFlag : 0)
                              | (altKeysDown > 0 ? InputScanCodes::AltDownFlag : 0);
        QMetaObject::invokeMethod(
            target, [this, scan, flags, isDown] { keySink(scan, flags, isDown); }, Qt::QueuedConnection);
    } else if (type == ButtonPress || type == ButtonRelease) {
        const bool isDown = type == ButtonPress;
        quint32 message;
        switch (detail) {
        case 1: message = isDown ? InputScanCodes::LeftDown : InputScanCodes::LeftUp; break;
        case 3: message = isDown ? InputScanCodes::RightDown : InputScanCodes::RightUp; break;
        case 2: message = isDown ? InputScanCodes::MiddleDown : InputScanCodes::MiddleUp; break;
        default: return;   // wheel and extra buttons are not captured
        }
        const int x = event->u.keyButtonPointer.rootX;
        const int y = event->u.keyButtonPointer.rootY;
        QMetaObject::invokeMethod(
            target, [this, message, x, y] { buttonSink(message, x, y); }, Qt::QueuedConnection);
    }
}

#else

bool X11InputRecorder::start() { return false; }
void X11InputRecorder::stop() {}
bool X11InputRecorder::isAvailable(const QByteArray &) { return false; }

#endif
