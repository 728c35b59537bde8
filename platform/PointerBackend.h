// SPDX-License-Identifier: MIT
// Host pointer settings behind one operation per host call, so the bridge can change
// the desktop's cursor speed, scroll lines, double-click time and acceleration.
#pragma once
#include <QString>
#include <memory>

class PointerBackend
{
public:
    virtual ~PointerBackend() = default;
    virtual QString name() const = 0;

    // Each returns false when the host refused the value or has no such setting.
    virtual bool setMouseSpeed(int speed) = 0;          // 1 (slowest) .. 20 (fastest), 10 neutral
    virtual bool setWheelScrollLines(int lines) = 0;    // lines per wheel notch
    virtual bool setDoubleClickTime(int ms) = 0;
    // The mouse parameters: threshold 1, threshold 2, acceleration (0 off, 1 on).
    virtual bool getMouse(int params[3]) = 0;
    virtual bool setMouse(const int params[3]) = 0;

    // The desktop's back end: GNOME settings on a GNOME desktop, else X11 pointer
    // control, else GNOME settings when only they exist; null when there is none.
    static std::unique_ptr<PointerBackend> createForDesktop();
};
