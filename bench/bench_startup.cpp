// SPDX-License-Identifier: MIT
// Start-up benchmark: time from process start to the first frame drawn in its window,
// and peak resident memory, for the simulated-mouse program and Piper, under Xvfb.
//
// Usage: bench_startup [runs=5] [settle-ms=3000]
// Starts its own Xvfb. The first frame is the first X Damage report inside the program's
// mapped top-level window, the first content the first time that area shows more than
// one colour; peak memory is VmHWM after the window has settled.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>

#ifdef R5_HAVE_XRECORD
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <poll.h>

namespace {

// libXdamage is loaded at run time: only its shared library is installed, not its headers.
using Damage = XID;
constexpr int DamageReportRawRectangles = 0;
struct DamageNotifyEvent {
    int type;
    unsigned long serial;
    Bool send_event;
    Display *display;
    Drawable drawable;
    Damage damage;
    int level;
    Bool more;
    Time timestamp;
    XRectangle area;
    XRectangle geometry;
};
struct DamageApi {
    Bool (*queryExtension)(Display *, int *, int *) = nullptr;
    Damage (*create)(Display *, Drawable, int) = nullptr;
    void (*destroy)(Display *, Damage) = nullptr;
    bool load()
    {
        void *lib = dlopen("libXdamage.so.1", RTLD_NOW);
        if (!lib)
            return false;
        queryExtension = reinterpret_cast<decltype(queryExtension)>(dlsym(lib, "XDamageQueryExtension"));
        create = reinterpret_cast<decltype(create)>(dlsym(lib, "XDamageCreate"));
        destroy = reinterpret_cast<decltype(destroy)>(dlsym(lib, "XDamageDestroy"));
        return queryExtension && create && destroy;
    }
};

struct Sample {
    double mappedMs = -1;       // main window mapped
    double firstFrameMs = -1;   // first drawing inside it (may be a blank frame)
    double contentMs = -1;      // first time it shows more than one colour
    double peakMb = -1;
};

// True when the window's area on screen holds more than one colour (sampled).
bool showsContent(Display *dpy, Window root, const XRectangle &box)
{
    XImage *image = XGetImage(dpy, root, box.x, box.y, box.width, box.height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < box.height && !varied; y += 5)
        for (int x = 0; x < box.width; x += 5)
            if (XGetPixel(image, x, y) != first) {
                varied = true;
                break;
            }
    XDestroyImage(image);
    return varied;
}

double peakRssMb(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double median(QVector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
    if (v.isEmpty())
        return -1;
    std::sort(v.begin(), v.end());
    const int n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs one program until its first frame, lets it settle, reads its peak memory, ends it.
Sample measure(Display *dpy, const DamageApi &damage, int damageEvent, const QString &display,
               const QString &program, const QStringList &args, int settleMs)
{
    Sample s;
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    const Damage rootDamage = damage.create(dpy, root, DamageReportRawRectangles);
    XSync(dpy, False);
    while (XPending(dpy)) {   // forget what earlier runs left behind
        XEvent e;
        XNextEvent(dpy, &e);
    }

    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    proc.setProcessEnvironment(env);
    proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proc.setStandardOutputFile(QProcess::nullDevice());
    proc.setWorkingDirectory(QStringLiteral("/"));
    QElapsedTimer clock;
    clock.start();
    proc.start(program, args);
    if (!proc.waitForStarted(5000))
        return s;

    Window mapped = 0;
    XRectangle box{};
    qint64 lastLook = -100;
    while (clock.elapsed() < 20000 && s.contentMs < 0) {
        pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
        if (!XPending(dpy) && poll(&pfd, 1, 20) <= 0)
            continue;
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == MapNotify && e.xmap.event == root) {
            XWindowAttributes a;
            // The main window, not the 1x1 helper windows toolkits map.
            if (XGetWindowAttributes(dpy, e.xmap.window, &a) && a.width >= 200 && a.height >= 100) {
                mapped = e.xmap.window;
                box = {short(a.x), short(a.y), ushort(a.width), ushort(a.height)};
                s.mappedMs = clock.nsecsElapsed() / 1e6;
            }
        } else if (e.type == damageEvent && mapped) {
            const auto *d = reinterpret_cast<const DamageNotifyEvent *>(&e);
            const bool inside = d->area.x < box.x + box.width && d->area.x + d->area.width > box.x
                                && d->area.y < box.y + box.height && d->area.y + d->area.height > box.y;
            if (inside && s.firstFrameMs < 0)
                s.firstFrameMs = clock.nsecsElapsed() / 1e6;
            // Reading the screen back is not free: look at most every 10 ms.
            if (inside && clock.elapsed() - lastLook >= 10) {
                lastLook = clock.elapsed();
                if (showsContent(dpy, root, box))
                    s.contentMs = clock.nsecsElapsed() / 1e6;
            }
        }
    }
    damage.destroy(dpy, rootDamage);
    XSelectInput(dpy, root, NoEventMask);
    XSync(dpy, False);

    if (s.contentMs >= 0)
        QThread::msleep(ulong(settleMs));
    s.peakMb = peakRssMb(proc.processId());
    proc.terminate();
    if (!proc.waitForFinished(5000)) {
        proc.kill();
        proc.waitForFinished(2000);
    }
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int settleMs = argc > 2 ? std::max(0, atoi(argv[2])) : 3000;
    QTextStream out(stdout);

    const QString sim = QCoreApplication::applicationDirPath() + QStringLiteral("/r5config-sim");
    if (!QFileInfo(sim).isExecutable()) {
        out << "bench_startup: " << sim << " not built\n";
        return 0;
    }
    const QString piper = QStandardPaths::findExecutable(QStringLiteral("piper"));

    DamageApi damage;
    if (!damage.load()) {
        out << "bench_startup: libXdamage.so.1 not available, nothing measured\n";
        return 0;
    }
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    if (!xvfb.waitForStarted(5000) || !xvfb.waitForReadyRead(10000)) {
        out << "bench_startup: Xvfb could not be started, nothing measured\n";
        return 0;
    }
    const QString display = QStringLiteral(":") + QString::fromLatin1(xvfb.readLine().trimmed());
    Display *dpy = XOpenDisplay(display.toLatin1().constData());
    int damageEvent = 0, damageError = 0;
    if (!dpy || !damage.queryExtension(dpy, &damageEvent, &damageError)) {
        out << "bench_startup: no X Damage on " << display << ", nothing measured\n";
        xvfb.terminate();
        xvfb.waitForFinished(3000);
        return 0;
    }

    struct Subject {
        QString name, program;
        bool forgetGtkVisuals;
        QVector<double> frame = {}, content = {}, mapped = {}, memory = {};
    };
    // GTK caches its choice of visuals on the root window, and only the first GTK program
    // on a display loads the OpenGL driver to make that choice. Piper is measured both
    // ways: as the first GTK program ("cold") and after another one ("warm").
    QVector<Subject> subjects{{QStringLiteral("r5config-sim"), sim, false}};
    if (!piper.isEmpty()) {
        subjects.append({QStringLiteral("piper cold"), piper, true});
        subjects.append({QStringLiteral("piper warm"), piper, false});
    }

    out << "display " << display << ", " << runs << " runs each, interleaved, settle " << settleMs << " ms\n";
    out.flush();
    for (int i = 0; i < runs; ++i) {
        for (Subject &subject : subjects) {
            if (subject.forgetGtkVisuals) {
                const Atom cache = XInternAtom(dpy, "GDK_VISUALS", True);
                if (cache != None)
                    XDeleteProperty(dpy, DefaultRootWindow(dpy), cache);
                XSync(dpy, False);
            }
            const Sample s = measure(dpy, damage, damageEvent, display, subject.program, {}, settleMs);
            subject.frame << s.firstFrameMs;
            subject.content << s.contentMs;
            subject.mapped << s.mappedMs;
            subject.memory << s.peakMb;
            out << QStringLiteral("  run %1 %2: mapped %3 ms, first frame %4 ms, first content %5 ms, peak RSS %6 MB\n")
                       .arg(i + 1)
                       .arg(subject.name, -12)
                       .arg(s.mappedMs, 0, 'f', 0)
                       .arg(s.firstFrameMs, 0, 'f', 0)
                       .arg(s.contentMs, 0, 'f', 0)
                       .arg(s.peakMb, 0, 'f', 1);
            out.flush();
        }
    }
    out << "median:\n";
    for (const Subject &subject : subjects)
        out << QStringLiteral("  %1 first frame %2 ms, first content %3 ms, peak RSS %4 MB (mapped %5 ms)\n")
                   .arg(subject.name, -12)
                   .arg(median(subject.frame), 0, 'f', 0)
                   .arg(median(subject.content), 0, 'f', 0)
                   .arg(median(subject.memory), 0, 'f', 1)
                   .arg(median(subject.mapped), 0, 'f', 0);
    if (piper.isEmpty())
        out << "  piper: unavailable (install the Debian package piper to compare)\n";
    out.flush();

    XCloseDisplay(dpy);
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return 0;
}

#else
int main()
{
    std::printf("bench_startup: built without X11, nothing measured\n");
    return 0;
}
#endif
