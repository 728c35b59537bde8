// SPDX-License-Identifier: MIT
// X11 back end over the core pointer control: cursor speed is the acceleration ratio,
// pointer acceleration is a non-zero threshold (below it motion is not scaled).
#include "PointerBackendX11.h"

#ifndef R5_HAVE_XRECORD   // libX11 comes with the packages of the input recorder

std::unique_ptr<PointerBackend> createX11PointerBackend() { return nullptr; }

#else

#include <X11/Xlib.h>
#include <atomic>

namespace {
std::atomic<bool> xError{false};

int recordError(Display *, XErrorEvent *)
{
    xError = true;
    return 0;
}

constexpr int kDefaultThreshold = 4;

class X11Backend : public PointerBackend
{
public:
    explicit X11Backend(Display *display) : dpy(display) {}
    ~X11Backend() override { XCloseDisplay(dpy); }

    QString name() const override { return QStringLiteral("X11 pointer control"); }

    bool setMouseSpeed(int speed) override
    {
        if (speed < 1)
            speed = 1;
        return checked([&] { XChangePointerControl(dpy, True, False, speed, 10, 0); });
    }
    // The core protocol has neither scroll lines nor a double-click time.
    bool setWheelScrollLines(int) override { return false; }
    bool setDoubleClickTime(int) override { return false; }
    bool getMouse(int params[3]) override
    {
        int num = 0, den = 0, threshold = 0;
        if (!checked([&] { XGetPointerControl(dpy, &num, &den, &threshold); }))
            return false;
        params[0] = threshold;
        params[1] = threshold;
        params[2] = threshold > 0 ? 1 : 0;
        return true;
    }
    bool setMouse(const int params[3]) override
    {
        const int threshold = params[2] ? (params[0] > 0 ? params[0] : kDefaultThreshold) : 0;
        return checked([&] { XChangePointerControl(dpy, False, True, 0, 0, threshold); });
    }

private:
    template <typename F> bool checked(F call)
    {
        xError = false;
        XErrorHandler previous = XSetErrorHandler(recordError);
        call();
        XSync(dpy, False);
        XSetErrorHandler(previous);
        return !xError;
    }
    Display *dpy;
};
}

std::unique_ptr<PointerBackend> createX11PointerBackend()
{
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return nullptr;
    return std::make_unique<X11Backend>(dpy);
}

#endif
